#pragma once

#include <QSet>

#include "platform/Notifier.h"

namespace platform {

// Notifications through org.freedesktop.Notifications on the session bus,
// each with a default action; the user's click on one of ours (the server's
// ActionInvoked with "default") gives activated().
class FreedesktopNotifier final : public Notifier {
    Q_OBJECT

public:
    explicit FreedesktopNotifier(QObject *parent = nullptr);
    void notify(const QString &summary, const QString &body) override;

private slots:
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    QSet<uint> m_shown; // ids the server gave our notifications, until closed
};

} // namespace platform
