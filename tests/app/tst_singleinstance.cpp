#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include "SingleInstance.h"

#include <cerrno>

#include <utime.h>

namespace {

constexpr int Rounds = 20;

// One guard in a child process (tests/app/instance_probe.cpp).
class Probe {
public:
    explicit Probe(const QString &folder, bool readOnly = false)
    {
        QStringList arguments{folder};
        if (readOnly)
            arguments << QStringLiteral("read-only");
        m_process.start(QStringLiteral(INSTANCE_PROBE), arguments);
    }
    ~Probe()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool started() { return m_process.waitForStarted(5000); }
    // Lets the probe go, at once or at a time in milliseconds since the epoch.
    void release(qint64 at = 0) { m_process.write(QByteArray::number(at) + '\n'); }

    // The next line the probe prints, "<none>" when none comes.
    QByteArray nextLine()
    {
        const QDeadlineTimer deadline(20000);
        while (!m_process.canReadLine() && !deadline.hasExpired() &&
               m_process.waitForReadyRead(int(deadline.remainingTime())))
            ;
        return m_process.canReadLine() ? m_process.readLine().trimmed() : QByteArray("<none>");
    }

    // Ends a primary by closing its input; the exit status, -1 after a crash.
    int finish()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000))
            return -2;
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }

    void killHard()
    {
        m_process.kill(); // SIGKILL: no chance to remove the lock or the socket
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

// Starts a probe, releases it, and gives its first line.
QByteArray StartOne(Probe &probe)
{
    if (!probe.started())
        return "<not started>";
    probe.release();
    return probe.nextLine();
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// One planner per data folder, whatever else runs or lies around.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startedTogether_data();
    void startedTogether();
    void killedPlannerIsTakenOver();
    void plantedAtTheSocket_data();
    void plantedAtTheSocket();
    void lockTrouble_data();
    void lockTrouble();
    void unwritableFolderLocksPrivately();

private:
    QTemporaryDir m_runtime; // the test's XDG_RUNTIME_DIR, 0700 and ours
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

void TestSingleInstance::startedTogether_data()
{
    QTest::addColumn<int>("probes");
    QTest::newRow("two at once") << 2;
    QTest::newRow("four at once") << 4;
}

void TestSingleInstance::startedTogether()
{
    QFETCH(int, probes);
    for (int round = 1; round <= Rounds; ++round) {
        QTemporaryDir folder;
        std::vector<std::unique_ptr<Probe>> all;
        for (int i = 0; i < probes; ++i) {
            all.push_back(std::make_unique<Probe>(folder.path()));
            QVERIFY(all.back()->started());
        }
        const qint64 at = QDateTime::currentMSecsSinceEpoch() + 200;
        for (auto &probe : all)
            probe->release(at);
        QList<QByteArray> outcomes;
        for (auto &probe : all)
            outcomes << probe->nextLine();
        const QByteArray where = "round " + QByteArray::number(round) + ": " + outcomes.toList().join(' ');
        QVERIFY2(outcomes.count("primary") == 1, where.constData());
        QVERIFY2(outcomes.count("handed-over") + outcomes.count("other-starting") == probes - 1, where.constData());
        for (auto &probe : all)
            QCOMPARE(probe->finish(), 0);
    }
}

void TestSingleInstance::killedPlannerIsTakenOver()
{
    QTemporaryDir folder;
    const QString socketPath = SingleInstance(folder.path()).socketPath();
    {
        Probe first(folder.path());
        QCOMPARE(StartOne(first), QByteArray("primary"));
        first.killHard();
    }
    QVERIFY(QFileInfo::exists(QDir(folder.path()).filePath(QStringLiteral("tolvik.lock"))));
    QVERIFY(QFileInfo::exists(socketPath));

    Probe restarted(folder.path());
    QCOMPARE(StartOne(restarted), QByteArray("primary"));
    Probe later(folder.path());
    QCOMPARE(StartOne(later), QByteArray("handed-over"));
    QCOMPARE(later.finish(), 0);
    QCOMPARE(restarted.nextLine(), QByteArray("shown"));
    QCOMPARE(restarted.finish(), 0);
}

void TestSingleInstance::plantedAtTheSocket_data()
{
    QTest::addColumn<QString>("planted");
    QTest::addColumn<QByteArray>("secondStart");
    QTest::newRow("a plain file") << "file" << QByteArray("handed-over");
    QTest::newRow("a listening stranger") << "listener" << QByteArray("handed-over");
    QTest::newRow("a folder: cannot listen, the lock still guards") << "folder" << QByteArray("other-starting");
}

void TestSingleInstance::plantedAtTheSocket()
{
    QFETCH(QString, planted);
    QFETCH(QByteArray, secondStart);
    QTemporaryDir folder;
    const QString socketPath = SingleInstance(folder.path()).socketPath();
    QVERIFY(!socketPath.isEmpty());
    QVERIFY(socketPath.startsWith(m_runtime.path() + QLatin1Char('/')));

    QLocalServer stranger;
    if (planted == QLatin1String("file"))
        QVERIFY(WriteFile(socketPath, "planted"));
    else if (planted == QLatin1String("listener"))
        QVERIFY(stranger.listen(socketPath));
    else
        QVERIFY(QDir().mkdir(socketPath));

    Probe first(folder.path());
    QCOMPARE(StartOne(first), QByteArray("primary"));
    Probe second(folder.path());
    QCOMPARE(StartOne(second), secondStart);
    QCOMPARE(second.finish(), 0);
    if (secondStart == "handed-over")
        QCOMPARE(first.nextLine(), QByteArray("shown"));
    QCOMPARE(first.finish(), 0);
}

void TestSingleInstance::lockTrouble_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QByteArray>("outcome");
    QTest::addColumn<int>("exitStatus");
    QTest::newRow("a folder in the lock's place")
        << "folder" << QByteArray("failed ") + QByteArray::number(EEXIST) << 1;
    QTest::newRow("data folder missing") << "missing" << QByteArray("failed ") + QByteArray::number(ENOENT) << 1;
    QTest::newRow("an empty lock left half made") << "empty" << QByteArray("primary") << 0;
}

void TestSingleInstance::lockTrouble()
{
    QFETCH(QString, trouble);
    QFETCH(QByteArray, outcome);
    QFETCH(int, exitStatus);
    QTemporaryDir root;
    QString folder = root.path();
    const QString lockPath = QDir(folder).filePath(QStringLiteral("tolvik.lock"));
    if (trouble == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(lockPath));
    } else if (trouble == QLatin1String("missing")) {
        folder = root.filePath(QStringLiteral("gone"));
    } else {
        QVERIFY(WriteFile(lockPath, QByteArray()));
        const struct utimbuf aMinuteAgo = {time(nullptr) - 60, time(nullptr) - 60};
        QVERIFY(::utime(QFile::encodeName(lockPath).constData(), &aMinuteAgo) == 0);
    }
    Probe probe(folder);
    QCOMPARE(StartOne(probe), outcome);
    QCOMPARE(probe.finish(), exitStatus);
}

void TestSingleInstance::unwritableFolderLocksPrivately()
{
    QTemporaryDir folder;
    Probe first(folder.path(), true);
    QCOMPARE(StartOne(first), QByteArray("primary"));
    QVERIFY(!QFileInfo::exists(QDir(folder.path()).filePath(QStringLiteral("tolvik.lock"))));
    Probe second(folder.path(), true);
    QCOMPARE(StartOne(second), QByteArray("handed-over"));
    QCOMPARE(second.finish(), 0);
    QCOMPARE(first.nextLine(), QByteArray("shown"));
    QCOMPARE(first.finish(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
