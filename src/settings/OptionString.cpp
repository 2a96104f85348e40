#include "settings/OptionString.h"

#include <algorithm>

#include <QFile>

#include "codec/Ansi.h"

namespace settings {
namespace {

// The text after the last line end; CR LF needs no special case because its
// LF is the later of the two characters.
QString LastLine(const QString &text)
{
    const qsizetype lastEnd = std::max(text.lastIndexOf(QLatin1Char('\n')), text.lastIndexOf(QLatin1Char('\r')));
    return text.mid(lastEnd + 1);
}

} // namespace

QString ParseOptionString(const QByteArray &fileBytes)
{
    QString options = LastLine(codec::FromAnsi(fileBytes));
    // An empty or cut-off line would leave positions unset; the default fills them.
    for (qsizetype i = options.size(); i < DefaultOptionString.size(); ++i)
        options += DefaultOptionString.at(i);
    return options;
}

QString ReadOptionString(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return DefaultOptionString;
    return ParseOptionString(file.readAll());
}

QChar OptionAt(const QString &options, int position)
{
    const qsizetype i = position - 1;
    if (i < 0)
        return {};
    if (i < options.size())
        return options.at(i);
    if (i < DefaultOptionString.size())
        return DefaultOptionString.at(i);
    return {};
}

} // namespace settings
