#pragma once

#include <QObject>
#include <QString>

namespace platform {

// A desktop notification for each reminder; activated() when the user clicks
// one, so the window can come up where a program may not raise itself.
// Without a notification service nothing shows and nothing is reported.
class Notifier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~Notifier() override;
    virtual void notify(const QString &summary, const QString &body) = 0;

signals:
    void activated();
};

} // namespace platform
