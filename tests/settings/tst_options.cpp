#include <QTest>

#include "settings/OptionString.h"
#include "settings/Options.h"

using settings::Options;
using settings::OptionsState;
using settings::StartMode;

Q_DECLARE_METATYPE(settings::Options)
Q_DECLARE_METATYPE(settings::OptionsState)

namespace {

Options Decoded(std::optional<StartMode> start, std::optional<bool> singleClick, std::optional<bool> onTop,
                std::optional<i18n::Language> language, std::optional<bool> black)
{
    Options options;
    options.startMode = start;
    options.restoreOnSingleClick = singleClick;
    options.stayOnTop = onTop;
    options.language = language;
    options.blackBorders = black;
    return options;
}

OptionsState State(bool tray, bool onlyWithToday, bool singleClick, bool onTop, bool english, bool black)
{
    return OptionsState{tray, onlyWithToday, singleClick, onTop, english ? 1 : 0, black};
}

} // namespace

// The meaning of the options line, and the line the Options page stores.
class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void startsInTray_data();
    void startsInTray();
};

void TestOptions::decode_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Options>("options");
    const auto none = std::nullopt;
    const auto ru = i18n::Russian;
    const auto en = i18n::English;

    QTest::newRow("default: tray, double click, on top, English, blue")
        << "10110" << Decoded(StartMode::Tray, false, true, en, false);
    QTest::newRow("everything off") << "00000" << Decoded(StartMode::Window, false, false, ru, false);
    QTest::newRow("everything on") << "21111" << Decoded(StartMode::TrayUnlessToday, true, true, en, true);
    QTest::newRow("unknown start mode is unset") << "30110" << Decoded(none, false, true, en, false);
    QTest::newRow("'2' is no switch") << "12222" << Decoded(StartMode::Tray, none, none, none, none);
    QTest::newRow("unknown language is unset") << "00170" << Decoded(StartMode::Window, false, true, none, false);
    QTest::newRow("letters and blanks are unset") << "a b c" << Decoded(none, none, none, none, none);
    QTest::newRow("short line: default characters") << "0" << Decoded(StartMode::Window, false, true, en, false);
    QTest::newRow("empty line: the default") << "" << Decoded(StartMode::Tray, false, true, en, false);
    QTest::newRow("characters after five are not read")
        << "00001xyz" << Decoded(StartMode::Window, false, false, ru, true);
}

void TestOptions::decode()
{
    QFETCH(QString, line);
    QFETCH(Options, options);
    const Options decoded = settings::DecodeOptions(line);
    QCOMPARE(decoded.startMode, options.startMode);
    QCOMPARE(decoded.restoreOnSingleClick, options.restoreOnSingleClick);
    QCOMPARE(decoded.stayOnTop, options.stayOnTop);
    QCOMPARE(decoded.language, options.language);
    QCOMPARE(decoded.blackBorders, options.blackBorders);
}

void TestOptions::encode_data()
{
    QTest::addColumn<OptionsState>("state");
    QTest::addColumn<QString>("line");

    QTest::newRow("the layout with English") << State(true, false, false, true, true, false) << "10110";
    QTest::newRow("window shown ignores the checked second box")
        << State(false, true, false, true, true, false) << "00110";
    QTest::newRow("tray unless today") << State(true, true, false, false, false, false) << "20000";
    QTest::newRow("single click") << State(true, false, true, false, false, false) << "11000";
    QTest::newRow("Russian or no language chosen") << State(false, false, false, false, false, false) << "00000";
    QTest::newRow("black borders") << State(false, false, false, false, false, true) << "00001";
}

void TestOptions::encode()
{
    QFETCH(OptionsState, state);
    QTEST(settings::FormatOptionString(state), "line");
}

void TestOptions::startsInTray_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("todayRows");
    QTest::addColumn<bool>("inTray");

    QTest::newRow("'1' with an empty day") << "10110" << 0 << true;
    QTest::newRow("'1' with records today") << "10110" << 3 << true;
    QTest::newRow("'2' with an empty day") << "20110" << 0 << true;
    QTest::newRow("'2' with a record today") << "20110" << 1 << false;
    QTest::newRow("'0'") << "00110" << 0 << false;
    QTest::newRow("unknown character: the window shows") << "70110" << 0 << false;
}

void TestOptions::startsInTray()
{
    QFETCH(QString, line);
    QFETCH(int, todayRows);
    QTEST(settings::StartsInTray(settings::DecodeOptions(line), todayRows), "inTray");
}

QTEST_APPLESS_MAIN(TestOptions)
#include "tst_options.moc"
