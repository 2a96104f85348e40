#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {

const QByteArray ShowRequest = "show\n";

QString ServerNameFor(const QString &dataFolder)
{
    const QString canonical =
        QDir(dataFolder).canonicalPath().isEmpty() ? QDir(dataFolder).absolutePath() : QDir(dataFolder).canonicalPath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("tolvik-%1-%2").arg(uint(getuid())).arg(QString::fromLatin1(hash));
}

} // namespace

SingleInstance::SingleInstance(const QString &dataFolder, QObject *parent)
    : QObject(parent), m_serverName(ServerNameFor(dataFolder))
{
}

bool SingleInstance::askRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ShowRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::becomePrimary()
{
    if (askRunningInstance())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // A socket left behind by a crashed instance: nobody answered it above.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName))
            return true; // still run; the planner matters more than the guard
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("show"))
                    emit activationRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}
