#include "LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setLink(const QString &url, const QString &text)
{
    m_url = url;
    setText(text);
}

void LinkLabel::setLinkColor(const QColor &color)
{
    m_color = color;
    update();
}

int LinkLabel::baseline() const
{
    // The line centred in the label, as a label shows one line; but a face
    // whose line is taller than the label moves up until its underline fits.
    const QFontMetrics metrics(font());
    const int centred = (height() - metrics.height()) / 2 + metrics.ascent();
    return qMin(centred, height() - 1 - qMax(1, metrics.underlinePos()));
}

int LinkLabel::underlineRow() const
{
    return baseline() + qMax(1, QFontMetrics(font()).underlinePos());
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_color);
    const int width = qMin(fontMetrics().horizontalAdvance(text()), this->width());
    painter.drawText(QPoint(0, baseline()), text());
    painter.fillRect(QRect(0, underlineRow(), width, 1), m_color);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && !m_url.isEmpty()) {
        emit linkActivated(m_url);
        QDesktopServices::openUrl(QUrl(m_url));
    }
    QLabel::mouseReleaseEvent(event);
}
