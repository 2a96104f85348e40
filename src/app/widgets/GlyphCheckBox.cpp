#include "GlyphCheckBox.h"

#include <QPainter>
#include <QPixmap>

#include "Palette.h"
namespace {

constexpr int GlyphSize = 13;
constexpr int TextGap = 4;

QPixmap Glyph(int list, bool checked, bool enabled)
{
    const QString set = list == 0 ? QStringLiteral("black") : QStringLiteral("blue");
    QString state = checked ? QStringLiteral("on") : QStringLiteral("off");
    if (!enabled)
        state += QStringLiteral("_disabled");
    return QPixmap(QStringLiteral(":/glyphs/check_%1_%2.png").arg(set, state));
}

} // namespace

GlyphCheckBox::GlyphCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent), m_focusColor(palette::FrameBlue)
{
    setAutoFillBackground(false);
    setAttribute(Qt::WA_Hover, false);
}

void GlyphCheckBox::setGlyphList(int list)
{
    const int chosen = list == 0 ? 0 : 1;
    if (chosen == m_list)
        return;
    m_list = chosen;
    update();
}

void GlyphCheckBox::setFocusColor(const QColor &color)
{
    m_focusColor = color;
    update();
}

void GlyphCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    const int glyphTop = (height() - GlyphSize) / 2;

    const QPixmap glyph = Glyph(m_list, isChecked(), enabled);
    if (!glyph.isNull()) {
        painter.drawPixmap(0, glyphTop, glyph);
    } else {
        // No glyph bitmap: a plain square with a cross when checked.
        const QRect box(0, glyphTop, GlyphSize - 1, GlyphSize - 1);
        painter.fillRect(box, enabled ? palette::White : palette().window().color());
        painter.setPen(m_list == 0 ? palette::Black : m_focusColor);
        painter.drawRect(box);
        if (isChecked()) {
            painter.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
            painter.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
        }
    }

    const QRect textRect(GlyphSize + TextGap, 0, width() - GlyphSize - TextGap, height());
    painter.setFont(font());
    painter.setPen(enabled ? palette::Black : palette::Grey);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        // The focus mark: a dotted outline round the caption in the focus colour.
        QRect bound = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
        bound.adjust(-1, 0, 1, 0);
        bound = bound.intersected(rect().adjusted(0, 0, -1, -1));
        painter.setPen(QPen(m_focusColor, 1, Qt::DotLine));
        painter.drawRect(bound.adjusted(0, 0, -1, -1));
    }
}

bool GlyphCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
