#pragma once

#include <QByteArray>
#include <QString>

// The start-with-session entry on Linux: an XDG autostart desktop file named
// after the program whose Exec line starts the executable by its full path.
namespace settings {

inline const QString AutostartName = QStringLiteral("Tolvik");

// Quotes a path for an Exec key as the Desktop Entry rules require: always in
// double quotes, with '"', '`', '$' and '\' escaped by a backslash, and the
// backslashes of that escaping doubled once more for the string value.
QString QuoteExecArgument(const QString &path);

// The whole desktop file, UTF-8, LF line ends.
QByteArray AutostartDesktopEntry(const QString &executablePath);

} // namespace settings
