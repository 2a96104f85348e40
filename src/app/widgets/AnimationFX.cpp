#include "AnimationFX.h"

#include <QPainter>

#include "Palette.h"
namespace {

constexpr int FrameInterval = 1; // milliseconds
constexpr int GrowthPerFrame = 20;

} // namespace

AnimationFX::AnimationFX(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_timer.setInterval(FrameInterval);
    connect(&m_timer, &QTimer::timeout, this, &AnimationFX::step);
}

void AnimationFX::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void AnimationFX::start()
{
    m_halfWidth = 0;
    if (m_picture.isNull()) {
        update();
        return;
    }
    m_timer.start();
    update();
}

void AnimationFX::step()
{
    m_halfWidth += GrowthPerFrame;
    if (m_halfWidth >= m_picture.width() / 2)
        m_timer.stop();
    update();
}

void AnimationFX::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette::Black);
    if (m_picture.isNull())
        return;

    if (!m_timer.isActive()) {
        // At rest: the whole picture, unstretched, in the middle.
        const QPoint topLeft((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
        painter.drawPixmap(topLeft, m_picture);
        return;
    }
    if (m_halfWidth <= 0)
        return;
    // A strip from the middle of the picture, stretched over the banner.
    const int middle = m_picture.width() / 2;
    const int left = qMax(0, middle - m_halfWidth);
    const int right = qMin(m_picture.width(), middle + m_halfWidth);
    const QRect source(left, 0, right - left, m_picture.height());
    painter.drawPixmap(rect(), m_picture, source);
}
