#include "settings/Options.h"

#include "settings/OptionString.h"

namespace settings {
namespace {

std::optional<bool> Switch(QChar value)
{
    if (value == u'0')
        return false;
    if (value == u'1')
        return true;
    return std::nullopt;
}

std::optional<StartMode> StartModeOf(QChar value)
{
    if (value == u'0')
        return StartMode::Window;
    if (value == u'1')
        return StartMode::Tray;
    if (value == u'2')
        return StartMode::TrayUnlessToday;
    return std::nullopt;
}

std::optional<i18n::Language> LanguageOf(QChar value)
{
    if (value == u'0')
        return i18n::Russian;
    if (value == u'1')
        return i18n::English;
    return std::nullopt;
}

} // namespace

Options DecodeOptions(const QString &optionLine)
{
    Options options;
    options.startMode = StartModeOf(OptionAt(optionLine, 1));
    options.restoreOnSingleClick = Switch(OptionAt(optionLine, 2));
    options.stayOnTop = Switch(OptionAt(optionLine, 3));
    options.language = LanguageOf(OptionAt(optionLine, 4));
    options.blackBorders = Switch(OptionAt(optionLine, 5));
    return options;
}

bool StartsInTray(const Options &options, int todayRowCount)
{
    if (options.startMode == StartMode::Tray)
        return true;
    if (options.startMode == StartMode::TrayUnlessToday)
        return todayRowCount == 0;
    return false;
}

} // namespace settings
