#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Stranger = 54321;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

// Makes `path` as `kind` says: "" nothing, "0700"/"0755"/"0777" a folder of
// ours with that mode, "foreign" a 0700 folder of another user, "link" a link
// to a private folder of ours, "file" a plain file.
bool Make(const QString &path, const QString &kind)
{
    if (kind.isEmpty())
        return true;
    if (kind == QLatin1String("file")) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }
    if (kind == QLatin1String("link")) {
        const QString target = path + QStringLiteral(".target");
        return ::mkdir(Native(target).constData(), 0700) == 0 &&
               ::symlink(Native(target).constData(), Native(path).constData()) == 0;
    }
    const mode_t mode = kind == QLatin1String("foreign") ? 0700 : mode_t(kind.toUInt(nullptr, 8));
    if (!QDir().mkpath(path) || ::chmod(Native(path).constData(), mode) != 0)
        return false;
    return kind != QLatin1String("foreign") || ::chown(Native(path).constData(), Stranger, Stranger) == 0;
}

} // namespace

// The activation socket lives where only this user can reach it.
class TestPrivateFolder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void folderChoice_data();
    void folderChoice();

private:
    QByteArray m_oldRuntime;
    QByteArray m_oldCache;
};

void TestPrivateFolder::init()
{
    m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    m_oldCache = qgetenv("XDG_CACHE_HOME");
}

void TestPrivateFolder::cleanup()
{
    qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
    qputenv("XDG_CACHE_HOME", m_oldCache);
}

void TestPrivateFolder::folderChoice_data()
{
    QTest::addColumn<QString>("runtime");    // XDG_RUNTIME_DIR: "unset", "relative", or a kind for Make()
    QTest::addColumn<QString>("runtimeSub"); // what is at $XDG_RUNTIME_DIR/tolvik
    QTest::addColumn<QString>("cache");      // XDG_CACHE_HOME: "missing" or a kind
    QTest::addColumn<QString>("cacheSub");   // what is at $XDG_CACHE_HOME/tolvik-run
    QTest::addColumn<QString>("expected");   // relative to the test folder; "" none

    // clang-format off
    QTest::newRow("private runtime folder")           << "0700"     << ""        << "missing" << ""     << "runtime/tolvik";
    QTest::newRow("ours with a wide mode: narrowed")  << "0700"     << "0755"    << "missing" << ""     << "runtime/tolvik";
    QTest::newRow("ours without write: repaired")     << "0700"     << "0500"    << "missing" << ""     << "runtime/tolvik";
    QTest::newRow("subfolder of another user")        << "0700"     << "foreign" << "missing" << ""     << "cache/tolvik-run";
    QTest::newRow("subfolder is a link")              << "0700"     << "link"    << "missing" << ""     << "cache/tolvik-run";
    QTest::newRow("subfolder is a file")              << "0700"     << "file"    << "missing" << ""     << "cache/tolvik-run";
    QTest::newRow("runtime folder open to others")    << "0755"     << ""        << "missing" << ""     << "cache/tolvik-run";
    QTest::newRow("runtime folder of another user")   << "foreign"  << ""        << "missing" << ""     << "cache/tolvik-run";
    QTest::newRow("runtime folder unset")             << "unset"    << ""        << "0700"    << ""     << "cache/tolvik-run";
    QTest::newRow("runtime folder relative")          << "relative" << ""        << "0755"    << ""     << "cache/tolvik-run";
    QTest::newRow("cache subfolder with a wide mode") << "unset"    << ""        << "0700"    << "0777" << "cache/tolvik-run";
    QTest::newRow("cache writable by others: none")   << "unset"    << ""        << "0777"    << ""     << "";
    QTest::newRow("cache of another user: none")      << "unset"    << ""        << "foreign" << ""     << "";
    QTest::newRow("cache subfolder is a link: none")  << "unset"    << ""        << "0700"    << "link" << "";
    // clang-format on
}

void TestPrivateFolder::folderChoice()
{
    QFETCH(QString, runtime);
    QFETCH(QString, runtimeSub);
    QFETCH(QString, cache);
    QFETCH(QString, cacheSub);
    QFETCH(QString, expected);
    const QString all = runtime + runtimeSub + cache + cacheSub;
    if (all.contains(QLatin1String("foreign")) && ::geteuid() != 0)
        QSKIP("giving a folder to another user needs root");

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString runtimePath = root.filePath(QStringLiteral("runtime"));
    const QString cachePath = root.filePath(QStringLiteral("cache"));
    if (runtime == QLatin1String("unset")) {
        qunsetenv("XDG_RUNTIME_DIR");
    } else if (runtime == QLatin1String("relative")) {
        qputenv("XDG_RUNTIME_DIR", "runtime");
    } else {
        QVERIFY(Make(runtimePath, runtime));
        qputenv("XDG_RUNTIME_DIR", Native(runtimePath));
        QVERIFY(Make(runtimePath + QStringLiteral("/tolvik"), runtimeSub));
    }
    if (cache != QLatin1String("missing"))
        QVERIFY(Make(cachePath, cache));
    QVERIFY(Make(cachePath + QStringLiteral("/tolvik-run"), cacheSub));
    qputenv("XDG_CACHE_HOME", Native(cachePath));

    const QString folder = platform::PrivateRuntimeFolder();
    QCOMPARE(folder, expected.isEmpty() ? QString() : root.filePath(expected));
    if (folder.isEmpty())
        return;
    struct stat info;
    QVERIFY(::lstat(Native(folder).constData(), &info) == 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, ::geteuid());
    QCOMPARE(info.st_mode & 07777, mode_t(0700));
}

QTEST_GUILESS_MAIN(TestPrivateFolder)
#include "tst_privatefolder.moc"
