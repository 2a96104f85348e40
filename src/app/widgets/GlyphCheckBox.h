#pragma once

#include <QCheckBox>
#include <QColor>

// A check box drawn with glyphs from the glyph lists: list 1 the blue set
// (the layout's), list 0 the black set of black-border mode. Transparent
// background; setChecked() from code emits no `clicked`, so handlers connected
// to `clicked` run only for the user.
class GlyphCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit GlyphCheckBox(const QString &text, QWidget *parent = nullptr);
    void setGlyphList(int list);
    int glyphList() const { return m_list; }
    void setFocusColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    int m_list = 1;
    QColor m_focusColor;
};
