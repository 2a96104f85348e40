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

// The bytes that store a text box's text: every line end ('\n', and a CR LF,
// lone CR, U+2029 or U+2028 a caller may hand in) becomes CR LF, and nothing
// is added after the last line. Take a QTextDocument's toRawText(), not
// toPlainText(), which turns a no-break space (0xA0 in the file) into a blank.
QByteArray NoteBytesFromText(const QString &text);

struct NoteReadResult {
    // Missing: an empty notepad. Failed: the file is there but could not be
    // read; a save must not overwrite it.
    codec::ReadStatus status = codec::ReadStatus::Missing;
    QString text;
    codec::FileError error;
};

// Reads note.txt; a file larger than NoteFileLimit is Failed (TooBig), never
// a part of it.
[[nodiscard]] NoteReadResult LoadNoteFile(const QString &path);

// Replaces note.txt through QSaveFile with the text's bytes; an empty text
// makes a file of 0 bytes.
[[nodiscard]] codec::FileError SaveNoteFile(const QString &path, const QString &text);

} // namespace notepad
