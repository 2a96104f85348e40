#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The History banner: a stretch-in effect on a black background. Each frame
// shows a strip from the middle of the picture stretched across the banner,
// the strip's half-width growing by 20 pixels a frame, until the whole
// picture shows unstretched.
class AnimationFX : public QWidget {
    Q_OBJECT
public:
    explicit AnimationFX(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
    void start();
    bool isRunning() const { return m_timer.isActive(); }
    int halfWidth() const { return m_halfWidth; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void step();

    QPixmap m_picture;
    QTimer m_timer;
    int m_halfWidth = 0;
};
