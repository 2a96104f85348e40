#pragma once

#include <QColor>
#include <QString>

class QLabel;

// Makes a label a link: the text underlined in `color`, a click opens `url`
// (a "mailto:" address or a web page) in the system's mail program or browser.
// Call again to change the colour. Set the label's font first: a face taller
// than the layout's makes the label a little higher so the underline shows.
void SetLink(QLabel *label, const QString &url, const QString &text, const QColor &color);
