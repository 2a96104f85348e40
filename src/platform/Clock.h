#pragma once

#include <QDateTime>

namespace platform {

// "Now", handed to the domain as a parameter. Tests use a fixed clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace platform
