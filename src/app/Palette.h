#pragma once

#include <QColor>

// Every colour the window and its controls are drawn with, in one place.
namespace palette {

// The product's two blues.
inline const QColor FrameBlue = QColor(0x00, 0x80, 0xC0); // frames, links, captions, hint border
inline const QColor BandBlue = QColor(0xB0, 0xD8, 0xF0);  // bands, selector, picker, hints

inline const QColor DownloadLink = QColor(0x0A, 0x23, 0x67); // RzURLLabel4
inline const QColor Black = QColor(0, 0, 0);
inline const QColor White = QColor(0xFF, 0xFF, 0xFF);
inline const QColor Grey = QColor(128, 128, 128);               // status bar, user name, disabled captions
inline const QColor DisabledArrow = QColor(160, 160, 160);      // arrows of disabled spin, drop-down buttons
inline const QColor TabBorder = QColor(0xA0, 0xA0, 0xA0);       // the page tabs' outline
inline const QColor BevelShadow = QColor(0x80, 0x80, 0x80);     // the lowered phone field's upper left edge
inline const QColor BevelLight = QColor(0xFF, 0xFF, 0xFF);      // ... and its lower right edge
inline const QColor ReminderText = QColor(0xFF, 0x00, 0x00);    // Memo2
inline const QColor VersionOnBanner = QColor(0xC0, 0xC0, 0xC0); // Label7 over the banner's black ground

} // namespace palette
