#include <QLocalServer>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QtTest>

#include "SingleInstance.h"
#include "Unit1.h"
#include <QAction>
#include "WindowFixture.h"

// Coming back from the tray, and one planner per program folder.
class TestTray : public QObject {
    Q_OBJECT

private slots:
    void trayClickRestores_data();
    void trayClickRestores();
    void menuItemShowsWindow();
    void secondInstanceAsksTheFirst();
    void otherFolderIsAnotherInstance();
};

void TestTray::trayClickRestores_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("double click restores by default")
        << QByteArray("10110") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("single click does not by default") << QByteArray("10110") << int(QSystemTrayIcon::Trigger) << false;
    QTest::newRow("single click restores when chosen") << QByteArray("11110") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("right button never restores") << QByteArray("11110") << int(QSystemTrayIcon::Context) << false;
}

void TestTray::trayClickRestores()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, reason);
    QFETCH(bool, restores);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    QVERIFY(form.startsInTray());
    QVERIFY(!form.isVisible());
    emit form.RzTrayIcon1->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(form.isVisible(), restores);
    if (restores)
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
}

void TestTray::menuItemShowsWindow()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    QVERIFY(!form.isVisible());
    form.N1->trigger();
    QVERIFY(form.isVisible());
    // On a window that is up it changes nothing.
    form.N1->trigger();
    QVERIFY(form.isVisible());
}

void TestTray::secondInstanceAsksTheFirst()
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.becomePrimary());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    SingleInstance second(folder.path());
    QVERIFY(!second.becomePrimary());
    QTRY_COMPARE(asked.count(), 1);
}

void TestTray::otherFolderIsAnotherInstance()
{
    QTemporaryDir one;
    QTemporaryDir other;
    SingleInstance first(one.path());
    SingleInstance second(other.path());
    QVERIFY(first.serverName() != second.serverName());
    QVERIFY(first.becomePrimary());
    QVERIFY(second.becomePrimary());
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
