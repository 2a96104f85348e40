#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "SingleInstance.h"

// One planner per program folder.
class TestTray : public QObject {
    Q_OBJECT

private slots:
    void secondInstanceAsksTheFirst();
    void otherFolderIsAnotherInstance();
};

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
