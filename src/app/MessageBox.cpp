#include "MessageBox.h"

#include <QMessageBox>

MessageBox::Answer QtMessageBox::question(QWidget *parent, const QString &title, const QString &text)
{
    const auto button = QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Yes : No;
}

void QtMessageBox::error(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::critical(parent, title, text);
}
