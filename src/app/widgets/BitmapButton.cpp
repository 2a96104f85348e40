#include "BitmapButton.h"

#include <QPainter>

namespace {

QPixmap Face(int faceWidth, const char *state)
{
    return QPixmap(QStringLiteral(":/buttons/face%1_%2.png").arg(faceWidth).arg(QLatin1String(state)));
}

// The caption starts this far from the face's left edge; the caption's own
// leading blanks then move it clear of the glyph drawn on the face.
constexpr int CaptionLeft = 2;

} // namespace

BitmapButton::BitmapButton(int faceWidth, QWidget *parent) : QAbstractButton(parent)
{
    const int width = faceWidth == 75 ? 75 : 81;
    m_up = Face(width, "up");
    m_down = Face(width, "down");
    m_disabled = Face(width, "disabled");
    m_focused = Face(width, "focused");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    resize(width, 20);
}

QSize BitmapButton::sizeHint() const
{
    if (!m_up.isNull())
        return m_up.size();
    return QSize(81, 20);
}

void BitmapButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool pressed = enabled && isDown();

    const QPixmap *face = &m_up;
    if (!enabled)
        face = &m_disabled;
    else if (pressed)
        face = &m_down;
    else if (hasFocus())
        face = &m_focused;

    if (!face->isNull()) {
        painter.drawPixmap(0, 0, *face);
    } else {
        // No face bitmap: a plain raised or sunken panel of the same size.
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), palette().button());
        painter.setPen(pressed ? palette().dark().color() : palette().light().color());
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(pressed ? palette().light().color() : palette().dark().color());
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    QRect textRect = rect().adjusted(CaptionLeft, 0, 0, 0);
    if (pressed)
        textRect.translate(1, 1);
    painter.setFont(font());
    painter.setPen(enabled ? QColor(Qt::black) : QColor(128, 128, 128));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
}
