#include "FlatBorder.h"

#include <QPainter>

FlatBorder::FlatBorder(QWidget *parent, bool isContainer) : QWidget(parent), m_color(0x00, 0x80, 0xC0)
{
    if (!isContainer) {
        // A plain outline: clicks go to whatever lies beneath, and it stays
        // under the controls it surrounds.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        lower();
    }
}

void FlatBorder::setFrameColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void FlatBorder::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
