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
    QString stored;
    stored.reserve(text.size() + text.count(u'\n'));
    codec::LineWalker lines(text, codec::LineEnds::AnyBreak);
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
