#pragma once

#include <QFont>

// The window's fonts. The layout is drawn for "MS Sans Serif" and "Small
// Fonts"; where those faces are missing the system's sans-serif face stands in
// at the same pixel size, so the fixed layout keeps its proportions.

// The window and most controls: 11 px; the date headers 16 px bold; the
// hour/minute separator 13 px bold.
QFont UiFont(int pixelSize = 11, bool bold = false);

// The small captions (Label7, Label18, Label19, Label20, Label24, Label25): 9 px.
QFont SmallFont();
