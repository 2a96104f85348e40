#pragma once

#include <QColor>
#include <QLabel>

// A link label: its text underlined in its link colour; a left click opens
// the address (a "mailto:" address or a web page) in the system's mail
// program or browser. It keeps the size the layout gives it: the text sits so
// that its underline lies inside the label, whatever the face's line height.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

    void setLink(const QString &url, const QString &text);
    QString url() const { return m_url; }
    void setLinkColor(const QColor &color);
    QColor linkColor() const { return m_color; }

    // The baseline of the text and the row of its underline, in the label.
    int baseline() const;
    int underlineRow() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_url;
    QColor m_color;
};
