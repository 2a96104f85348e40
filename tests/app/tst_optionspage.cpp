#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QtTest>

#include "RecordTableModel.h"
#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatBorder.h"
#include "widgets/FlatControls.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"
#include "widgets/LinkLabel.h"

// The options line applied at start, black borders, and the two languages.
class TestOptionsPage : public QObject {
    Q_OBJECT

private slots:
    void optionsLine_data();
    void optionsLine();
    void blackBorders_data();
    void blackBorders();
    void everyTextFollowsTheTable_data();
    void everyTextFollowsTheTable();
    void titleDoesNotAccumulateVersion();
    void userChoiceSwitchesAndEnablesSave();
    void filterKeepsItsMeaning();
};

void TestOptionsPage::optionsLine_data()
{
    QTest::addColumn<QByteArray>("ini"); // "none": no file
    QTest::addColumn<QByteArray>("diary");
    QTest::addColumn<bool>("inTray");
    QTest::addColumn<bool>("box1");
    QTest::addColumn<bool>("box5Enabled");
    QTest::addColumn<bool>("box5");
    QTest::addColumn<bool>("box2");
    QTest::addColumn<bool>("box3");
    QTest::addColumn<int>("language"); // -1: none applied
    QTest::addColumn<int>("showOnlyIfToday");

    const QByteArray today = DiaryRecordBytes("03.02.2004", "09:00");
    const QByteArray tomorrow = DiaryRecordBytes("04.02.2004", "09:00");
    // clang-format off
    QTest::newRow("no options file")     << QByteArray("none")  << QByteArray() << true  << true  << true  << false << false << true  << 1  << 0;
    QTest::newRow("default line")        << QByteArray("10110") << QByteArray() << true  << true  << true  << false << false << true  << 1  << 0;
    QTest::newRow("shown, Russian")      << QByteArray("00110") << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    QTest::newRow("00000")               << QByteArray("00000") << QByteArray() << false << false << false << false << false << false << 0  << 0;
    QTest::newRow("single click")        << QByteArray("01100") << QByteArray() << false << false << false << false << true  << true  << 0  << 0;
    QTest::newRow("2 without today")     << QByteArray("20110") << tomorrow     << true  << true  << true  << true  << false << true  << 1  << 1;
    QTest::newRow("2 with today")        << QByteArray("20110") << today        << false << true  << true  << true  << false << true  << 1  << 1;
    QTest::newRow("1 with today")        << QByteArray("10110") << today        << true  << true  << true  << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 1")     << QByteArray("70110") << QByteArray() << false << true  << false << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 2")     << QByteArray("07110") << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 3")     << QByteArray("00710") << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 4")     << QByteArray("00170") << QByteArray() << false << false << false << false << false << true  << -1 << 0;
    QTest::newRow("several lines")       << QByteArray("10111\r\n00000") << QByteArray() << false << false << false << false << false << false << 0 << 0;
    QTest::newRow("empty file")          << QByteArray("")      << QByteArray() << true  << true  << true  << false << false << true  << 1  << 0;
    QTest::newRow("ends in line break")  << QByteArray("00000\r\n") << QByteArray() << true << true << true << false << false << true << 1 << 0;
    QTest::newRow("short line")          << QByteArray("0")     << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    // clang-format on
}

void TestOptionsPage::optionsLine()
{
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, diary);
    QFETCH(bool, inTray);
    QFETCH(bool, box1);
    QFETCH(bool, box5Enabled);
    QFETCH(bool, box5);
    QFETCH(bool, box2);
    QFETCH(bool, box3);
    QFETCH(int, language);
    QFETCH(int, showOnlyIfToday);

    WindowFixture fixture;
    if (ini != "none")
        fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    fixture.writeFile(QStringLiteral("tolvik.dat"), diary);
    TForm1 &form = fixture.start();

    QCOMPARE(form.startsInTray(), inTray);
    QCOMPARE(form.LMDCheckBox1->isChecked(), box1);
    QCOMPARE(form.LMDCheckBox5->isEnabled(), box5Enabled);
    QCOMPARE(form.LMDCheckBox5->isChecked(), box5);
    QCOMPARE(form.LMDCheckBox2->isChecked(), box2);
    QCOMPARE(form.restoresOnSingleClick(), box2);
    QCOMPARE(form.LMDCheckBox3->isChecked(), box3);
    QCOMPARE(form.staysOnTop(), box3);
    QCOMPARE(bool(form.windowFlags() & Qt::WindowStaysOnTopHint), box3);
    QCOMPARE(form.Label25->palette().color(QPalette::WindowText), box3 ? QColor(0, 0, 0) : QColor(128, 128, 128));
    QCOMPARE(form.ShowOnlyIfToday, showOnlyIfToday);
    QCOMPARE(form.LMDRadioGroup1->itemIndex(), language);
    QCOMPARE(int(form.UiLanguage), language == 1 ? 1 : 0);
    if (language == 1) {
        QCOMPARE(form.windowTitle(), QStringLiteral("Tolvik"));
        QCOMPARE(form.Label9->text(), QStringLiteral("\"Tolvik\" 2.0.1.0"));
        QCOMPARE(form.TodayPrefix, QStringLiteral("Today: "));
    } else if (language == 0) {
        QCOMPARE(form.Label9->text(), QStringLiteral("\"Толвик\" 2.0.1.0"));
        QCOMPARE(form.TodayPrefix, QStringLiteral("Сегодня: "));
    } else {
        QCOMPARE(form.Label9->text(), QStringLiteral("\"Толвик\"  "));
        QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("Записи"));
        QCOMPARE(form.TodayPrefix, QStringLiteral("Сегодня: "));
    }
    // Setting controls from code ran no handler: nothing asks to be saved.
    QVERIFY(!form.RzBmpButton2->isEnabled());
}

void TestOptionsPage::blackBorders_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("black");
    QTest::newRow("blue frames") << QByteArray("00110") << false;
    QTest::newRow("black frames") << QByteArray("00111") << true;
    QTest::newRow("unknown character keeps blue") << QByteArray("00119") << false;
}

void TestOptionsPage::blackBorders()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, black);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    const QColor blue(0x00, 0x80, 0xC0);
    const QColor frame = black ? QColor(0, 0, 0) : blue;
    QCOMPARE(form.LMDCheckBox6->isChecked(), black);
    QCOMPARE(form.RzBorder[1]->frameColor(), frame);
    QCOMPARE(form.RzBorder[28]->frameColor(), frame);
    QCOMPARE(form.RzPanel1->frameColor(), frame);
    QCOMPARE(form.LMDRadioGroup1->shadowColor(), frame);
    QCOMPARE(form.RzDateTimePicker4->frameColor(), frame);
    QCOMPARE(form.RzSpinEdit4->frameColor(), frame);
    QCOMPARE(form.RzEdit3->frameColor(), frame);
    QCOMPARE(form.LMDCheckBox9->glyphList(), black ? 0 : 1);
    QCOMPARE(form.LMDRadioGroup1->glyphList(), black ? 3 : 2);
    QCOMPARE(form.RzURLLabel1->linkColor(), frame);
    // These frames keep their own colour in both modes.
    QCOMPARE(form.RzBorder[19]->frameColor(), blue);
    QCOMPARE(form.RzBorder[26]->frameColor(), blue);
    QCOMPARE(form.RzBorder[27]->frameColor(), blue);
}

void TestOptionsPage::everyTextFollowsTheTable_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Russian") << int(i18n::Russian);
    QTest::newRow("English") << int(i18n::English);
}

void TestOptionsPage::everyTextFollowsTheTable()
{
    QFETCH(int, language);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), language == i18n::English ? "00000" : "00010");
    TForm1 &form = fixture.start();
    language == i18n::English ? form.SetEnglish() : form.SetRussian();
    const auto lang = i18n::Language(language);

    QCOMPARE(int(form.UiLanguage), language);
    QCOMPARE(form.LMDRadioGroup1->itemIndex(), language);
    QCOMPARE(form.TodayPrefix, i18n::TodayPrefix(lang));
    QCOMPARE(form.RzSpinEdit4->x(), language == i18n::English ? 96 : 158);
    QCOMPARE(form.Label17->x(), language == i18n::English ? 135 : 198);

    // Read every target back from the window, by name.
    using i18n::Property;
    for (const i18n::TextEntry &entry : i18n::TextTable()) {
        const QString target = QString::fromLatin1(entry.target);
        const QString expected = entry.text(lang);
        QString shown;
        switch (entry.property) {
        case Property::WindowTitle:
            shown = form.windowTitle();
            break;
        case Property::ApplicationTitle:
            shown = QGuiApplication::applicationDisplayName();
            break;
        case Property::TrayHint:
            shown = form.RzTrayIcon1->toolTip();
            break;
        case Property::TitleLabel:
            shown = form.Label9->text().chopped(i18n::VersionText.size());
            break;
        case Property::DialogTitle:
            shown = form.OpenDialog1Title;
            break;
        case Property::PageCaption:
            shown = form.PageControl1->tabText(entry.index);
            QCOMPARE(form.PageControl1->widget(entry.index)->objectName(), target);
            break;
        case Property::ComboItem:
            shown = form.RzLineComboBox1->itemText(entry.index);
            break;
        case Property::ColumnCaption: {
            const auto *list = form.findChild<QAbstractItemView *>(target);
            QVERIFY2(list, qPrintable(target));
            shown = list->model()->headerData(entry.index, Qt::Horizontal).toString();
            break;
        }
        case Property::MenuItem: {
            const auto *menu = form.findChild<QMenu *>(target);
            QVERIFY2(menu, qPrintable(target));
            QVERIFY2(entry.index < menu->actions().size(), qPrintable(target));
            shown = menu->actions().at(entry.index)->text();
            break;
        }
        case Property::Hint: {
            const auto *widget = form.findChild<QWidget *>(target);
            QVERIFY2(widget, qPrintable(target));
            shown = widget->toolTip();
            break;
        }
        case Property::Caption:
            if (auto *label = form.findChild<QLabel *>(target)) {
                shown = label->text();
            } else {
                const auto *button = form.findChild<QAbstractButton *>(target);
                QVERIFY2(button, qPrintable(target));
                shown = button->text();
            }
            break;
        }
        QVERIFY2(shown == expected, qPrintable(target + QStringLiteral(": ") + shown));
    }
}

void TestOptionsPage::titleDoesNotAccumulateVersion()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    form.SetRussian();
    form.SetEnglish();
    form.SetEnglish();
    form.SetRussian();
    QCOMPARE(form.Label9->text(), QStringLiteral("\"Толвик\" 2.0.1.0"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Толвик"));
}

void TestOptionsPage::userChoiceSwitchesAndEnablesSave()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), "00000");
    TForm1 &form = fixture.startShown();
    form.PageControl1->setCurrentIndex(2);
    QVERIFY(!form.RzBmpButton2->isEnabled());

    QRadioButton *english = form.LMDRadioGroup1->item(1);
    QVERIFY(english);
    QTest::mouseClick(english, Qt::LeftButton, {}, QPoint(6, english->height() / 2));
    QCOMPARE(int(form.UiLanguage), int(i18n::English));
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("   Options   "));
    QVERIFY(form.RzBmpButton2->isEnabled());

    QRadioButton *russian = form.LMDRadioGroup1->item(0);
    QVERIFY(russian);
    QTest::mouseClick(russian, Qt::LeftButton, {}, QPoint(6, russian->height() / 2));
    QCOMPARE(int(form.UiLanguage), int(i18n::Russian));
    QCOMPARE(form.PageControl1->tabText(2), QStringLiteral("Настройки"));
}

void TestOptionsPage::filterKeepsItsMeaning()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), "00000");
    fixture.writeFile(QStringLiteral("tolvik.dat"),
                      DiaryRecordBytes("03.02.2004", "09:00", "a") + DiaryRecordBytes("04.02.2004", "09:00", "b"));
    TForm1 &form = fixture.startShown();
    QVERIFY(ChooseEntry(form.RzLineComboBox1, diary::FilterTomorrow));
    form.SetEnglish();
    QCOMPARE(form.RzLineComboBox1->count(), 5);
    QCOMPARE(form.RzLineComboBox1->currentIndex(), int(diary::FilterTomorrow));
    QCOMPARE(form.RzLineComboBox1->currentText(), QStringLiteral("tomorrow"));
    form.ListUpdate();
    QCOMPARE(form.recordModel()->rowCount(), 1);
    QCOMPARE(form.recordModel()->rows().front().msg, QStringLiteral("b"));
}

QTEST_MAIN(TestOptionsPage)
#include "tst_optionspage.moc"
