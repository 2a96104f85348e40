#include "platform/desktop/FreedesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace platform {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
const QString AppName = QStringLiteral("Tolvik");
const QString DefaultAction = QStringLiteral("default");

} // namespace

FreedesktopNotifier::FreedesktopNotifier(QObject *parent) : Notifier(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
}

void FreedesktopNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    call << AppName << uint(0) << QString() << summary << body << QStringList{DefaultAction, AppName} << QVariantMap()
         << int(-1);
    // Asynchronous: a missing or slow server never holds up the window.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isValid())
            m_shown.insert(reply.value());
        finished->deleteLater();
    });
}

void FreedesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (action == DefaultAction && m_shown.contains(id))
        emit activated();
}

void FreedesktopNotifier::onNotificationClosed(uint id, uint)
{
    m_shown.remove(id);
}

} // namespace platform
