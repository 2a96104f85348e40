#pragma once

#include <QColor>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>

// Edits, spin edits, date pickers and the filter selector with a flat
// one-pixel frame of a chosen colour that turns grooved (darker) while they
// have the focus. Their buttons are flat; the arrows are drawn here.

class FlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FlatEdit(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

private:
    QColor m_color;
};

// Up and down buttons 12 pixels wide; Enter moves the focus on to the next
// control.
class FlatSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit FlatSpinEdit(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
};

// Date only, display format "dd.MM.yyyy - ", calendar drops down with the
// grid and a bold "today" mark. setDateSilently() changes the date without
// emitting dateChanged, so the change handler runs only for the user.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }
    void setDateSilently(const QDate &date);
    // The field's and the calendar's background; invalid: the usual white.
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_background; }
    // Week numbers down the calendar's left side.
    void setWeekNumbersShown(bool shown);
    bool weekNumbersShown() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle();
    void markToday();

    QColor m_color;
    QColor m_background;
    QDate m_markedToday;
};

// A drop-down list of texts (RzLineComboBox1) filled with one colour, list
// included, with a flat frame.
class LineComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LineComboBox(QWidget *parent = nullptr);
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_background; }
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle();

    QColor m_color;
    QColor m_background;
};
