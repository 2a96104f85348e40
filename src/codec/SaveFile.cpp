#include "codec/SaveFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace codec {
namespace {

// QSaveFile reports "Unknown error" when it cannot create its temporary file;
// say what is in the way instead.
QString OpenFailureReason(const QString &path, const QString &reported)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("a folder of that name is in the way");
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("the folder does not exist");
    if (!folder.isDir())
        return QStringLiteral("the folder path is not a folder");
    if (!reported.isEmpty() && reported != QLatin1String("Unknown error"))
        return reported;
    return QStringLiteral("cannot create a file in the folder");
}

} // namespace

QString SaveFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return OpenFailureReason(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace codec
