#pragma once

#include <optional>

#include <QString>

#include "i18n/Texts.h"

// What the options line of tolvik.ini means, position by position (the line
// itself is read by OptionString.h):
//   1 start mode: '0' window shown, '1' in the tray, '2' in the tray unless
//     the diary has a record for today
//   2 tray restore: '0' double click, '1' single click
//   3 stay on top: '0' no, '1' yes
//   4 language: '0' Russian, '1' English
//   5 black borders: '0' no, '1' yes
namespace settings {

enum class StartMode { Window, Tray, TrayUnlessToday };

// The options a line holds. A position holding any other character is unset:
// the window then keeps the state its layout gives for that position.
struct Options {
    std::optional<StartMode> startMode;
    std::optional<bool> restoreOnSingleClick;
    std::optional<bool> stayOnTop;
    std::optional<i18n::Language> language;
    std::optional<bool> blackBorders;
};

// Decodes positions 1 to 5; a line shorter than five characters takes the
// default line's character for every missing position.
Options DecodeOptions(const QString &optionLine);

// Whether the program starts in the tray: start mode '1' always, '2' only
// when the today list is empty; otherwise (also unset) the window shows.
bool StartsInTray(const Options &options, int todayRowCount);

} // namespace settings
