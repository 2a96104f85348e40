#include "platform/desktop/DesktopFileLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

void DesktopFileLauncher::launch(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return;
    // The absolute path keeps a name that starts with "-" from reading as an
    // option, and a bare name from being looked up in PATH.
    const QString absolute = file.absoluteFilePath();
    if (file.isExecutable())
        QProcess::startDetached(absolute, {});
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(absolute));
}

} // namespace platform
