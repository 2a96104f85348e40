#pragma once

#include <QColor>
#include <QWidget>

class QButtonGroup;
class QRadioButton;

// The language choice: a bevelled group of two radio items side by side,
// its caption drawn 190 pixels from the left edge. Items: 0 Russian, 1 English.
// setItemIndex() from code emits nothing; userChanged() fires only when the
// user selects the item that was not selected.
class LanguageRadioGroup : public QWidget {
    Q_OBJECT
public:
    explicit LanguageRadioGroup(QWidget *parent = nullptr);

    int itemIndex() const; // -1 when no item is selected
    void setItemIndex(int index);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString itemText(int index) const;
    void setCaptionColor(const QColor &color);
    QColor captionColor() const { return m_captionColor; }
    void setShadowColor(const QColor &color);
    QColor shadowColor() const { return m_shadowColor; }
    // 2: the blue radio glyphs (layout); 3: the black ones.
    void setGlyphList(int list);
    int glyphList() const { return m_glyphList; }
    QRadioButton *item(int index) const;

signals:
    void userChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setItemIndexQuietly(int index);
    void layoutItems();
    int captionTop() const;

    QButtonGroup *m_group;
    QRadioButton *m_items[2];
    QString m_caption;
    QColor m_captionColor;
    QColor m_shadowColor;
    int m_glyphList = 2;
    int m_index = -1;
};
