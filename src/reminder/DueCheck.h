#pragma once

#include <optional>
#include <vector>

#include <QDateTime>
#include <QString>

#include "diary/DiaryRecord.h"

// Which records fall due in a tick of the once-a-second check.
//
// A record is due when its date text is today's "dd.MM.yyyy" and its time text
// is the clock's "hh:mm". Minutes that pass without a tick (the computer slept,
// a tick was held up) are made up for at the next tick: a record whose minute
// fell into the gap is due then, marked late. The gap is measured on the wall
// clock between two ticks:
//   - the first tick after start checks its own minute only: records whose
//     minute passed before the start are never due;
//   - a tick checks the minutes after the latest minute checked so far, up to
//     and including its own; a tick within that same latest minute checks it
//     again, so a record added during the minute still falls due in it;
//   - a clock set backwards checks nothing until it reaches the latest minute
//     checked again: no minute is checked twice across such a jump, so no
//     record comes twice; records added meanwhile for those minutes show as
//     not reminded, like any record whose minute has passed;
//   - a gap is made up for at most one day back (a suspend over a weekend, or
//     a clock that jumps years ahead, does not bring up the whole diary);
//     older records show as not reminded.
namespace reminder {

// A minute of the wall clock as one number: days of the Julian calendar times
// 1440 plus the minute of the day. Local time, as the clock shows it.
using WallMinute = qint64;
WallMinute WallMinuteOf(const QDateTime &time);

// How far back a gap is made up for.
inline constexpr int LongestLateMinutes = 24 * 60;

// The test of one tick. Built once per tick; testing a record builds no text
// unless the record is due and late.
class DueTest {
public:
    // `latestChecked` is the latest minute an earlier tick checked, none at the
    // first tick. `heldBack` (may be null) lists records already reminded in
    // the latest minute that are still in the list; it must outlive the test.
    DueTest(std::optional<WallMinute> latestChecked, const QDateTime &now,
            const std::vector<diary::DiaryRecord> *heldBack = nullptr);

    // True when the record falls due in this tick. A late record's mark is its
    // time in brackets, "[09:05] " (with its date, "[14.03.2004 23:55] ", for a
    // record of the day before); an on-time record's mark is empty.
    bool isDue(const diary::DiaryRecord &record, QString *lateMark = nullptr) const;

    // The clock's texts of this tick, for the clock label and the today line.
    const QString &todayText() const { return m_today.dateText; }
    const QString &clockText() const { return m_clockText; }

    WallMinute minute() const { return m_minute; }
    // The latest minute checked once this tick is done.
    WallMinute latestChecked() const { return m_latestChecked; }

private:
    // The minutes of one day that this tick checks, first..last; none when
    // first > last.
    struct CheckedDay {
        QString dateText;
        int firstMinute = 0;
        int lastMinute = -1;
    };

    bool isHeldBack(const diary::DiaryRecord &record) const;

    WallMinute m_minute = 0;
    WallMinute m_latestChecked = 0;
    QString m_clockText;
    CheckedDay m_today;
    CheckedDay m_dayBefore;
    const std::vector<diary::DiaryRecord> *m_heldBack = nullptr;
};

// Carries the minutes checked from one tick to the next. The window keeps one
// for its whole run.
class DueTracker {
public:
    // The test of the tick at `now`; from then on its minutes count as checked.
    DueTest beginTick(const QDateTime &now);

    // A record reminded in this tick whose removal could not be written stays
    // in the diary: it is not due again in the ticks left of its minute.
    void holdBack(const diary::DiaryRecord &record);

private:
    std::optional<WallMinute> m_latestChecked;
    std::vector<diary::DiaryRecord> m_heldBack; // reminded in minute m_latestChecked
};

} // namespace reminder
