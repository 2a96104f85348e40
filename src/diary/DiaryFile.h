#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "codec/FileIO.h"
#include "diary/DiaryRecord.h"

// The diary file tolvik.dat: four CR LF lines a record, Windows-1251.
//   line 1: date, one space, time
//   line 2: msg
//   line 3: launch_file
//   line 4: param_str
// An empty field is written as "(null)"; a diary without records is 0 bytes.
namespace diary {

inline const QString DiaryFileName = QStringLiteral("tolvik.dat");

// The largest diary that is read: far beyond any diary kept by hand (100,000
// records are about 7 MB, a 50 MB message still fits), low enough that a
// stray huge file cannot take the machine's memory.
inline constexpr qint64 DiaryFileLimit = qint64(256) * 1024 * 1024;

struct DiaryReadResult {
    // Missing is an empty diary. Failed means the file is there but could
    // not be read: `records` is empty and nothing may rewrite or append to
    // the file until a later read succeeds.
    codec::ReadStatus status = codec::ReadStatus::Missing;
    codec::FileError error;
    UnvisibleList records;
    // Set when the diary holds no record: such a diary shows no rows.
    bool diaryEmpty = true;
    // Date texts that are not dates. Their records are still in `records`,
    // without a reversdate, so a rewrite keeps them.
    QStringList badDates;
};

// Parses the bytes of a diary file. Never fails and never drops a record: not
// one after a bad date, not one after blank lines. CR LF and LF end a line
// and a lone CR is part of its line, except in a file without any LF, whose
// lines end with CR.
DiaryReadResult ParseDiary(const QByteArray &bytes);

// The exact bytes of a diary holding these records.
QByteArray FormatDiary(const UnvisibleList &records);

// Reads the file: Missing (an empty diary), Read, or Failed with the reason.
[[nodiscard]] DiaryReadResult ReadDiaryFile(const QString &path);

// Replaces the file through QSaveFile: the old file stays whole unless the new
// one is complete.
[[nodiscard]] codec::FileError WriteDiaryFile(const QString &path, const UnvisibleList &records);

} // namespace diary
