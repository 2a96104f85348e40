#include "platform/ProgramFolder.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

namespace {

bool HoldsProgramFiles(const QString &folder)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(PortableMarker)))
        return true;
    for (const QString &name : DataFileNames)
        if (QFileInfo::exists(dir.filePath(name)))
            return true;
    return false;
}

// Zero when `folder` is a folder now, made here if it was missing; else the
// system's error code.
int MakeFolder(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (error)
        return error.value();
    return QFileInfo(folder).isDir() ? 0 : ENOTDIR;
}

} // namespace

bool IsWritableFolder(const QString &folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct statvfs filesystem;
    return QFileInfo(folder).isDir() && ::faccessat(AT_FDCWD, native.constData(), W_OK | X_OK, AT_EACCESS) == 0 &&
           ::statvfs(native.constData(), &filesystem) == 0 && (filesystem.f_flag & ST_RDONLY) == 0;
}

ProgramFolderChoice ChooseProgramFolder(const QString &executableFolder, const QString &userDataFolder)
{
    if (HoldsProgramFiles(executableFolder))
        return {executableFolder, IsWritableFolder(executableFolder), {}, 0};
    if (const int error = MakeFolder(userDataFolder))
        return {{}, false, userDataFolder, error};
    return {userDataFolder, IsWritableFolder(userDataFolder), {}, 0};
}

ProgramFolderChoice ChooseProgramFolder(const QString &executableFolder)
{
    return ChooseProgramFolder(executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace platform
