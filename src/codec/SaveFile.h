#pragma once

#include <QByteArray>
#include <QString>

namespace codec {

// Replaces the file's content through QSaveFile: the old file stays whole
// until the new one is complete. Returns an empty text on success, else the
// reason. Every writer of the program's files goes through here.
QString SaveFileBytes(const QString &path, const QByteArray &bytes);

} // namespace codec
