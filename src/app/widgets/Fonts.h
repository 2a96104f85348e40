#pragma once

#include <QFont>

// The window's fonts. The layout is drawn for "MS Sans Serif" and "Small
// Fonts"; where those faces are missing, a narrow sans-serif face with
// Cyrillic letters (Arial, Liberation Sans, Nimbus Sans...) stands in at the
// same pixel size, and failing those the system's sans-serif face, so the
// fixed layout keeps its proportions.

// The window and most controls: 11 px; the date headers 16 px bold; the
// hour/minute separator 13 px bold.
QFont UiFont(int pixelSize = 11, bool bold = false);

// The small captions (Label7, Label18, Label19, Label20, Label24, Label25): 9 px.
QFont SmallFont();
