#include <algorithm>
#include <cerrno>
#include <set>
#include <tuple>

#include <QDateTime>
#include <QRegularExpression>
#include <QtTest>

#include "i18n/Texts.h"

using i18n::English;
using i18n::Language;
using i18n::Property;
using i18n::Russian;

Q_DECLARE_METATYPE(i18n::Language)
Q_DECLARE_METATYPE(i18n::Property)

namespace {

const i18n::TextEntry *Find(const QString &target, Property property, int index)
{
    for (const i18n::TextEntry &entry : i18n::TextTable())
        if (QLatin1String(entry.target) == target && entry.property == property && entry.index == index)
            return &entry;
    return nullptr;
}

int LeadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == u' ')
        ++n;
    return n;
}

int TrailingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n) == u' ')
        ++n;
    return n;
}

// The texts whose outer blanks are part of the text, with their counts.
struct Padding {
    const char *rowName;
    const char *target;
    Property property;
    int index;
    Language language;
    int leading;
    int trailing;
};

const std::vector<Padding> &PaddedTexts()
{
    static const std::vector<Padding> padded = {
        {"ru RzBmpButton1", "RzBmpButton1", Property::Caption, 0, Russian, 5, 0},
        {"ru RzBmpButton2", "RzBmpButton2", Property::Caption, 0, Russian, 5, 0},
        {"ru RzBmpButton3", "RzBmpButton3", Property::Caption, 0, Russian, 5, 0},
        {"ru RzBmpButton4", "RzBmpButton4", Property::Caption, 0, Russian, 5, 0},
        {"ru RzBmpButton8", "RzBmpButton8", Property::Caption, 0, Russian, 5, 0},
        {"ru RzBmpButton7", "RzBmpButton7", Property::Caption, 0, Russian, 6, 0},
        {"en RzBmpButton1", "RzBmpButton1", Property::Caption, 0, English, 3, 0},
        {"en RzBmpButton2", "RzBmpButton2", Property::Caption, 0, English, 3, 0},
        {"en RzBmpButton3", "RzBmpButton3", Property::Caption, 0, English, 3, 0},
        {"en RzBmpButton4", "RzBmpButton4", Property::Caption, 0, English, 3, 0},
        {"en RzBmpButton7", "RzBmpButton7", Property::Caption, 0, English, 2, 0},
        {"en RzBmpButton8", "RzBmpButton8", Property::Caption, 0, English, 2, 0},
        {"en page 0", "TabSheet1", Property::PageCaption, 0, English, 4, 4},
        {"en page 1", "TabSheet2", Property::PageCaption, 1, English, 2, 2},
        {"en page 2", "TabSheet5", Property::PageCaption, 2, English, 3, 3},
        {"en page 3", "TabSheet3", Property::PageCaption, 3, English, 1, 1},
        {"en page 4", "TabSheet6", Property::PageCaption, 4, English, 3, 3},
        {"en page 5", "TabSheet7", Property::PageCaption, 5, English, 1, 1},
        {"en page 6", "TabSheet4", Property::PageCaption, 6, English, 1, 1},
        {"en Label16", "Label16", Property::Caption, 0, English, 1, 0},
        {"ru bare title", "Label9", Property::TitleLabel, 0, Russian, 0, 1},
        {"en bare title", "Label9", Property::TitleLabel, 0, English, 0, 1},
        {"ru Label10", "Label10", Property::Caption, 0, Russian, 0, 1},
        {"en Label10", "Label10", Property::Caption, 0, English, 0, 1},
        {"ru Label21", "Label21", Property::Caption, 0, Russian, 0, 1},
        {"en Label21", "Label21", Property::Caption, 0, English, 0, 1},
    };
    return padded;
}

bool IsPadded(const i18n::TextEntry &entry, Language language)
{
    for (const Padding &p : PaddedTexts())
        if (QLatin1String(p.target) == QLatin1String(entry.target) && p.property == entry.property &&
            p.index == entry.index && p.language == language)
            return true;
    return false;
}

const QRegularExpression &EntryHeader()
{
    // "[h:mm dd.MM.yyyy] text" or, for two entries, "[dd.MM.yyyy] text".
    static const QRegularExpression header(QStringLiteral(R"(^\[(?:(\d{1,2}:\d{2}) )?(\d{2}\.\d{2}\.\d{4})\] \S.*$)"));
    return header;
}

} // namespace

class TstTexts : public QObject {
    Q_OBJECT

private slots:
    void tableHasOneRowPerTarget();
    void indexedTargetsAreComplete_data();
    void indexedTargetsAreComplete();
    void singleTextTargetsAreKnownControls();
    void bothLanguagesAreFilled();
    void paddedTextsKeepTheirBlanks_data();
    void paddedTextsKeepTheirBlanks();
    void noOtherTextHasOuterBlanks();
    void graveAccentsOnlyWhereWritten();
    void spotChecks_data();
    void spotChecks();
    void languageValues_data();
    void languageValues();
    void historyHeadAndRule();
    void historyChangeLogStructure();
    void badDateMessage_data();
    void badDateMessage();
    void writeFailedMessage_data();
    void writeFailedMessage();
    void startMessages_data();
    void startMessages();
};

void TstTexts::tableHasOneRowPerTarget()
{
    const auto &table = i18n::TextTable();
    std::set<std::tuple<QString, Property, int>> seen;
    for (const i18n::TextEntry &entry : table) {
        const bool inserted = seen.emplace(QLatin1String(entry.target), entry.property, entry.index).second;
        QVERIFY2(inserted, entry.target);
    }
}

void TstTexts::indexedTargetsAreComplete_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Property>("property");
    QTest::addColumn<QList<int>>("indexes");

    // Page captions: each page under its own name, at its index in the page control.
    QTest::newRow("page Records") << "TabSheet1" << Property::PageCaption << QList<int>{0};
    QTest::newRow("page Add") << "TabSheet2" << Property::PageCaption << QList<int>{1};
    QTest::newRow("page Options") << "TabSheet5" << Property::PageCaption << QList<int>{2};
    QTest::newRow("page Reminder") << "TabSheet3" << Property::PageCaption << QList<int>{3};
    QTest::newRow("page Notepad") << "TabSheet6" << Property::PageCaption << QList<int>{4};
    QTest::newRow("page Phones") << "TabSheet7" << Property::PageCaption << QList<int>{5};
    QTest::newRow("page History") << "TabSheet4" << Property::PageCaption << QList<int>{6};
    QTest::newRow("filter entries") << "RzLineComboBox1" << Property::ComboItem << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("record columns") << "RzListView1" << Property::ColumnCaption << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("phone columns") << "RzListView2" << Property::ColumnCaption << QList<int>{0, 1, 2};
    QTest::newRow("tray menu") << "PopupMenu1" << Property::MenuItem << QList<int>{0, 1, 2};
    QTest::newRow("record menu") << "PopupMenu2" << Property::MenuItem << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("phone menu") << "PopupMenu3" << Property::MenuItem << QList<int>{0, 1, 2, 3, 4};
}

void TstTexts::indexedTargetsAreComplete()
{
    QFETCH(QString, target);
    QFETCH(Property, property);
    QFETCH(QList<int>, indexes);

    QList<int> found;
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        if (QLatin1String(entry.target) != target)
            continue;
        QVERIFY(entry.property == property);
        found << entry.index;
    }
    std::sort(found.begin(), found.end());
    QCOMPARE(found, indexes);
}

void TstTexts::singleTextTargetsAreKnownControls()
{
    const QStringList captioned = {
        QStringLiteral("Label2"),       QStringLiteral("Label3"),        QStringLiteral("Label4"),
        QStringLiteral("Label10"),      QStringLiteral("Label12"),       QStringLiteral("Label13"),
        QStringLiteral("Label14"),      QStringLiteral("Label15"),       QStringLiteral("Label16"),
        QStringLiteral("Label17"),      QStringLiteral("Label18"),       QStringLiteral("Label19"),
        QStringLiteral("Label20"),      QStringLiteral("Label21"),       QStringLiteral("LMDCheckBox1"),
        QStringLiteral("LMDCheckBox2"), QStringLiteral("LMDCheckBox3"),  QStringLiteral("LMDCheckBox4"),
        QStringLiteral("LMDCheckBox5"), QStringLiteral("LMDCheckBox6"),  QStringLiteral("LMDCheckBox8"),
        QStringLiteral("LMDCheckBox9"), QStringLiteral("LMDCheckBox10"), QStringLiteral("RzBmpButton1"),
        QStringLiteral("RzBmpButton2"), QStringLiteral("RzBmpButton3"),  QStringLiteral("RzBmpButton4"),
        QStringLiteral("RzBmpButton7"), QStringLiteral("RzBmpButton8"),
    };
    const QStringList hinted = {QStringLiteral("Label21"),       QStringLiteral("RzSpinEdit1"),
                                QStringLiteral("RzSpinEdit2"),   QStringLiteral("LMDCheckBox9"),
                                QStringLiteral("LMDCheckBox10"), QStringLiteral("RzBmpButton7")};
    const QList<std::pair<QString, Property>> once = {
        {QStringLiteral("Form1"), Property::WindowTitle},
        {QStringLiteral("Application"), Property::ApplicationTitle},
        {QStringLiteral("RzTrayIcon1"), Property::TrayHint},
        {QStringLiteral("Label9"), Property::TitleLabel},
        {QStringLiteral("OpenDialog1"), Property::DialogTitle},
    };

    // The targets with several entries, each checked by indexedTargetsAreComplete.
    const QStringList indexedTargets = {
        QStringLiteral("TabSheet1"),   QStringLiteral("TabSheet2"),       QStringLiteral("TabSheet5"),
        QStringLiteral("TabSheet3"),   QStringLiteral("TabSheet6"),       QStringLiteral("TabSheet7"),
        QStringLiteral("TabSheet4"),   QStringLiteral("RzLineComboBox1"), QStringLiteral("RzListView1"),
        QStringLiteral("RzListView2"), QStringLiteral("PopupMenu1"),      QStringLiteral("PopupMenu2"),
        QStringLiteral("PopupMenu3"),
    };

    int captions = 0, hints = 0, singles = 0;
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        const QString target = QLatin1String(entry.target);
        if (entry.property == Property::Caption) {
            QVERIFY2(captioned.contains(target), entry.target);
            ++captions;
        } else if (entry.property == Property::Hint) {
            QVERIFY2(hinted.contains(target), entry.target);
            ++hints;
        } else if (once.contains({target, entry.property})) {
            ++singles;
        } else {
            // Pages, filter entries, columns and menu items.
            QVERIFY2(entry.property == Property::PageCaption || entry.property == Property::ComboItem ||
                         entry.property == Property::ColumnCaption || entry.property == Property::MenuItem,
                     entry.target);
            QVERIFY2(indexedTargets.contains(target), entry.target);
            continue;
        }
        QCOMPARE(entry.index, 0);
    }
    QCOMPARE(captions, captioned.size());
    QCOMPARE(hints, hinted.size());
    QCOMPARE(singles, once.size());
}

void TstTexts::bothLanguagesAreFilled()
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        const QByteArray where = QByteArray(entry.target) + ' ' + QByteArray::number(entry.index);
        QVERIFY2(!entry.russian.trimmed().isEmpty(), where);
        QVERIFY2(!entry.english.trimmed().isEmpty(), where);
        QVERIFY2(entry.russian.contains(cyrillic), where);
        for (const QChar c : entry.english)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, where);
        QCOMPARE(entry.text(Russian), entry.russian);
        QCOMPARE(entry.text(English), entry.english);
    }
}

void TstTexts::paddedTextsKeepTheirBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("leading");
    QTest::addColumn<int>("trailing");
    for (const Padding &p : PaddedTexts()) {
        const i18n::TextEntry *entry = Find(QLatin1String(p.target), p.property, p.index);
        QVERIFY2(entry, p.rowName);
        QTest::newRow(p.rowName) << entry->text(p.language) << p.leading << p.trailing;
    }
    QTest::newRow("ru today prefix") << i18n::TodayPrefix(Russian) << 0 << 1;
    QTest::newRow("en today prefix") << i18n::TodayPrefix(English) << 0 << 1;
}

void TstTexts::paddedTextsKeepTheirBlanks()
{
    QFETCH(QString, text);
    QFETCH(int, leading);
    QFETCH(int, trailing);
    QCOMPARE(LeadingBlanks(text), leading);
    QCOMPARE(TrailingBlanks(text), trailing);
    QVERIFY(!text.trimmed().contains(QLatin1String("  ")));
}

void TstTexts::noOtherTextHasOuterBlanks()
{
    for (const i18n::TextEntry &entry : i18n::TextTable())
        for (const Language language : {Russian, English})
            if (!IsPadded(entry, language))
                QVERIFY2(entry.text(language) == entry.text(language).trimmed(),
                         qPrintable(QLatin1String(entry.target) + QLatin1Char(' ') + entry.text(language)));
}

void TstTexts::graveAccentsOnlyWhereWritten()
{
    QStringList withGrave;
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        QVERIFY(!entry.russian.contains(u'`'));
        QVERIFY(!entry.english.contains(u'\''));
        if (entry.english.contains(u'`'))
            withGrave << entry.english;
    }
    QCOMPARE(withGrave, (QStringList{QStringLiteral("Don`t run to tray, if have entries for this day"),
                                     QStringLiteral("Black Flat Border`s"), QStringLiteral("note`s")}));
}

void TstTexts::spotChecks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Property>("property");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");

    QTest::newRow("window caption") << "Form1" << Property::WindowTitle << 0 << "Толвик"
                                    << "Tolvik";
    QTest::newRow("bare title") << "Label9" << Property::TitleLabel << 0 << "\"Толвик\" "
                                << "\"Tolvik\" ";
    QTest::newRow("file dialog") << "OpenDialog1" << Property::DialogTitle << 0 << "Выбор файла для запуска"
                                 << "Select File for Launch";
    QTest::newRow("add page") << "TabSheet2" << Property::PageCaption << 1 << "Добавить запись"
                              << "  Add new entry  ";
    QTest::newRow("filter all") << "RzLineComboBox1" << Property::ComboItem << 4 << "ВСЕ"
                                << "Show ALL";
    QTest::newRow("reversed date column") << "RzListView1" << Property::ColumnCaption << 5 << "Дата наоборот"
                                          << "ReversDate";
    QTest::newRow("phone column") << "RzListView2" << Property::ColumnCaption << 1 << "Дом./Раб./Моб. Телефон"
                                  << "Home/Work/Mob.Phone #";
    QTest::newRow("restore by click") << "LMDCheckBox2" << Property::Caption << 0
                                      << "Востанавливать окно программы из трея одним щелчком"
                                      << "Restore window from tray by one click";
    QTest::newRow("read hint") << "RzBmpButton7" << Property::Hint << 0
                               << "нажмите для начала работы с телефонной книгой..."
                               << "press this button for start work with phonebook...";
    QTest::newRow("delete record") << "PopupMenu2" << Property::MenuItem << 3 << "Удалить эту запись"
                                   << "Delete this entry";
    QTest::newRow("column headers") << "PopupMenu3" << Property::MenuItem << 3 << "Показывать заголовки колонок"
                                    << "Show column headers";
    QTest::newRow("unload") << "PopupMenu1" << Property::MenuItem << 2 << "Выгрузить толвик"
                            << "exit";
}

void TstTexts::spotChecks()
{
    QFETCH(QString, target);
    QFETCH(Property, property);
    QFETCH(int, index);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    const i18n::TextEntry *entry = Find(target, property, index);
    QVERIFY(entry);
    QCOMPARE(entry->russian, russian);
    QCOMPARE(entry->english, english);
}

void TstTexts::languageValues_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("todayPrefix");
    QTest::addColumn<int>("spinEdit4Left");
    QTest::addColumn<int>("label17Left");
    QTest::addColumn<QString>("errorTitle");
    QTest::newRow("Russian") << Russian << "Сегодня: " << 158 << 198 << "Ошибка";
    QTest::newRow("English") << English << "Today: " << 96 << 135 << "Error";
}

void TstTexts::languageValues()
{
    QFETCH(Language, language);
    QFETCH(QString, todayPrefix);
    QFETCH(int, spinEdit4Left);
    QFETCH(int, label17Left);
    QFETCH(QString, errorTitle);
    QCOMPARE(i18n::TodayPrefix(language), todayPrefix);
    QCOMPARE(i18n::SpinEdit4Left(language), spinEdit4Left);
    QCOMPARE(i18n::Label17Left(language), label17Left);
    QCOMPARE(i18n::ErrorTitle(language), errorTitle);
}

void TstTexts::historyHeadAndRule()
{
    const QStringList &lines = i18n::HistoryLines();
    QCOMPARE(lines.size(), 77);
    QCOMPARE(lines.at(0), QStringLiteral("\"Tolvik for Windows ver.2\""));
    QCOMPARE(lines.at(1), QStringLiteral("платформа: Windows Me"));
    QCOMPARE(lines.at(2), QString());
    QCOMPARE(lines.at(3), QStringLiteral("без ограничений"));
    // The History text gives the same address as the mail link.
    QVERIFY(lines.mid(4, 15).contains(QStringLiteral("e-mail: ") + i18n::ContactAddress));
    QVERIFY(lines.mid(4, 15).contains(QStringLiteral("по адресу ") + i18n::ContactAddress));
    QVERIFY(lines.mid(4, 15).contains(QStringLiteral("автор: разработчики Толвика")));
    QCOMPARE(lines.at(19), QStringLiteral("[2:19 30.07.2003] программа в стадии разработки"));
    QCOMPARE(lines.at(53), QString(139, u'-'));
    QVERIFY(lines.at(54).startsWith(QLatin1Char('[')) && lines.at(54).endsWith(QStringLiteral("версия 2.0.0.0")));
    QCOMPARE(lines.at(72), QStringLiteral("[20:00 02.02.2004] версия 2.0.1.0"));
    for (int i = 73; i < 77; ++i)
        QVERIFY2(lines.at(i).startsWith(QLatin1String("- ")), qPrintable(lines.at(i)));
}

// Lines 20..77: entry headers oldest first, detail lines "- ...", and
// continuation lines indented by two blanks right after a detail.
void TstTexts::historyChangeLogStructure()
{
    const QStringList &lines = i18n::HistoryLines();
    QDateTime previous;
    int dateOnly = 0, entries = 0;
    bool afterDetail = false;
    for (int i = 19; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QByteArray where = QByteArray::number(i + 1) + ": " + line.toUtf8();
        if (i == 53)
            continue; // the rule before version 2
        const QRegularExpressionMatch header = EntryHeader().match(line);
        if (header.hasMatch()) {
            const QDate date = QDate::fromString(header.captured(2), QStringLiteral("dd.MM.yyyy"));
            const QTime time =
                header.capturedLength(1) ? QTime::fromString(header.captured(1), QStringLiteral("h:mm")) : QTime(0, 0);
            QVERIFY2(date.isValid() && time.isValid(), where);
            const QDateTime when(date, time);
            QVERIFY2(!previous.isValid() || previous <= when, where);
            previous = when;
            dateOnly += header.capturedLength(1) ? 0 : 1;
            ++entries;
            afterDetail = false;
        } else if (line.startsWith(QLatin1String("- ")) && line.size() > 2) {
            afterDetail = true;
        } else {
            QVERIFY2(afterDetail && line.startsWith(QLatin1String("  ")) && !line.trimmed().isEmpty(), where);
        }
    }
    QCOMPARE(dateOnly, 2);
    QVERIFY(entries >= 10);
    QVERIFY(lines.contains(QStringLiteral("- чёрная окантовка")));
}

void TstTexts::badDateMessage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QString>("message");

    const QStringList six = {"1", "2", "3", "4", "5", "6"};
    const QString forty = QString(40, u'9');
    QTest::newRow("ru one") << Russian << QStringList{"31.02.2004"}
                            << "Неверная дата в файле tolvik.dat (записей: 1): '31.02.2004'. Запись сохранена.";
    QTest::newRow("en one") << English << QStringList{"31.02.2004"}
                            << "Invalid date in 1 record of tolvik.dat: '31.02.2004'. The record is kept.";
    QTest::newRow("en two") << English << QStringList{"31.02.2004", "xx"}
                            << "Invalid date in 2 records of tolvik.dat: '31.02.2004', 'xx'. The records are kept.";
    QTest::newRow("en empty text") << English << QStringList{""}
                                   << "Invalid date in 1 record of tolvik.dat: ''. The record is kept.";
    QTest::newRow("ru five listed")
        << Russian << six.mid(0, 5)
        << "Неверная дата в файле tolvik.dat (записей: 5): '1', '2', '3', '4', '5'. Записи сохранены.";
    QTest::newRow("ru six cut") << Russian << six
                                << "Неверная дата в файле tolvik.dat (записей: 6): '1', '2', '3', '4', '5' …. "
                                   "Записи сохранены.";
    QTest::newRow("en six cut") << English << six
                                << "Invalid date in 6 records of tolvik.dat: '1', '2', '3', '4', '5' …. "
                                   "The records are kept.";
    QTest::newRow("en forty characters quoted whole")
        << English << QStringList{forty}
        << "Invalid date in 1 record of tolvik.dat: '" + forty + "'. The record is kept.";
    QTest::newRow("en a long date cut after forty")
        << English << QStringList{forty + "0123456789", "03.02.2004x"}
        << "Invalid date in 2 records of tolvik.dat: '" + forty + "…', '03.02.2004x'. The records are kept.";
    QTest::newRow("ru a line of a megabyte")
        << Russian << QStringList{QString(1 << 20, u'я')}
        << "Неверная дата в файле tolvik.dat (записей: 1): '" + QString(40, u'я') + "…'. Запись сохранена.";
    QTest::newRow("en a percent sign is no placeholder")
        << English << QStringList{"%1%2"} << "Invalid date in 1 record of tolvik.dat: '%1%2'. The record is kept.";
}

void TstTexts::badDateMessage()
{
    QFETCH(Language, language);
    QFETCH(QStringList, dates);
    QFETCH(QString, message);
    QCOMPARE(i18n::BadDateMessage(language, dates), message);
}

void TstTexts::writeFailedMessage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("ru") << Russian << "/data/tolvik.dat"
                        << "Не удалось записать файл \"/data/tolvik.dat\": No space left on device";
    QTest::newRow("en, percent in path") << English << "/data/%1 x/note.txt"
                                         << "Cannot write file \"/data/%1 x/note.txt\": No space left on device";
}

void TstTexts::writeFailedMessage()
{
    QFETCH(Language, language);
    QFETCH(QString, path);
    QFETCH(QString, message);
    QCOMPARE(i18n::WriteFailedMessage(language, path, QStringLiteral("No space left on device")), message);
}

void TstTexts::startMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("error"); // its system text stands in for "<sys>"
    QTest::addColumn<QString>("expected");

    const QString folder = QStringLiteral("/home/a/%1 x");
    const QString lock = folder + QStringLiteral("/tolvik.lock");
    // clang-format off
    QTest::newRow("en no space")    << i18n::SystemReason(English, ENOSPC)  << ENOSPC  << "no space left (<sys>)";
    QTest::newRow("ru over quota")  << i18n::SystemReason(Russian, EDQUOT)  << EDQUOT  << "нет места на диске (<sys>)";
    QTest::newRow("en missing")     << i18n::SystemReason(English, ENOENT)  << ENOENT  << "the folder is missing (<sys>)";
    QTest::newRow("ru not a folder") << i18n::SystemReason(Russian, ENOTDIR) << ENOTDIR << "на этом месте уже что-то есть (<sys>)";
    QTest::newRow("en exists")      << i18n::SystemReason(English, EEXIST)  << EEXIST  << "something is in the way (<sys>)";
    QTest::newRow("en a folder")    << i18n::SystemReason(English, EISDIR)  << EISDIR  << "something is in the way (<sys>)";
    QTest::newRow("en read-only")   << i18n::SystemReason(English, EROFS)   << EROFS   << "not allowed (<sys>)";
    QTest::newRow("ru no access")   << i18n::SystemReason(Russian, EACCES)  << EACCES  << "нет доступа (<sys>)";
    QTest::newRow("en other: the system's text alone") << i18n::SystemReason(English, EIO) << EIO << "<sys>";
    QTest::newRow("en unknown")     << i18n::SystemReason(English, 0)       << 0       << "unknown reason";
    QTest::newRow("ru unknown")     << i18n::SystemReason(Russian, 0)       << 0       << "причина неизвестна";
    QTest::newRow("en data folder") << i18n::DataFolderFailedMessage(English, folder, EEXIST) << EEXIST
        << "Cannot create the data folder \"/home/a/%1 x\": something is in the way (<sys>)";
    QTest::newRow("ru data folder") << i18n::DataFolderFailedMessage(Russian, folder, EACCES) << EACCES
        << "Не удалось создать папку данных \"/home/a/%1 x\": нет доступа (<sys>)";
    QTest::newRow("en lock")        << i18n::LockFailedMessage(English, lock, ENOSPC) << ENOSPC
        << "Cannot create the lock file \"/home/a/%1 x/tolvik.lock\": no space left (<sys>)";
    QTest::newRow("ru lock")        << i18n::LockFailedMessage(Russian, lock, 0) << 0
        << "Не удалось создать файл блокировки \"/home/a/%1 x/tolvik.lock\": причина неизвестна";
    QTest::newRow("en start")       << i18n::StartFailedMessage(English, "bad_alloc") << 0 << "Cannot start: bad_alloc";
    QTest::newRow("ru start")       << i18n::StartFailedMessage(Russian, "bad_alloc") << 0 << "Не удалось запустить: bad_alloc";
    QTest::newRow("en read-only folder") << i18n::ReadOnlyFolderMessage(English, folder) << 0
        << "The folder \"/home/a/%1 x\" cannot be written: the records are shown, but no change will be saved.";
    QTest::newRow("ru read-only folder") << i18n::ReadOnlyFolderMessage(Russian, folder) << 0
        << "В папку \"/home/a/%1 x\" нельзя записать: записи показаны, но изменения не сохранятся.";
    // clang-format on
}

void TstTexts::startMessages()
{
    QFETCH(QString, message);
    QFETCH(int, error);
    QFETCH(QString, expected);
    QCOMPARE(message, expected.replace(QLatin1String("<sys>"), qt_error_string(error)));
}

QTEST_GUILESS_MAIN(TstTexts)
#include "tst_texts.moc"
