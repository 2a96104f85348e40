#include "SingleInstance.h"

#include <cerrno>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include "platform/PrivateFolder.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const QByteArray ShowRequest = "tolvik-show\n";
const QByteArray Greeting = "tolvik-shown\n";
const QString LockFileName = QStringLiteral("tolvik.lock");

// A planner writes its name into the lock right after making it; a lock
// without one that is older than this was left half made.
constexpr qint64 HalfMadeLockAgeMs = 2000;
// How long a start keeps trying before it gives up on a lock it cannot read.
constexpr qint64 GiveUpMs = 5000;
constexpr unsigned long RetryMs = 50;

QString FolderKey(const QString &dataFolder)
{
    const QDir dir(dataFolder);
    const QString canonical = dir.canonicalPath().isEmpty() ? dir.absolutePath() : dir.canonicalPath();
    return QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(canonical), QCryptographicHash::Sha256).toHex().left(32));
}

// Only a file that is not a folder is ever removed from the socket's place.
bool RemoveNonFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    return ::lstat(native.constData(), &info) == 0 && !S_ISDIR(info.st_mode) && ::unlink(native.constData()) == 0;
}

bool IsOlderThan(const QString &path, qint64 milliseconds)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() && modified.msecsTo(QDateTime::currentDateTime()) > milliseconds;
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, bool folderWritable, QObject *parent) : QObject(parent)
{
    const QString privateFolder = platform::PrivateRuntimeFolder();
    const QString key = FolderKey(dataFolder);
    if (!privateFolder.isEmpty())
        m_socketPath = QDir(privateFolder).filePath(key + QStringLiteral(".socket"));
    m_lockPath = folderWritable || privateFolder.isEmpty()
                     ? QDir(dataFolder).filePath(LockFileName)
                     : QDir(privateFolder).filePath(key + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a lock whose owner is gone is stale, however long a planner runs.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    // The socket goes before the lock: once the lock is free, a new planner
    // may already be listening at the same name.
    delete m_server;
    m_server = nullptr;
}

SingleInstance::Outcome SingleInstance::start()
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        errno = 0;
        if (m_lock->tryLock(0)) {
            listen();
            return Outcome::Primary;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_errorNumber = lockErrorNumber(errno);
            return Outcome::Failed;
        }
        const Holder holder = lockHolder();
        if (holder == Holder::Alive) {
            if (askRunningPlanner())
                return Outcome::HandedOver;
            // The holder may have ended meanwhile; else it is a planner still starting.
            if (m_lock->tryLock(0)) {
                listen();
                return Outcome::Primary;
            }
            return Outcome::OtherStarting;
        }
        // A lock of a planner that is gone is taken over by tryLock itself. One
        // that names nobody is a folder in the lock's place, or the lock of a
        // planner that died before it wrote its name.
        if (holder == Holder::Unnamed) {
            if (!QFileInfo(m_lockPath).isFile()) {
                m_errorNumber = EEXIST;
                return Outcome::Failed;
            }
            if (IsOlderThan(m_lockPath, HalfMadeLockAgeMs))
                (void)m_lock->removeStaleLockFile(); // refused while a live owner holds it
        }
        if (waited.elapsed() > GiveUpMs) {
            m_errorNumber = EEXIST;
            return Outcome::Failed;
        }
        QThread::msleep(RetryMs);
    }
}

SingleInstance::Holder SingleInstance::lockHolder() const
{
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!m_lock->getLockInfo(&pid, &hostName, &appName) || pid <= 0)
        return Holder::Unnamed;
    if (!hostName.isEmpty() && hostName != QSysInfo::machineHostName())
        return Holder::Alive; // another machine's planner: we cannot look, so it counts as running
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM ? Holder::Alive : Holder::Gone;
}

bool SingleInstance::askRunningPlanner() const
{
    if (m_socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(1000))
        return false;
    QByteArray reply;
    const QDeadlineTimer deadline(3000);
    while (!reply.contains('\n') && reply.size() <= Greeting.size() &&
           socket.waitForReadyRead(int(deadline.remainingTime())))
        reply += socket.readAll();
    reply += socket.readAll();
    return reply == Greeting;
}

void SingleInstance::listen()
{
    if (m_socketPath.isEmpty())
        return;
    auto *server = new QLocalServer(this);
    // We hold the lock, so anything at the socket's name in our private folder
    // is left over from a planner that was killed.
    if (!server->listen(m_socketPath) && server->serverError() == QAbstractSocket::AddressInUseError &&
        RemoveNonFolder(m_socketPath))
        server->listen(m_socketPath);
    if (!server->isListening()) {
        delete server; // the planner still runs: the lock keeps others out
        return;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

void SingleInstance::answer(QLocalSocket *socket)
{
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    if (!request.startsWith(ShowRequest)) {
        if (ShowRequest.startsWith(request))
            socket->setProperty("request", request); // the rest is still coming
        else
            socket->abort();
        return;
    }
    socket->write(Greeting);
    socket->disconnectFromServer(); // once the greeting is written
    emit activationRequested();
}

int SingleInstance::lockErrorNumber(int errorAfterTry) const
{
    if (errorAfterTry != 0)
        return errorAfterTry;
    const QByteArray folder = QFile::encodeName(QFileInfo(m_lockPath).path());
    struct stat info;
    if (::stat(folder.constData(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return errno;
    struct statvfs filesystem;
    if (::statvfs(folder.constData(), &filesystem) == 0 && (filesystem.f_flag & ST_RDONLY))
        return EROFS;
    return 0;
}
