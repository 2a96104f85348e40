#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "diary/DiaryRecord.h"

// The diary file tolvik.dat: four CR LF lines a record, Windows-1251.
//   line 1: date, one space, time
//   line 2: msg
//   line 3: launch_file
//   line 4: param_str
// An empty field is written as "(null)"; a diary without records is 0 bytes.
namespace diary {

inline const QString DiaryFileName = QStringLiteral("tolvik.dat");

struct DiaryReadResult {
    UnvisibleList records;
    // Set when the file is empty, missing, or starts with a line end: such a
    // diary shows no rows.
    bool diaryEmpty = true;
    // Date texts that are not dates. Their records are still in `records`,
    // without a reversdate, so a rewrite keeps them.
    QStringList badDates;
};

// Parses the bytes of a diary file. Never fails and never drops a record that
// follows a bad one; CR LF, lone CR and lone LF all end a line.
DiaryReadResult ParseDiary(const QByteArray &bytes);

// The exact bytes of a diary holding these records.
QByteArray FormatDiary(const UnvisibleList &records);

// Reads the file; a missing or unreadable file is an empty diary.
DiaryReadResult ReadDiaryFile(const QString &path);

// Replaces the file through QSaveFile: the old file stays whole unless the new
// one is complete. Returns an empty text on success, else the reason.
QString WriteDiaryFile(const QString &path, const UnvisibleList &records);

} // namespace diary
