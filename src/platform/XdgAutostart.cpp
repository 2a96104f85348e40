#include "platform/StartWithSession.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "codec/FileIO.h"
#include "i18n/FileTexts.h"
#include "settings/AutostartEntry.h"

namespace platform {
namespace {

// The base folder of user configuration: the XDG rules ignore a relative
// $XDG_CONFIG_HOME, so only an absolute one counts.
QString ConfigHome()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}

// Creates the folder and its parents. std::filesystem gives the system's
// reason ("Not a directory", ...) where QDir::mkpath gives only false.
QString MakeFolder(const QString &folder)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    return {};
}

} // namespace

XdgAutostart::XdgAutostart(QString executablePath) : m_executablePath(std::move(executablePath)) {}

QString XdgAutostart::entryPath() const
{
    return ConfigHome() + QStringLiteral("/autostart/") + settings::AutostartName + QStringLiteral(".desktop");
}

bool XdgAutostart::isEnabled() const
{
    return QFileInfo(entryPath()).isFile();
}

QString XdgAutostart::setEnabled(bool enabled)
{
    const QString path = entryPath();
    if (enabled) {
        const QString reason = MakeFolder(QFileInfo(path).absolutePath());
        if (!reason.isEmpty())
            return reason;
        // The seam's reasons are English, like the system's texts around it.
        const codec::FileError error = codec::SaveFileBytes(path, settings::AutostartDesktopEntry(m_executablePath));
        return error.failed() ? i18n::FileErrorText(i18n::English, error) : QString();
    }
    QFile entry(path);
    if (!entry.exists() || entry.remove())
        return {};
    return entry.errorString();
}

} // namespace platform
