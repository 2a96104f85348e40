#include "LinkLabel.h"

#include <QFontMetrics>
#include <QLabel>

void SetLink(QLabel *label, const QString &url, const QString &text, const QColor &color)
{
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color: %2; text-decoration: underline;\">%3</a>")
                       .arg(url.toHtmlEscaped(), color.name(), text.toHtmlEscaped()));
    label->setProperty("linkUrl", url);
    label->setProperty("linkText", text);

    // The layout's height fits the designed face; a face with a taller line
    // would push the underline out of the label, so the label grows down
    // just enough to keep it.
    const QFontMetrics metrics(label->font());
    const int needed = metrics.ascent() + metrics.underlinePos() + metrics.lineWidth() + 1;
    if (label->height() < needed)
        label->resize(label->width(), needed);
}
