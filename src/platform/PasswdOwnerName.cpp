#include "platform/OwnerName.h"

#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace platform {

QString OwnerNameFromPasswd(const char *gecos, const char *login, const QByteArray &userVariable)
{
    if (!login)
        return QString::fromLocal8Bit(userVariable);
    // GECOS is "full name,room,work phone,home phone,other"; only the name is wanted.
    const QByteArray fields(gecos ? gecos : "");
    const qsizetype comma = fields.indexOf(',');
    const QString fullName = QString::fromLocal8Bit(comma < 0 ? fields : fields.left(comma)).trimmed();
    if (!fullName.isEmpty())
        return fullName;
    return QString::fromLocal8Bit(login);
}

QString PasswdOwnerName::ownerName() const
{
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? size_t(suggested) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0)
        found = nullptr;
    return OwnerNameFromPasswd(found ? found->pw_gecos : nullptr, found ? found->pw_name : nullptr, qgetenv("USER"));
}

} // namespace platform
