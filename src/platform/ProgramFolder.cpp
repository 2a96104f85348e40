#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace platform {

QString ChooseProgramFolder(const QString &executableFolder)
{
    const QByteArray native = QFile::encodeName(executableFolder);
    if (QFileInfo(executableFolder).isDir() && ::access(native.constData(), W_OK) == 0)
        return executableFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dataFolder);
    return dataFolder;
}

} // namespace platform
