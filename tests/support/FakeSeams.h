#pragma once

#include <functional>

#include <QDateTime>
#include <QStringList>
#include <QWidget>

#include "MessageBox.h"
#include "Unit1.h"
#include "platform/Clock.h"
#include "platform/OwnerName.h"
#include "platform/StartWithSession.h"

// Fakes of the window's seams: no modal box, no file outside the test folder.

class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2004, 2, 3), QTime(10, 0))) : m_now(std::move(now)) {}
    QDateTime now() const override
    {
        if (onNow)
            onNow();
        return m_now;
    }
    void setNow(const QDateTime &now) { m_now = now; }
    std::function<void()> onNow; // run at every reading of the clock

private:
    QDateTime m_now;
};

class FakeStartWithSession final : public platform::StartWithSession {
public:
    bool isEnabled() const override { return enabled; }
    QString setEnabled(bool on) override
    {
        enabled = on;
        return {};
    }
    bool enabled = false;
};

class FakeOwnerName final : public platform::OwnerName {
public:
    QString ownerName() const override { return name; }
    QString name = QStringLiteral("Test Owner");
};

class FakeMessageBox final : public MessageBox {
public:
    Answer question(QWidget *, const QString &title, const QString &text) override
    {
        questions << title + QLatin1Char('|') + text;
        return nextAnswer;
    }
    void error(QWidget *parent, const QString &title, const QString &text) override
    {
        errors << title + QLatin1Char('|') + text;
        parentShown << (parent && parent->isVisible());
    }
    void setNextAnswer(Answer answer) { nextAnswer = answer; }

    Answer nextAnswer = No;
    QStringList questions;
    QStringList errors;
    QList<bool> parentShown; // for each error: whether its window was on screen
};

// All four fakes, ready to hand to the window.
struct FakeSeams {
    FakeClock clock;
    FakeStartWithSession startWithSession;
    FakeOwnerName ownerName;
    FakeMessageBox messageBox;

    WindowSeams seams() { return {&clock, &startWithSession, &ownerName, &messageBox}; }
};
