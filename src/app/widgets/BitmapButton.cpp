#include "BitmapButton.h"

#include <QPainter>

#include "Palette.h"
namespace {

QPixmap Face(int faceWidth, const char *state)
{
    return QPixmap(QStringLiteral(":/buttons/face%1_%2.png").arg(faceWidth).arg(QLatin1String(state)));
}

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

    // The caption is centred on the face; its leading blanks move it right,
    // clear of the glyph at the face's left end.
    QRect textRect = rect();
    if (pressed)
        textRect.translate(1, 1);
    painter.setFont(font());
    painter.setPen(enabled ? palette::Black : palette::Grey);
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text());
}
