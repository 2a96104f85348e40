#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/desktop/SoundEffectAlarm.h"

// The real alarm on a real sound server: the test's own PulseAudio with a
// null sink, so nothing is heard and the machine's sound is not touched.
namespace {

// Length of the bundled wave and the period the window replays it at.
constexpr int WaveMs = 5141;
constexpr int ReplayMs = 5010;

bool ServerAnswers()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

} // namespace

class TstAlarmSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ringsUntilStopped();
    void playWhileRingingKeepsOneStream();
    void stopWithoutPlayIsQuiet();

private:
    // The server's playing streams: one "Corked: no|yes" entry per stream.
    QStringList streams() const;
    QStringList playingStreams() const { return streams().filter(QStringLiteral("Corked: no")); }

    QTemporaryDir m_dir;
    QProcess m_server;
};

void TstAlarmSound::initTestCase()
{
    Q_INIT_RESOURCE(assets);
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty(),
             "pulseaudio missing: run scripts/install-deps.sh");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty(),
             "pactl missing: run scripts/install-deps.sh");
    QVERIFY(m_dir.isValid());
    const QString socket = m_dir.filePath(QStringLiteral("native"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path());
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"), QStringLiteral("-n"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--log-level=error"),
                    QStringLiteral("--load=module-null-sink"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    QVERIFY(m_server.waitForStarted());

    // Only this process and its pactl calls talk to the test's server.
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(m_dir.path()));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(ServerAnswers(), 10000);
}

void TstAlarmSound::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000))
            m_server.kill();
    }
}

QStringList TstAlarmSound::streams() const
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000))
        return {QStringLiteral("pactl did not answer")};
    QStringList found;
    for (const QString &line : QString::fromUtf8(pactl.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(QStringLiteral("Corked:")))
            found << line.trimmed();
    return found;
}

void TstAlarmSound::ringsUntilStopped()
{
    platform::SoundEffectAlarm alarm;
    QCOMPARE(streams(), QStringList());

    alarm.play();
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams().size(), 1, 5000);

    // Replayed as the alarm timer does, it still sounds past one wave length.
    QElapsedTimer ringing;
    ringing.start();
    QTimer replay;
    connect(&replay, &QTimer::timeout, &replay, [&alarm] { alarm.play(); });
    replay.start(ReplayMs);
    QTest::qWait(WaveMs + 500);
    QVERIFY(ringing.elapsed() > WaveMs);
    QCOMPARE(playingStreams().size(), 1);
    QTest::qWait(WaveMs);
    QCOMPARE(playingStreams().size(), 1);

    replay.stop();
    alarm.stop();
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), QStringList(), 3000);
    // And it stays silent: nothing replays by itself.
    QTest::qWait(WaveMs);
    QCOMPARE(playingStreams(), QStringList());
}

void TstAlarmSound::playWhileRingingKeepsOneStream()
{
    platform::SoundEffectAlarm alarm;
    alarm.play();
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams().size(), 1, 5000);
    alarm.play();
    alarm.play();
    QTest::qWait(500);
    QCOMPARE(playingStreams().size(), 1);
    alarm.stop();
    QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), QStringList(), 3000);
}

void TstAlarmSound::stopWithoutPlayIsQuiet()
{
    platform::SoundEffectAlarm alarm;
    alarm.stop();
    QTest::qWait(300);
    QCOMPARE(streams(), QStringList());
}

QTEST_MAIN(TstAlarmSound)
#include "tst_alarmsound.moc"
