#pragma once

#include <QByteArray>
#include <QString>

// The data files are single-byte Windows-1251 text. Every file reader and
// writer goes through these two functions so the encoding lives in one place.
namespace codec {

// Decodes Windows-1251 bytes from the table the program carries, so no
// converter of the system is needed. Never fails: every byte maps to one
// character, and the 256 characters are all different.
QString FromAnsi(QByteArrayView bytes);

// Encodes to Windows-1251. Characters the encoding cannot hold become '?'
// (one '?' for a character written as a surrogate pair).
QByteArray ToAnsi(QStringView text);

// True when the character survives a round trip through Windows-1251.
bool IsAnsiRepresentable(QChar c);

// Replaces every character that Windows-1251 cannot hold with '?', so what a
// text field shows is what the file will store.
QString KeepAnsiOnly(QStringView text);

} // namespace codec
