#include <QProcess>
#include <QSystemTrayIcon>
#include <QtTest>

#include "SingleInstance.h"
#include "Unit1.h"
#include <QAction>
#include "WindowFixture.h"

// Coming back from the tray, also when a second start asks for it.
class TestTray : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void trayClickRestores_data();
    void trayClickRestores();
    void menuItemShowsWindow();
    void secondStartBringsTheWindowUp();
    void otherFolderIsAnotherInstance();

private:
    QTemporaryDir m_runtime; // the test's XDG_RUNTIME_DIR
};

void TestTray::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

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

void TestTray::secondStartBringsTheWindowUp()
{
    WindowFixture fixture;
    TForm1 &form = fixture.start();
    SingleInstance first(fixture.folder.path());
    QCOMPARE(first.start(), SingleInstance::Outcome::Primary);
    QObject::connect(&first, &SingleInstance::activationRequested, &form, &TForm1::restoreFromTray);
    QVERIFY(form.startsInTray());
    QVERIFY(!form.isVisible());

    // The second start runs in its own process: this one must answer it.
    QProcess second;
    second.start(QStringLiteral(INSTANCE_PROBE), {fixture.folder.path()});
    QVERIFY(second.waitForStarted(5000));
    second.write("0\n");
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
    QCOMPARE(second.readAllStandardOutput(), QByteArray("handed-over\n"));
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(form.isVisible());
    QVERIFY(!(form.windowState() & Qt::WindowMinimized));
}

void TestTray::otherFolderIsAnotherInstance()
{
    QTemporaryDir one;
    QTemporaryDir other;
    SingleInstance first(one.path());
    SingleInstance second(other.path());
    QVERIFY(!first.socketPath().isEmpty());
    QVERIFY(first.socketPath() != second.socketPath());
    QCOMPARE(first.start(), SingleInstance::Outcome::Primary);
    QCOMPARE(second.start(), SingleInstance::Outcome::Primary);
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
