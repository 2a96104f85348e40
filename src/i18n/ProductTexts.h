#pragma once

#include <QString>

// The product's fixed texts: the same in both languages.
namespace i18n {

inline const QString VersionText = QStringLiteral("2.0.1.0");

// The History page's version label: "[ver.2.0.1.0]".
inline QString VersionTag()
{
    return QStringLiteral("[ver.") + VersionText + QStringLiteral("]");
}

// In front of the owner's name at the bottom of the Records page; two blanks.
inline const QString UserNamePrefix = QStringLiteral("user name:  ");

// Where users write to: the mail link of the title strip and the History
// text. Short enough for the link's 73 pixels.
inline const QString ContactAddress = QStringLiteral("tolvik@x.test");

// The Reminder page's download link.
inline const QString DownloadSite = QStringLiteral("example.org");
inline const QString DownloadPage = QStringLiteral("https://example.org/tolvik");
inline QString DownloadCaption()
{
    return QStringLiteral("[download from ") + DownloadSite + QStringLiteral("]");
}

} // namespace i18n
