#include "notepad/NoteFile.h"

#include <QFile>

#include "codec/Ansi.h"

namespace notepad {

QString NoteTextFromBytes(const QByteArray &bytes)
{
    QString text = codec::FromAnsi(bytes);
    // CR LF first, so that its CR is not taken for a lone one.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QByteArray NoteBytesFromText(const QString &text)
{
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return codec::ToAnsi(stored);
}

std::optional<QString> LoadNoteFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return NoteTextFromBytes(file.readAll());
}

} // namespace notepad
