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

OptionsState OptionsStateFromString(const QString &options)
{
    OptionsState state;
    const QChar start = OptionAt(options, 1);
    if (start == u'0')
        state.runToTray = false;
    else if (start == u'1')
        state.runToTray = true;
    else if (start == u'2')
        state.onlyIfToday = true;

    const auto applySwitch = [&options](int position, bool &box) {
        const QChar c = OptionAt(options, position);
        if (c == u'0' || c == u'1')
            box = c == u'1';
    };
    applySwitch(2, state.singleClickRestore);
    applySwitch(3, state.stayOnTop);
    const QChar language = OptionAt(options, 4);
    if (language == u'0' || language == u'1')
        state.languageButton = language == u'1' ? 1 : 0;
    applySwitch(5, state.blackBorders);
    return state;
}

QString FormatOptionString(const OptionsState &state)
{
    const auto digit = [](bool on) { return on ? u'1' : u'0'; };
    QString options;
    options.reserve(5);
    if (state.runToTray && state.onlyIfToday)
        options += u'2';
    else
        options += digit(state.runToTray);
    options += digit(state.singleClickRestore);
    options += digit(state.stayOnTop);
    options += digit(state.languageButton == 1);
    options += digit(state.blackBorders);
    return options;
}

codec::FileError WriteOptionString(const QString &path, const OptionsState &state)
{
    return codec::SaveFileBytes(path, codec::ToAnsi(FormatOptionString(state)));
}

} // namespace settings
