#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ProgramFolder.h"

// The data files live beside the executable when they can, else in the
// user's data folder.
class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void writableExecutableFolderHoldsTheData();
    void missingFolderFallsBackToUserData();
    void fileInPlaceOfFolderFallsBackToUserData();
};

void TestProgramFolder::writableExecutableFolderHoldsTheData()
{
    QTemporaryDir folder;
    QCOMPARE(platform::ChooseProgramFolder(folder.path()), folder.path());
}

void TestProgramFolder::missingFolderFallsBackToUserData()
{
    QTemporaryDir parent;
    const QString chosen = platform::ChooseProgramFolder(QDir(parent.path()).filePath(QStringLiteral("gone")));
    QCOMPARE(chosen, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QVERIFY(QFileInfo(chosen).isDir());
}

void TestProgramFolder::fileInPlaceOfFolderFallsBackToUserData()
{
    QTemporaryDir parent;
    const QString file = QDir(parent.path()).filePath(QStringLiteral("plain-file"));
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QCOMPARE(platform::ChooseProgramFolder(file), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
