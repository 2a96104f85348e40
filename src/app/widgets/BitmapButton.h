#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from one face bitmap per state (up, down, disabled, up and
// focused) with its caption over the face; no focus rectangle. The caption's
// leading blanks are part of the text: the caption is centred, so they move it
// right, clear of the glyph at the face's left end.
class BitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    // faceWidth picks the face set: 81 or 75 pixels wide, 20 high.
    explicit BitmapButton(int faceWidth, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_up, m_down, m_disabled, m_focused;
};
