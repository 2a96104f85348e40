#pragma once

#include <QByteArray>
#include <QString>

#include "codec/FileIO.h"
#include "phonebook/PhoneEntry.h"

// The phone book file phones.dat: three CR LF lines an entry, Windows-1251.
//   line 1: name
//   line 2: phones
//   line 3: address
// Every line is closed by its line end, the last one included; an empty text
// is written as "(null)" and a line that is exactly "(null)" reads as empty.
// A book without entries is 0 bytes.
namespace phonebook {

inline const QString PhoneBookFileName = QStringLiteral("phones.dat");

// The text the file holds in place of an empty field.
inline const QString NullText = QStringLiteral("(null)");

// The largest book that is read. A book typed by hand stays far below a
// megabyte (100,000 entries are about 8 MB); the limit only keeps a stray
// huge file from taking the machine's memory.
inline constexpr qint64 PhoneBookFileLimit = qint64(64) * 1024 * 1024;

struct PhoneBookReadResult {
    // Missing is an empty book (the caller creates the empty file). Failed
    // means the file is there but could not be read: `entries` is empty and
    // nothing may rewrite the file until a later read succeeds.
    codec::ReadStatus status = codec::ReadStatus::Missing;
    codec::FileError error;
    PhoneBook entries;
    // A last line that the end of the file cut off before its line end is
    // not taken into the book; its text is kept here so the caller can tell
    // the user that a rewrite will not hold it. Empty when every line was closed.
    QString cutOffLine;
};

// Parses the bytes of a phone book: the closed lines three to an entry. CR LF
// and LF end a line and a lone CR is part of its line, except in a file
// without any LF, whose lines end with CR. An entry cut short by the end of
// the file keeps its name (and phones) and has the missing fields empty, so a
// rewrite stores it whole. Never fails.
PhoneBookReadResult ParsePhoneBook(const QByteArray &bytes);

// The exact bytes of a book holding these entries. A line feed inside a field
// cannot be stored in a line of the file and is written as a blank; characters
// Windows-1251 cannot hold become '?'.
QByteArray FormatPhoneBook(const PhoneBook &entries);

// Reads the file: Missing (an empty book), Read, or Failed with the reason.
[[nodiscard]] PhoneBookReadResult ReadPhoneBookFile(const QString &path);

// Replaces the file through QSaveFile: the old file stays whole unless the new
// one is complete. An empty book makes a file of 0 bytes.
[[nodiscard]] codec::FileError WritePhoneBookFile(const QString &path, const PhoneBook &entries);

} // namespace phonebook
