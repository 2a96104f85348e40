#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The name of the person who owns this account.
class OwnerName {
public:
    virtual ~OwnerName() = default;
    virtual QString ownerName() const = 0;
};

// The naming rule apart from the lookup, so it can be tried on any entry: the
// GECOS full name up to its first comma, trimmed; else the login name; with
// no passwd entry at all (null login), $USER. Bytes are in the locale's encoding.
QString OwnerNameFromPasswd(const char *gecos, const char *login, const QByteArray &userVariable);

// The full name from the passwd entry (GECOS, up to its first comma), else the login name.
class PasswdOwnerName final : public OwnerName {
public:
    QString ownerName() const override;
};

} // namespace platform
