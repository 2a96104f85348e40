#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// The notepad file note.txt: the text exactly, Windows-1251, lines separated
// by CR LF, nothing added after the last line.
namespace notepad {

inline const QString NoteFileName = QStringLiteral("note.txt");

// The text held by the file's bytes, lines separated by '\n' as a text box
// keeps them. CR LF, a lone CR and a lone LF all end a line.
QString NoteTextFromBytes(const QByteArray &bytes);

// The bytes that store a text box's text ('\n' becomes CR LF).
QByteArray NoteBytesFromText(const QString &text);

// The text of the file, or nothing when it cannot be opened for reading.
std::optional<QString> LoadNoteFile(const QString &path);

} // namespace notepad
