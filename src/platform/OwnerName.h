#pragma once

#include <QString>

namespace platform {

// The name of the person who owns this account.
class OwnerName {
public:
    virtual ~OwnerName() = default;
    virtual QString ownerName() const = 0;
};

// The full name from the passwd entry (GECOS, up to its first comma), else the login name.
class PasswdOwnerName final : public OwnerName {
public:
    QString ownerName() const override;
};

} // namespace platform
