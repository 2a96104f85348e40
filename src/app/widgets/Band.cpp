#include "Band.h"

#include <QPalette>

Band::Band(const QColor &color, QWidget *parent) : QWidget(parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}
