#pragma once

class QApplication;

// The look of every tool tip: background #B0D8F0, black text and a single
// flat border of #0080C0, in the window's font. Call once from main() after the
// application exists.
void ApplyHintStyle(QApplication &application);
