#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running planner per data folder. The first start listens on a local
// socket named after the folder; a later start finds it, asks it to come up,
// and exits.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);

    // True when this process is the first one for the folder and now listens.
    // False when another instance answered and was asked to show its window.
    bool becomePrimary();
    QString serverName() const { return m_serverName; }

signals:
    void activationRequested();

private:
    bool askRunningInstance();

    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
