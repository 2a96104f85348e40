#pragma once

#include <functional>

#include <QDateTime>
#include <QStringList>
#include <QWidget>

#include "MessageBox.h"
#include "Unit1.h"
#include "platform/AlarmSound.h"
#include "platform/Clock.h"
#include "platform/FileLauncher.h"
#include "platform/Notifier.h"
#include "platform/OwnerName.h"
#include "platform/PowerOff.h"
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
        if (!failWith.isEmpty())
            return failWith;
        enabled = on;
        return {};
    }
    bool enabled = false;
    QString failWith; // the reason every setEnabled() fails with, when set
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

// Every path handed to the launcher, in order; nothing is started.
class FakeFileLauncher final : public platform::FileLauncher {
public:
    void launch(const QString &path) override { launched << path; }
    QStringList launched;
};

// Counts plays and stops; `playing` is what a listener would hear.
class FakeAlarmSound final : public platform::AlarmSound {
public:
    void play() override
    {
        ++plays;
        playing = true;
    }
    void stop() override
    {
        ++stops;
        playing = false;
    }
    int plays = 0;
    int stops = 0;
    bool playing = false;
};

// Counts the requests; the machine is never touched.
class FakePowerOff final : public platform::PowerOff {
public:
    void requestPowerOff() override { ++requests; }
    int requests = 0;
};

// Keeps "summary|body" of every notification; click() stands for the user's
// click on one.
class FakeNotifier final : public platform::Notifier {
public:
    void notify(const QString &summary, const QString &body) override
    {
        notifications << summary + QLatin1Char('|') + body;
    }
    void click() { emit activated(); }
    QStringList notifications;
};

// All four fakes, ready to hand to the window.
struct FakeSeams {
    FakeClock clock;
    FakeStartWithSession startWithSession;
    FakeOwnerName ownerName;
    FakeMessageBox messageBox;

    WindowSeams seams() { return {&clock, &startWithSession, &ownerName, &messageBox}; }
};
