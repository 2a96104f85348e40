#pragma once

#include <QColor>
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

class FlatSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit FlatSpinEdit(QWidget *parent = nullptr);
    void setFrameColor(const QColor &color);
    QColor frameColor() const { return m_color; }

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

private:
    QColor m_color;
};
