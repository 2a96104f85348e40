#pragma once

#include <QByteArray>
#include <QString>

// The start-with-session entry on Linux: an XDG autostart desktop file named
// after the program whose Exec line starts the executable by its full path.
namespace settings {

inline const QString AutostartName = QStringLiteral("Tolvik");

// Quotes a path for an Exec key as the Desktop Entry rules require: always in
// double quotes, with '"', '`', '$' and '\' escaped by a backslash and '%'
// doubled; then, for the string value, every backslash doubled once more and
// newline, CR and tab written as \n, \r, \t.
QString QuoteExecArgument(const QString &path);

// The whole desktop file, UTF-8, LF line ends.
QByteArray AutostartDesktopEntry(const QString &executablePath);

} // namespace settings
