#include <QAction>
#include <QSystemTrayIcon>
#include <QtTest>

#include "WindowFixture.h"

// Coming back from the tray, by the icon and by its menu.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void trayClickRestores_data();
    void trayClickRestores();
    void menuItemShowsWindow();
};

void TestWindow::trayClickRestores_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("double click restores by default")
        << QByteArray("10110") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("single click does not by default") << QByteArray("10110") << int(QSystemTrayIcon::Trigger) << false;
    QTest::newRow("single click restores when chosen") << QByteArray("11110") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("double click does not when single is chosen")
        << QByteArray("11110") << int(QSystemTrayIcon::DoubleClick) << false;
    QTest::newRow("right button never restores") << QByteArray("11110") << int(QSystemTrayIcon::Context) << false;
}

void TestWindow::trayClickRestores()
{
    QFETCH(QByteArray, ini);
    QFETCH(int, reason);
    QFETCH(bool, restores);
    WindowFixture fixture;
    fixture.writeFile(QStringLiteral("tolvik.ini"), ini);
    TForm1 &form = fixture.start();
    QVERIFY(form.startsInTray());
    QVERIFY(!form.isVisible());
    // No tray here: the icon's signal stands for the click on it.
    emit form.RzTrayIcon1->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(form.isVisible(), restores);
    if (restores)
        QVERIFY(!(form.windowState() & Qt::WindowMinimized));
}

void TestWindow::menuItemShowsWindow()
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

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
