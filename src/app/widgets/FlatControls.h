#pragma once

#include <QColor>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QSpinBox>

// Edits, spin edits and date pickers with a flat one-pixel frame of a chosen
// colour that turns grooved while they have the focus.

class FlatEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FlatEdit(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

private:
    QColor m_color;
};

// Enter moves the focus on to the next control.
class FlatSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit FlatSpinEdit(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_color;
};

// Date only, display format "dd.MM.yyyy - ", calendar drops down.
// setDateSilently() changes the date without emitting dateChanged, so the
// change handler runs only for the user.
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

private:
    void applyStyle();
    void markToday();

    QColor m_color;
    QColor m_background;
    QDate m_markedToday;
};
