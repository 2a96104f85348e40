#pragma once

#include <cstddef>
#include <optional>

#include <QString>
#include <QStringList>

#include "diary/DiaryRecord.h"

// What happens to a record that falls due: it leaves the diary, a yearly
// record comes back for the next year, and the reminder text gains its lines.
namespace reminder {

// The record again for the same day one year later: the date's year plus one
// as "dd.MM.yyyy" (29 February gives 28 February), the sort key made afresh,
// every other field as it was, so the copy is yearly again. None when the
// record's date is not a date.
std::optional<diary::DiaryRecord> YearlyCopy(const diary::DiaryRecord &record);

// Removes the reminded record at `index` and, when it is yearly, appends its
// copy for the next year, as one change of the list: one rewrite of the file
// stores both, so the record is never lost between the two. Returns the
// removed record.
diary::DiaryRecord TakeReminded(diary::UnvisibleList &list, std::size_t index);

// Whether a record's launch_file names something to start.
bool ShouldLaunch(const QString &launchFile);

// The reminder text's lines for a record: its message, prefixed with the late
// mark (none for a message of exactly "(null)"), 64 underscores and one blank.
QStringList MessageLines(const QString &msg, const QString &lateMark = {});

// The lines after a record's own when its sound or power-off switch is on;
// both languages, whatever the interface language.
const QStringList &SoundLines();
const QStringList &PowerOffLines();

} // namespace reminder
