#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "../support/FileResults.h"
#include "settings/OptionString.h"

Q_DECLARE_METATYPE(settings::OptionsState)

class TstOptionString : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void readFromFile_data();
    void readFromFile();
    void unreadableFileGivesDefault_data();
    void unreadableFileGivesDefault();
    void oddBytesDoNotBreakTheLine();
    void optionAt_data();
    void optionAt();
    void format_data();
    void format();
    void stateFromLine_data();
    void stateFromLine();
    void writeFile_data();
    void writeFile();

private:
    QTemporaryDir m_dir;
};

void TstOptionString::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("options");

    QTest::newRow("default as written") << QByteArray("10110") << "10110";
    QTest::newRow("shown, Russian") << QByteArray("00110") << "00110";
    QTest::newRow("tray unless today") << QByteArray("21011") << "21011";
    QTest::newRow("unknown character kept") << QByteArray("10170") << "10170";
    QTest::newRow("empty file") << QByteArray() << "10110";
    QTest::newRow("ends with CR LF") << QByteArray("01001\r\n") << "10110";
    QTest::newRow("ends with LF") << QByteArray("01001\n") << "10110";
    QTest::newRow("ends with lone CR") << QByteArray("01001\r") << "10110";
    QTest::newRow("LF lines, last wins") << QByteArray("00000\n11111\n01011") << "01011";
    QTest::newRow("CR LF lines, last wins") << QByteArray("00000\r\n11111\r\n01001") << "01001";
    QTest::newRow("lone CR lines, last wins") << QByteArray("00000\r11111\r00101") << "00101";
    QTest::newRow("lone CR in a file with LF is part of its line") << QByteArray("00000\n01\r10") << "01\r10";
    QTest::newRow("last line after CR LF keeps its lone CR") << QByteArray("11111\r\n0\r011") << "0\r011";
    QTest::newRow("one character") << QByteArray("0") << "00110";
    QTest::newRow("three characters") << QByteArray("011") << "01110";
    QTest::newRow("short last line") << QByteArray("01001\r\n2") << "20110";
    QTest::newRow("longer line kept whole") << QByteArray("1011011x") << "1011011x";
    QTest::newRow("blank kept as a character") << QByteArray(" 1") << " 1110";
    QTest::newRow("Cyrillic bytes") << QByteArray("\xC0\xE1") << "Аб110";
}

void TstOptionString::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, options);
    QCOMPARE(settings::ParseOptionString(bytes), options);
}

void TstOptionString::readFromFile_data()
{
    parse_data();
}

void TstOptionString::readFromFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, options);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(settings::OptionsFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    const settings::OptionsReadResult read = settings::ReadOptionString(path);
    QCOMPARE(read.status, codec::ReadStatus::Read);
    QCOMPARE(read.options, options);
}

void TstOptionString::unreadableFileGivesDefault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<qint64>("sparseSize"); // of a file made at the name; -1: none
    QTest::addColumn<codec::ReadStatus>("status");
    QTest::addColumn<codec::FileErrorKind>("kind");
    QTest::newRow("missing file") << "missing.ini"
                                  << "" << qint64(-1) << codec::ReadStatus::Missing << codec::FileErrorKind::None;
    QTest::newRow("folder in its place") << "folder.ini"
                                         << "folder.ini" << qint64(-1) << codec::ReadStatus::Failed
                                         << codec::FileErrorKind::InTheWay;
    QTest::newRow("larger than an options file may be")
        << "huge.ini"
        << "" << settings::OptionsFileLimit + 1 << codec::ReadStatus::Failed << codec::FileErrorKind::TooBig;
}

// Both give the default line; only a failure says why.
void TstOptionString::unreadableFileGivesDefault()
{
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QFETCH(qint64, sparseSize);
    QFETCH(codec::ReadStatus, status);
    QFETCH(codec::FileErrorKind, kind);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(name);
    if (!folder.isEmpty())
        QVERIFY(QDir(m_dir.path()).mkdir(folder));
    if (sparseSize >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(sparseSize));
    }
    const settings::OptionsReadResult read = settings::ReadOptionString(path);
    QCOMPARE(read.status, status);
    QCOMPARE(read.error.kind, kind);
    QCOMPARE(read.options, settings::DefaultOptionString);
}

void TstOptionString::oddBytesDoNotBreakTheLine()
{
    // A NUL, a byte the code page leaves undefined and the top byte.
    const QString options = settings::ParseOptionString(QByteArray("\x00\x98\xFF", 3));
    QCOMPARE(options.size(), 5);
    QCOMPARE(options.at(0), QChar(0));
    QCOMPARE(options.at(2), QChar(u'я'));
    QCOMPARE(options.mid(3), QStringLiteral("10"));
}

void TstOptionString::optionAt_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("position");
    QTest::addColumn<QChar>("character");

    QTest::newRow("first") << "21011" << 1 << QChar(u'2');
    QTest::newRow("language") << "00100" << 4 << QChar(u'0');
    QTest::newRow("unknown character") << "10170" << 4 << QChar(u'7');
    QTest::newRow("last") << "00001" << 5 << QChar(u'1');
    QTest::newRow("beyond a short line: default") << "0" << 4 << QChar(u'1');
    QTest::newRow("extra character of a long line") << "101101" << 6 << QChar(u'1');
    QTest::newRow("beyond five: nothing") << "10110" << 6 << QChar();
    QTest::newRow("position zero: nothing") << "10110" << 0 << QChar();
}

void TstOptionString::optionAt()
{
    QFETCH(QString, options);
    QFETCH(int, position);
    QFETCH(QChar, character);
    QCOMPARE(settings::OptionAt(options, position), character);
}

namespace {

using settings::OptionsState;

// The page as the layout makes it, changed by `edit`.
template <typename Edit> OptionsState Page(Edit edit)
{
    OptionsState state;
    edit(state);
    return state;
}

} // namespace

void TstOptionString::format_data()
{
    QTest::addColumn<OptionsState>("state");
    QTest::addColumn<QString>("options");

    QTest::newRow("tray, double click, on top, English, blue")
        << Page([](OptionsState &s) { s.languageButton = 1; }) << "10110";
    QTest::newRow("the layout's page, no language selected: Russian written") << OptionsState{} << "10100";
    QTest::newRow("Russian selected") << Page([](OptionsState &s) { s.languageButton = 0; }) << "10100";
    QTest::newRow("both start boxes") << Page([](OptionsState &s) { s.onlyIfToday = true; }) << "20100";
    QTest::newRow("mark on the disabled second box counts for nothing") << Page([](OptionsState &s) {
        s.runToTray = false;
        s.onlyIfToday = true;
    }) << "00100";
    QTest::newRow("every box off") << Page([](OptionsState &s) {
        s.runToTray = false;
        s.stayOnTop = false;
    }) << "00000";
    QTest::newRow("every box on, English") << Page([](OptionsState &s) {
        s.onlyIfToday = true;
        s.singleClickRestore = true;
        s.languageButton = 1;
        s.blackBorders = true;
    }) << "21111";
}

void TstOptionString::format()
{
    QFETCH(OptionsState, state);
    QFETCH(QString, options);
    QCOMPARE(settings::FormatOptionString(state), options);
}

void TstOptionString::stateFromLine_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<OptionsState>("state");
    QTest::addColumn<QString>("saved");

    QTest::newRow("default line") << "10110" << Page([](OptionsState &s) { s.languageButton = 1; }) << "10110";
    QTest::newRow("tray unless today") << "21011" << Page([](OptionsState &s) {
        s.onlyIfToday = true;
        s.singleClickRestore = true;
        s.stayOnTop = false;
        s.languageButton = 1;
        s.blackBorders = true;
    }) << "21011";
    QTest::newRow("shown, Russian") << "00100" << Page([](OptionsState &s) {
        s.runToTray = false;
        s.languageButton = 0;
    }) << "00100";
    QTest::newRow("unknown characters leave the layout's page") << "7x?9 " << OptionsState{} << "10100";
    QTest::newRow("unknown language only") << "00070" << Page([](OptionsState &s) {
        s.runToTray = false;
        s.stayOnTop = false;
    }) << "00000";
    QTest::newRow("short line takes the default's characters") << "0" << Page([](OptionsState &s) {
        s.runToTray = false;
        s.languageButton = 1;
    }) << "00110";
}

// The page after start-up, and what a save without any change writes: every
// character the page knows comes back at its place.
void TstOptionString::stateFromLine()
{
    QFETCH(QString, options);
    QFETCH(OptionsState, state);
    QFETCH(QString, saved);
    const OptionsState page = settings::OptionsStateFromString(options);
    QVERIFY(page == state);
    QCOMPARE(settings::FormatOptionString(page), saved);
}

void TstOptionString::writeFile_data()
{
    QTest::addColumn<OptionsState>("state");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("default, five bytes without a line end")
        << Page([](OptionsState &s) { s.languageButton = 1; }) << QByteArray("10110");
    QTest::newRow("tray unless today, black") << Page([](OptionsState &s) {
        s.onlyIfToday = true;
        s.blackBorders = true;
    }) << QByteArray("20101");
}

void TstOptionString::writeFile()
{
    QFETCH(OptionsState, state);
    QFETCH(QByteArray, bytes);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(settings::OptionsFileName);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("00000\r\n11111\r\n") > 0);
    old.close();
    QVERIFY(!settings::WriteOptionString(path, state).failed());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);

    // A folder in the file's place: the write says so and leaves it there.
    const QString taken = m_dir.filePath("taken.ini");
    QVERIFY(QDir(m_dir.path()).mkpath("taken.ini"));
    QCOMPARE(settings::WriteOptionString(taken, state).kind, codec::FileErrorKind::InTheWay);
    QVERIFY(QFileInfo(taken).isDir());
}

QTEST_GUILESS_MAIN(TstOptionString)
#include "tst_optionstring.moc"
