#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/desktop/FreedesktopNotifier.h"

// The real notifier on a private session bus of the test's own, first
// without any notification service, then with python3-dbusmock's
// notification daemon, whose call log shows what arrived.
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

void Stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
}

} // namespace

class TstNotifier : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void withoutServiceNothingHappens();
    void notifyReachesServer();
    void clickActivates_data();
    void clickActivates();

private:
    bool startMock();
    QString callLog() const;
    // The server saying the user clicked `action` of notification `id`.
    bool emitActionInvoked(uint id, const QString &action);

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_mock;
    uint m_lastId = 0; // the mock numbers notifications from 1
};

void TstNotifier::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFileInfo::exists(QStringLiteral("/usr/bin/python3")), "Debian's python3 missing");
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY2(m_bus.waitForStarted(), "dbus-daemon missing: run scripts/install-deps.sh");
    QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 10000);
    const QByteArray address = m_bus.readLine().trimmed();
    QVERIFY(address.startsWith("unix:"));
    // Before the first use of the session bus in this process.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void TstNotifier::cleanupTestCase()
{
    Stop(m_mock);
    Stop(m_bus);
}

bool TstNotifier::startMock()
{
    m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_mock.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"),
                  QStringLiteral("notification_daemon"), QStringLiteral("-l"), m_dir.filePath(QStringLiteral("log"))});
    if (!m_mock.waitForStarted())
        return false;
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    QElapsedTimer waited;
    waited.start();
    while (!bus->isServiceRegistered(Service) && waited.elapsed() < 15000)
        QTest::qWait(50);
    return bus->isServiceRegistered(Service);
}

QString TstNotifier::callLog() const
{
    QFile log(m_dir.filePath(QStringLiteral("log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

bool TstNotifier::emitActionInvoked(uint id, const QString &action)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                       QStringLiteral("EmitSignal"));
    call << Service << QStringLiteral("ActionInvoked") << QStringLiteral("us")
         << QVariantList{QVariant::fromValue(QDBusVariant(id)), QVariant::fromValue(QDBusVariant(action))};
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

void TstNotifier::withoutServiceNothingHappens()
{
    platform::FreedesktopNotifier notifier;
    QSignalSpy activated(&notifier, &platform::Notifier::activated);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    notifier.notify(QStringLiteral("Tolvik"), QStringLiteral("Nobody listens"));
    QTest::qWait(500);
    QCOMPARE(activated.count(), 0);
}

void TstNotifier::notifyReachesServer()
{
    QVERIFY2(startMock(), "python3-dbusmock's notification daemon did not start");
    platform::FreedesktopNotifier notifier;
    notifier.notify(QStringLiteral("Tolvik"), QStringLiteral("Позвонить маме; 09:05"));
    ++m_lastId;
    QTRY_VERIFY_WITH_TIMEOUT(callLog().contains(QStringLiteral("Notify")), 5000);
    const QString log = callLog();
    QVERIFY2(log.contains(QStringLiteral("Notify \"Tolvik\" 0 \"\" \"Tolvik\" \"Позвонить маме; 09:05\" "
                                         "[\"default\", \"Tolvik\"]")),
             qPrintable(log));
}

void TstNotifier::clickActivates_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("activations");

    QTest::newRow("default action of ours") << true << "default" << 1;
    QTest::newRow("another action of ours") << true << "snooze" << 0;
    QTest::newRow("default action of another program's") << false << "default" << 0;
}

void TstNotifier::clickActivates()
{
    QFETCH(bool, ours);
    QFETCH(QString, action);
    QFETCH(int, activations);

    QVERIFY(m_mock.state() == QProcess::Running || startMock());
    platform::FreedesktopNotifier notifier;
    QSignalSpy activated(&notifier, &platform::Notifier::activated);
    notifier.notify(QStringLiteral("Tolvik"), QStringLiteral("Click me"));
    const uint id = ++m_lastId;
    // Another program's notification, straight to the server.
    QDBusMessage other = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    other << QStringLiteral("Other") << uint(0) << QString() << QStringLiteral("Other") << QString()
          << QStringList{QStringLiteral("default"), QStringLiteral("Open")} << QVariantMap() << int(-1);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(other, QDBus::Block, 5000);
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
    const uint otherId = reply.arguments().value(0).toUInt();
    QCOMPARE(otherId, ++m_lastId);
    QTest::qWait(200); // the notifier takes its id from the server's answer

    QVERIFY(emitActionInvoked(ours ? id : otherId, action));
    QTest::qWait(300);
    QCOMPARE(activated.count(), activations);
}

QTEST_MAIN(TstNotifier)
#include "tst_notifier.moc"
