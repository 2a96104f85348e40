#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "WindowFixture.h"
#include "widgets/BitmapButton.h"
#include "widgets/GlyphCheckBox.h"

// The start-up order and the error boxes: what the window holds once built,
// and when a box may come up.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void ownerNameAndVersion_data();
    void ownerNameAndVersion();
    void startWithSessionSwitch_data();
    void startWithSessionSwitch();
    void timersAtStart_data();
    void timersAtStart();
    void errorBoxWaitsForTheWindow_data();
    void errorBoxWaitsForTheWindow();
    void pendingBoxesComeOnce();
    void noTickWhileBuilding();
    void badDateBoxStaysSmall();
};

void TestStartup::ownerNameAndVersion_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("Russian") << QByteArray("00000");
    QTest::newRow("English") << QByteArray("00010");
}

void TestStartup::ownerNameAndVersion()
{
    QFETCH(QByteArray, ini);
    WindowFixture fixture;
    fixture.fakes.ownerName.name = QStringLiteral("Анна Петрова");
    fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    QCOMPARE(form.Label23->text(), QStringLiteral("user name:  Анна Петрова"));
    QCOMPARE(form.Label7->text(), QStringLiteral("[ver.2.0.1.0]"));
}

void TestStartup::startWithSessionSwitch_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("not started with the session") << false;
    QTest::newRow("started with the session") << true;
}

void TestStartup::startWithSessionSwitch()
{
    QFETCH(bool, enabled);
    WindowFixture fixture;
    fixture.fakes.startWithSession.enabled = enabled;
    TForm1 &form = fixture.start();
    QCOMPARE(form.LMDCheckBox4->isChecked(), enabled);
    QVERIFY(!form.RzBmpButton2->isEnabled());
}

void TestStartup::timersAtStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("period");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("singleShot");
    QTest::newRow("reminder check") << "Timer1" << 1000 << true << false;
    QTest::newRow("alarm repeat") << "Timer2" << 5010 << false << false;
    QTest::newRow("phone echo") << "Timer3" << 1100 << false << false;
    QTest::newRow("power-off") << "Timer4" << 5000 << false << true;
    QTest::newRow("blink") << "Timer5" << 200 << false << false;
}

void TestStartup::timersAtStart()
{
    QFETCH(QString, name);
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    const auto *timer = form.findChild<QTimer *>(name);
    QVERIFY(timer);
    QTEST(timer->interval(), "period");
    QTEST(timer->isActive(), "active");
    QTEST(timer->isSingleShot(), "singleShot");
}

void TestStartup::errorBoxWaitsForTheWindow_data()
{
    QTest::addColumn<bool>("explicitly"); // else by showing the window
    QTest::newRow("the window is shown") << false;
    QTest::newRow("the pending boxes are asked for") << true;
}

// A diary with a bad date: the box would come up while the window is built,
// alone at the corner of the screen, its modal loop running into a window
// half made. It waits until the window is up.
void TestStartup::errorBoxWaitsForTheWindow()
{
    QFETCH(bool, explicitly);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), "00110");
    fixture.writeFile(QStringLiteral("tolvik.dat"), DiaryRecordBytes("31.02.2004", "09:00"));
    TForm1 &form = fixture.start();
    QCOMPARE(fixture.fakes.messageBox.errors, QStringList{});
    QCOMPARE(form.pendingErrors().size(), 1);

    if (explicitly) {
        form.ShowPendingErrors();
        QCOMPARE(fixture.fakes.messageBox.parentShown, QList<bool>{false});
    } else {
        form.showCentred();
        // Not from inside the show: once the window is on screen.
        QCOMPARE(fixture.fakes.messageBox.errors, QStringList{});
        QTRY_COMPARE(fixture.fakes.messageBox.errors.size(), 1);
        QCOMPARE(fixture.fakes.messageBox.parentShown, QList<bool>{true});
    }
    QCOMPARE(fixture.fakes.messageBox.errors.first(),
             QStringLiteral("Error|Invalid date in 1 record of tolvik.dat: '31.02.2004'. The record is kept."));
    QVERIFY(form.pendingErrors().isEmpty());
    QVERIFY(form.Timer1->isActive());
}

void TestStartup::pendingBoxesComeOnce()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), DiaryRecordBytes("xx", "09:00"));
    TForm1 &form = fixture.start();
    form.show();
    QTRY_COMPARE(fixture.fakes.messageBox.errors.size(), 1);
    // Down to the tray and up again: nothing more to say.
    form.hide();
    form.restoreFromTray();
    QTest::qWait(20);
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
}

// The reminder timer starts once the window is built: while the start-up
// reads the clock (the date pickers, the record list) it is not running.
void TestStartup::noTickWhileBuilding()
{
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.dat"), DiaryRecordBytes("31.02.2004", "09:00"));
    QList<bool> runningWhileBuilding;
    fixture.fakes.clock.onNow = [&runningWhileBuilding] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (const auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1")))
                runningWhileBuilding << timer->isActive();
    };
    TForm1 &form = fixture.start();
    fixture.fakes.clock.onNow = nullptr;
    QVERIFY(!runningWhileBuilding.isEmpty());
    QVERIFY(!runningWhileBuilding.contains(true));
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(fixture.fakes.messageBox.errors, QStringList{});
}

// A line of 100,000 characters without a blank is read as a date: the box
// quotes its start and says how many records have one.
void TestStartup::badDateBoxStaysSmall()
{
    WindowFixture fixture;
    const QByteArray longLine(100000, '7');
    fixture.writeFile(QStringLiteral("tolvik.ini"), "00000");
    fixture.writeFile(QStringLiteral("tolvik.dat"), DiaryRecordBytes(longLine.constData(), "") +
                                                        DiaryRecordBytes("03.02.2004", "09:00") +
                                                        DiaryRecordBytes("32.01.2004", "09:00"));
    TForm1 &form = fixture.start();
    form.ShowPendingErrors();
    QCOMPARE(fixture.fakes.messageBox.errors.size(), 1);
    const QString text = fixture.fakes.messageBox.errors.first();
    QVERIFY2(text.size() < 200, qPrintable(QString::number(text.size())));
    QCOMPARE(text, QStringLiteral("Ошибка|Неверная дата в файле tolvik.dat (записей: 2): '") + QString(40, u'7') +
                       QStringLiteral("…', '32.01.2004'. Записи сохранены."));
    QCOMPARE(int(form.UnvisibleList.size()), 3);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
