#pragma once

#include <QColor>
#include <QWidget>

// A decorative one-pixel outline drawn beneath the controls it surrounds.
// It takes no mouse input. Used for RzBorder1..28 and, with children, for
// the framed panel RzPanel1.
class FlatBorder : public QWidget {
    Q_OBJECT
public:
    explicit FlatBorder(QWidget *parent = nullptr, bool isContainer = false);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};
