#include "settings/OptionString.h"

#include "codec/Ansi.h"
#include "codec/Lines.h"

namespace settings {
namespace {

// Every line empties the options and its characters fill them, so the last
// line is left; after a final line end that is the empty line behind it.
QString LastLine(const QString &text)
{
    codec::LineWalker lines(text);
    codec::Line last{{}, true};
    while (!lines.atEnd())
        last = lines.next();
    return last.closed ? QString() : last.text.toString();
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

OptionsReadResult ReadOptionString(const QString &path)
{
    codec::FileReadResult file = codec::ReadFileBytes(path, OptionsFileLimit);
    OptionsReadResult result{file.status, DefaultOptionString, std::move(file.error)};
    if (file.status == codec::ReadStatus::Read)
        result.options = ParseOptionString(file.bytes);
    return result;
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
