#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ProgramFolder.h"

#include <cerrno>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How the executable's folder is reached in a row.
enum class Executable { Writable, NoWritePermission, ReadOnlyMount, Missing };

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Root passes every permission check: for a folder without write permission
// to count, the call runs as an ordinary user.
class Unprivileged {
public:
    Unprivileged() : m_wasRoot(::geteuid() == 0)
    {
        if (m_wasRoot && (::setegid(65534) != 0 || ::seteuid(65534) != 0))
            qFatal("cannot drop privileges");
    }
    ~Unprivileged()
    {
        if (m_wasRoot && (::seteuid(0) != 0 || ::setegid(0) != 0))
            qFatal("cannot take privileges back");
    }

private:
    bool m_wasRoot;
};

// A filesystem mounted for one row, gone again before its folder is removed.
struct ScopedMount {
    QString path;
    ~ScopedMount()
    {
        if (!path.isEmpty())
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
};

} // namespace

Q_DECLARE_METATYPE(Executable)

// The data files live beside the executable when a marker or a data file is
// there, else in the user's data folder; the user's diary is never hidden.
class TestProgramFolder : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void TestProgramFolder::choice_data()
{
    QTest::addColumn<Executable>("executable");
    QTest::addColumn<QStringList>("filesThere"); // in the executable's folder
    QTest::addColumn<bool>("userDataBlocked");   // a file in the place of the user's data folder
    QTest::addColumn<QString>("chosen");         // "executable", "user" or "none"
    QTest::addColumn<bool>("writable");

    const auto writable = Executable::Writable;
    QTest::newRow("portable marker") << writable << QStringList{"tolvik.portable"} << false << "executable" << true;
    QTest::newRow("diary there") << writable << QStringList{"tolvik.dat"} << false << "executable" << true;
    QTest::newRow("options there") << writable << QStringList{"tolvik.ini"} << false << "executable" << true;
    QTest::newRow("note there") << writable << QStringList{"note.txt"} << false << "executable" << true;
    QTest::newRow("phone book there") << writable << QStringList{"phones.dat"} << false << "executable" << true;
    QTest::newRow("writable but empty: user folder, made") << writable << QStringList{} << false << "user" << true;
    QTest::newRow("other files only: user folder")
        << writable << QStringList{"tolvik", "readme.txt"} << false << "user" << true;
    QTest::newRow("executable folder missing") << Executable::Missing << QStringList{} << false << "user" << true;
    QTest::newRow("diary in a folder without write permission")
        << Executable::NoWritePermission << QStringList{"tolvik.dat"} << false << "executable" << false;
    QTest::newRow("no write permission, no data: user folder")
        << Executable::NoWritePermission << QStringList{} << false << "user" << true;
    QTest::newRow("diary on a read-only mount, as root")
        << Executable::ReadOnlyMount << QStringList{"tolvik.dat"} << false << "executable" << false;
    QTest::newRow("user folder blocked by a file") << writable << QStringList{} << true << "none" << false;
    QTest::newRow("marker wins over a blocked user folder")
        << writable << QStringList{"tolvik.portable"} << true << "executable" << true;
}

void TestProgramFolder::choice()
{
    QFETCH(Executable, executable);
    QFETCH(QStringList, filesThere);
    QFETCH(bool, userDataBlocked);
    QFETCH(QString, chosen);
    QFETCH(bool, writable);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(::chmod(QFile::encodeName(root.path()).constData(), 0755) == 0); // reachable by the ordinary user
    const QString exeFolder = root.filePath(QStringLiteral("bin"));
    const QString home = root.filePath(QStringLiteral("home"));
    const QString userData = home + QStringLiteral("/share/Tolvik");
    QVERIFY(QDir().mkpath(home));
    QVERIFY(::chmod(QFile::encodeName(home).constData(), 0777) == 0);

    ScopedMount mount;
    if (executable != Executable::Missing)
        QVERIFY(QDir().mkpath(exeFolder));
    if (executable == Executable::ReadOnlyMount) {
        if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(exeFolder).constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP("needs root and a tmpfs mount");
        mount.path = exeFolder;
    }
    for (const QString &name : filesThere)
        QVERIFY(WriteFile(QDir(exeFolder).filePath(name), "x"));
    if (executable == Executable::ReadOnlyMount)
        QVERIFY(::mount(nullptr, QFile::encodeName(exeFolder).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
                0);
    if (executable == Executable::NoWritePermission)
        QVERIFY(::chmod(QFile::encodeName(exeFolder).constData(), 0555) == 0);
    if (userDataBlocked) {
        QVERIFY(QDir().mkpath(QFileInfo(userData).path()));
        QVERIFY(WriteFile(userData, "in the way"));
    }

    platform::ProgramFolderChoice place;
    if (executable == Executable::NoWritePermission) {
        Unprivileged asUser;
        place = platform::ChooseProgramFolder(exeFolder, userData);
    } else {
        place = platform::ChooseProgramFolder(exeFolder, userData);
    }

    const QString expected = chosen == QLatin1String("executable") ? exeFolder
                             : chosen == QLatin1String("user")     ? userData
                                                                   : QString();
    QCOMPARE(place.folder, expected);
    QCOMPARE(place.ok(), !expected.isEmpty());
    QCOMPARE(place.writable, writable);
    if (chosen == QLatin1String("user"))
        QVERIFY(QFileInfo(userData).isDir());
    if (chosen == QLatin1String("none")) {
        QCOMPARE(place.failedFolder, userData);
        QVERIFY2(place.errorNumber == EEXIST || place.errorNumber == ENOTDIR,
                 qPrintable(qt_error_string(place.errorNumber)));
        QVERIFY(QFileInfo(userData).isFile()); // the file in the way is left alone
    } else {
        QCOMPARE(place.errorNumber, 0);
    }
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
