#include "notepad/NoteFile.h"

#include "codec/Ansi.h"
#include "codec/Lines.h"

namespace notepad {

QString NoteTextFromBytes(const QByteArray &bytes)
{
    const QString stored = codec::FromAnsi(bytes);
    QString text;
    text.reserve(stored.size());
    codec::LineWalker lines(stored, codec::LineEnds::AnyBreak);
    while (!lines.atEnd()) {
        const codec::Line line = lines.next();
        text += line.text;
        if (line.closed)
            text += u'\n';
    }
    return text;
}

QByteArray NoteBytesFromText(const QString &text)
{
    // A text document's own raw text separates paragraphs with U+2029 (and
    // may hold U+2028); neither fits Windows-1251, and both are line ends.
    QString plain = text;
    plain.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    QString stored;
    stored.reserve(plain.size() + plain.count(u'\n'));
    codec::LineWalker lines(plain, codec::LineEnds::AnyBreak);
    while (!lines.atEnd()) {
        const codec::Line line = lines.next();
        stored += line.text;
        if (line.closed)
            stored += u"\r\n";
    }
    return codec::ToAnsi(stored);
}

NoteReadResult LoadNoteFile(const QString &path)
{
    codec::FileReadResult file = codec::ReadFileBytes(path, NoteFileLimit);
    NoteReadResult result{file.status, {}, std::move(file.error)};
    if (file.status == codec::ReadStatus::Read)
        result.text = NoteTextFromBytes(file.bytes);
    return result;
}

codec::FileError SaveNoteFile(const QString &path, const QString &text)
{
    return codec::SaveFileBytes(path, NoteBytesFromText(text));
}

} // namespace notepad
