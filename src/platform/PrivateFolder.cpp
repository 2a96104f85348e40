#include "platform/PrivateFolder.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool StatFolder(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0 && S_ISDIR(info->st_mode);
}

// XDG_RUNTIME_DIR as the freedesktop.org base directories require it: ours, 0700.
bool IsUsableRuntimeDir(const QString &path)
{
    struct stat info;
    return QDir::isAbsolutePath(path) && StatFolder(path, &info) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

// A folder nobody else can rename our subfolder out of: ours or root's, and
// not writable by group or others.
bool IsSafeParent(const QString &path)
{
    struct stat info;
    return QDir::isAbsolutePath(path) && StatFolder(path, &info) && (info.st_uid == ::geteuid() || info.st_uid == 0) &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Makes `base/name` with mode 0700, or takes the one there when it is a real
// folder of ours (never a link), setting its mode to 0700.
QString MakePrivateSubfolder(const QString &base, const QString &name)
{
    const QString path = QDir(base).filePath(name);
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info;
    const bool ours = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    const bool private0700 = ours && ((info.st_mode & 07777) == 0700 || ::fchmod(fd, 0700) == 0);
    ::close(fd);
    return private0700 ? path : QString();
}

} // namespace

QString PrivateRuntimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsUsableRuntimeDir(runtime)) {
        const QString folder = MakePrivateSubfolder(runtime, QStringLiteral("tolvik"));
        if (!folder.isEmpty())
            return folder;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache) || !IsSafeParent(cache))
        return {};
    return MakePrivateSubfolder(cache, QStringLiteral("tolvik-run"));
}

} // namespace platform
