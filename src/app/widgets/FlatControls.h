#pragma once

#include <functional>

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
// grid and a bold "today" mark.
//
// userDateChanged() reports the user's choices only: a day picked in the
// calendar, a step with the arrow keys or the wheel, a typed date once it is
// finished (Enter or leaving the field). A half-typed date is not taken: the
// date stays what it was until the typing ends. Dates set from code go
// through setDateSilently() and are never reported.
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
    // Where the calendar's "today" mark comes from, asked each time the
    // calendar opens; without it no day is marked.
    void setTodaySource(std::function<QDate()> today);
    QDate markedToday() const { return m_markedToday; }

signals:
    void userDateChanged(const QDate &date);

protected:
    void stepBy(int steps) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle();
    void markToday();
    // Reports the date if the user's change left it other than last reported.
    void settle();

    QColor m_color;
    QColor m_background;
    std::function<QDate()> m_today;
    QDate m_markedToday;
    QDate m_settled;
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
