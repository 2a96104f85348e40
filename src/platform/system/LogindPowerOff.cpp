#include "platform/system/LogindPowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace platform {
namespace {

// Long enough for logind to take the request, short enough that the program
// ends at once when the bus does not answer.
constexpr int ReplyTimeoutMs = 2000;

} // namespace

void LogindPowerOff::requestPowerOff()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << false;
    // Waiting for the reply makes sure the request has left before the program
    // ends; what logind answers does not matter.
    bus.call(call, QDBus::Block, ReplyTimeoutMs);
}

} // namespace platform
