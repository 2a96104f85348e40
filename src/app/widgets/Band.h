#pragma once

#include <QColor>
#include <QWidget>

// A container filled with one colour, no bevel (Panel1..Panel4).
class Band : public QWidget {
    Q_OBJECT
public:
    explicit Band(const QColor &color, QWidget *parent = nullptr);
};
