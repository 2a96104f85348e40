#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/FlatControls.h"
#include "widgets/ReportList.h"
#include <QPlainTextEdit>
#include "widgets/FlatBorder.h"
#include "widgets/GlyphCheckBox.h"
#include "widgets/LanguageRadioGroup.h"

// Start-up: the options line decides how the window comes up.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void optionsLine_data();
    void optionsLine();
    void blackBorders();
    void ownerNameAndVersion();
    void startWithSessionSwitch();
    void noteLoad_data();
    void noteLoad();
    void layoutNamesAndOrder();
    void timersAtStart();
};

void TestStartup::optionsLine_data()
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
    QTest::newRow("7 at position 1")     << QByteArray("70110") << QByteArray() << false << true  << false << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 3")     << QByteArray("00710") << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    QTest::newRow("7 at position 4")     << QByteArray("00170") << QByteArray() << false << false << false << false << false << true  << -1 << 0;
    QTest::newRow("several lines")       << QByteArray("10111\r\n00000") << QByteArray() << false << false << false << false << false << false << 0 << 0;
    QTest::newRow("empty file")          << QByteArray("")      << QByteArray() << true  << true  << true  << false << false << true  << 1  << 0;
    QTest::newRow("ends in line break")  << QByteArray("00000\r\n") << QByteArray() << true << true << true << false << false << true << 1 << 0;
    QTest::newRow("short line")          << QByteArray("0")     << QByteArray() << false << false << false << false << false << true  << 1  << 0;
    // clang-format on
}

void TestStartup::optionsLine()
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

void TestStartup::blackBorders()
{
    for (const bool black : {false, true}) {
        WindowFixture fixture;
        fixture.writeFile(QStringLiteral("tolvik.ini"), black ? "00111" : "00110");
        TForm1 &form = fixture.start();
        const QColor frame = black ? QColor(0, 0, 0) : QColor(0x00, 0x80, 0xC0);
        QCOMPARE(form.LMDCheckBox6->isChecked(), black);
        QCOMPARE(form.RzBorder[1]->frameColor(), frame);
        QCOMPARE(form.RzBorder[28]->frameColor(), frame);
        QCOMPARE(form.RzPanel1->frameColor(), frame);
        QCOMPARE(form.LMDRadioGroup1->shadowColor(), frame);
        QCOMPARE(form.LMDCheckBox9->glyphList(), black ? 0 : 1);
        QCOMPARE(form.LMDRadioGroup1->glyphList(), black ? 3 : 2);
        QCOMPARE(form.RzURLLabel1->text().contains(QStringLiteral("#000000")), black);
        // These frames keep their own colour in both modes.
        QCOMPARE(form.RzBorder[19]->frameColor(), QColor(0x00, 0x80, 0xC0));
        QCOMPARE(form.RzBorder[26]->frameColor(), QColor(0x00, 0x80, 0xC0));
        QCOMPARE(form.RzBorder[27]->frameColor(), QColor(0x00, 0x80, 0xC0));
    }
}

void TestStartup::ownerNameAndVersion()
{
    for (const QByteArray ini : {"00000", "00010"}) {
        WindowFixture fixture;
        fixture.fakes.ownerName.name = QStringLiteral("Анна Петрова");
        fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
        TForm1 &form = fixture.start();
        QCOMPARE(form.Label23->text(), QStringLiteral("user name:  Анна Петрова"));
        QCOMPARE(form.Label7->text(), QStringLiteral("[ver.2.0.1.0]"));
    }
}

void TestStartup::startWithSessionSwitch()
{
    for (const bool enabled : {false, true}) {
        WindowFixture fixture;
        fixture.fakes.startWithSession.enabled = enabled;
        TForm1 &form = fixture.start();
        QCOMPARE(form.LMDCheckBox4->isChecked(), enabled);
        QVERIFY(!form.RzBmpButton2->isEnabled());
    }
}

void TestStartup::noteLoad_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("saveEnabled");
    QTest::newRow("no note file") << false << QByteArray() << QString() << true;
    QTest::newRow("empty note file") << true << QByteArray() << QString() << false;
    QTest::newRow("CR LF lines") << true << QByteArray("abc\r\ndef") << QStringLiteral("abc\ndef") << false;
    QTest::newRow("LF only, Cyrillic") << true << QByteArray("\xcf\xf0\xe8\n\xe2\xe5\xf2") << QStringLiteral("При\nвет")
                                       << false;
}

void TestStartup::noteLoad()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, saveEnabled);
    WindowFixture fixture;
    if (exists)
        fixture.writeFile(QStringLiteral("note.txt"), bytes);
    TForm1 &form = fixture.start();
    QCOMPARE(form.Memo4->toPlainText(), text);
    QCOMPARE(form.RzBmpButton3->isEnabled(), saveEnabled);
}

void TestStartup::layoutNamesAndOrder()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.size(), QSize(519, 391));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));

    const QStringList pages{"TabSheet1", "TabSheet2", "TabSheet5", "TabSheet3", "TabSheet6", "TabSheet7", "TabSheet4"};
    QCOMPARE(form.PageControl1->count(), pages.size());
    for (int index = 0; index < pages.size(); ++index)
        QCOMPARE(form.PageControl1->widget(index)->objectName(), pages.at(index));
    QCOMPARE(form.PageControl1->currentIndex(), 0);

    auto names = [](QMenu *menu) {
        QStringList result;
        for (QAction *action : menu->actions())
            result << action->objectName();
        return result;
    };
    QCOMPARE(names(form.PopupMenu1), (QStringList{"N1", "N6", "N2"}));
    QCOMPARE(names(form.PopupMenu2), (QStringList{"N3", "N4", "N5", "N12", "N13"}));
    QCOMPARE(names(form.PopupMenu3), (QStringList{"N8", "N9", "N10", "N7", "N11"}));

    // Every named control is found by its name.
    for (const char *name :
         {"Label9",       "RzURLLabel1",    "Label6",       "StatusBar1",   "RzLineComboBox1", "RzDateTimePicker4",
          "RzListView1",  "RzListView3",    "RzEdit1",      "RzEdit2",      "RzSpinEdit1",     "RzSpinEdit2",
          "RzSpinEdit4",  "LMDRadioGroup1", "RzPanel1",     "Memo2",        "Memo4",           "RzListView2",
          "LMDMaskEdit1", "LMDMaskEdit2",   "LMDMaskEdit3", "AnimationFX1", "ListBox2"})
        QVERIFY2(form.findChild<QWidget *>(QString::fromLatin1(name)), name);
    for (int number = 1; number <= 28; ++number) {
        const QString name = QStringLiteral("RzBorder%1").arg(number);
        QVERIFY2(form.findChild<FlatBorder *>(name), qPrintable(name));
        const bool hidden = QList<int>{19, 21, 22, 26, 27}.contains(number);
        QCOMPARE(form.RzBorder[number]->isHidden(), hidden);
    }

    QVERIFY(form.RzListView3->isHidden());
    QCOMPARE(form.RzSpinEdit1->maximum(), 23);
    QCOMPARE(form.RzSpinEdit2->maximum(), 59);
    QCOMPARE(form.RzSpinEdit4->maximum(), 60);
    for (QWidget *disabled :
         std::initializer_list<QWidget *>{form.RzBmpButton1, form.RzBmpButton2, form.RzBmpButton8, form.RzEdit3,
                                          form.Label16, form.RzSpinEdit4, form.Label17})
        QVERIFY2(!disabled->isEnabled(), qPrintable(disabled->objectName()));
}

void TestStartup::timersAtStart()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    const QList<QPair<QTimer *, int>> periods{
        {form.Timer1, 1000}, {form.Timer2, 5010}, {form.Timer3, 1100}, {form.Timer4, 5000}, {form.Timer5, 200}};
    for (const auto &[timer, period] : periods)
        QCOMPARE(timer->interval(), period);
    QVERIFY(form.Timer1->isActive());
    for (QTimer *timer : {form.Timer2, form.Timer3, form.Timer4, form.Timer5})
        QVERIFY(!timer->isActive());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
