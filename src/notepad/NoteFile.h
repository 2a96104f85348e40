#pragma once

#include <QByteArray>
#include <QString>

#include "codec/FileIO.h"

// The notepad file note.txt: the text exactly, Windows-1251, lines separated
// by CR LF, nothing added after the last line.
namespace notepad {

inline const QString NoteFileName = QStringLiteral("note.txt");

// The largest note that is loaded; a text box holding more is of no use.
inline constexpr qint64 NoteFileLimit = qint64(16) * 1024 * 1024;

// The text held by the file's bytes, lines separated by '\n' as a text box
// keeps them. CR LF, a lone CR and a lone LF all end a line.
QString NoteTextFromBytes(const QByteArray &bytes);

// The bytes that store a text box's text ('\n' becomes CR LF).
QByteArray NoteBytesFromText(const QString &text);

struct NoteReadResult {
    // Missing: an empty notepad. Failed: the file is there but could not be
    // read; a save must not overwrite it.
    codec::ReadStatus status = codec::ReadStatus::Missing;
    QString text;
    codec::FileError error;
};

[[nodiscard]] NoteReadResult LoadNoteFile(const QString &path);

} // namespace notepad
