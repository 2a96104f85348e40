#pragma once

#include <QString>

class QWidget;

// The window's question and error boxes. Tests use a fake that answers
// without a modal box.
class MessageBox {
public:
    enum Answer { Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer question(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void error(QWidget *parent, const QString &title, const QString &text) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    Answer question(QWidget *parent, const QString &title, const QString &text) override;
    void error(QWidget *parent, const QString &title, const QString &text) override;
};
