#pragma once

#include <QByteArray>
#include <QString>

#include "codec/FileIO.h"

// The options line of tolvik.ini: five characters, one a position, counted from 1.
//   1 start mode: '0' window shown, '1' in the tray, '2' in the tray unless
//     the diary has a record for today
//   2 tray restore: '0' double click, '1' single click
//   3 stay on top: '0' no, '1' yes
//   4 language: '0' Russian, '1' English
//   5 black borders: '0' no, '1' yes
namespace settings {

inline const QString OptionsFileName = QStringLiteral("tolvik.ini");
inline const QString DefaultOptionString = QStringLiteral("10110");

// The program writes five bytes; a larger file is not an options file.
inline constexpr qint64 OptionsFileLimit = qint64(1) * 1024 * 1024;

// The options line held by the file's bytes: its last line (a file written by
// the program has just one), every character up to the next line feed. A CR
// before the LF belongs to the line end; any other CR is an ordinary
// character, except in a file without any LF, whose lines end with CR. A line
// shorter than five characters takes the default's character for every
// missing position; a longer one keeps its extra characters, which nothing reads.
QString ParseOptionString(const QByteArray &fileBytes);

struct OptionsReadResult {
    // Missing and Failed both give the default line. Failed also says why,
    // and then nothing may write the file.
    codec::ReadStatus status = codec::ReadStatus::Missing;
    QString options;
    codec::FileError error;
};

// Reads tolvik.ini.
[[nodiscard]] OptionsReadResult ReadOptionString(const QString &path);

// The character at a position counted from 1; the default's character when
// the line is shorter.
QChar OptionAt(const QString &options, int position);

// The Options page's controls, as far as the options line is concerned. The
// defaults are the page as the layout creates it.
struct OptionsState {
    bool runToTray = true;           // LMDCheckBox1
    bool onlyIfToday = false;        // LMDCheckBox5's mark, which counts only with runToTray
    bool singleClickRestore = false; // LMDCheckBox2
    bool stayOnTop = true;           // LMDCheckBox3
    int languageButton = -1;         // selected button of LMDRadioGroup1: 0 Russian, 1 English, -1 none
    bool blackBorders = false;       // LMDCheckBox6

    bool operator==(const OptionsState &other) const
    {
        return runToTray == other.runToTray && onlyIfToday == other.onlyIfToday &&
               singleClickRestore == other.singleClickRestore && stayOnTop == other.stayOnTop &&
               languageButton == other.languageButton && blackBorders == other.blackBorders;
    }
};

// The page after a line was applied to the layout's page at start-up: a
// position holding a character it does not know leaves its controls as the
// layout made them. '2' at position 1 marks LMDCheckBox5 and leaves LMDCheckBox1
// as it is.
OptionsState OptionsStateFromString(const QString &options);

// The five characters a save writes from the page, every position from the
// controls' state: position 1 '2' only when both start boxes are checked, and
// '0' at position 4 unless English is selected.
QString FormatOptionString(const OptionsState &state);

// Replaces tolvik.ini through QSaveFile with exactly those five bytes.
[[nodiscard]] codec::FileError WriteOptionString(const QString &path, const OptionsState &state);

} // namespace settings
