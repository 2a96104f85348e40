#pragma once

#include <memory>

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// One running planner per data folder. Holding a lock file in the folder is
// what makes a process the planner; a later start finds the lock held, asks
// the planner over a local socket in a folder only this user can reach to
// bring its window up, and exits. The socket is only a doorbell: an answer
// that is not the planner's greeting is never obeyed, and whatever sits at
// the socket's name never stops the process that can take the lock.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Primary,       // this process holds the lock: it runs the planner
        HandedOver,    // the running planner answered and comes up: exit
        OtherStarting, // a live process holds the lock but did not answer (it may still be starting): exit
        Failed,        // no lock could be made: lockPath() and errorNumber() say why
    };

    // A data folder that cannot be written keeps its lock in the private
    // runtime folder instead, named after the data folder.
    explicit SingleInstance(const QString &dataFolder, bool folderWritable = true, QObject *parent = nullptr);
    ~SingleInstance() override;

    [[nodiscard]] Outcome start();

    QString lockPath() const { return m_lockPath; }
    // Empty when no private folder could be had: then nothing listens, and
    // the lock alone keeps a second planner out.
    QString socketPath() const { return m_socketPath; }
    bool isListening() const { return m_server != nullptr; }
    // The system's error code when start() failed; 0 when it is not known.
    int errorNumber() const { return m_errorNumber; }

signals:
    void activationRequested();

private:
    enum class Holder { Alive, Gone, Unnamed };

    Holder lockHolder() const;
    bool askRunningPlanner() const;
    void listen();
    void answer(QLocalSocket *socket);
    int lockErrorNumber(int errorAfterTry) const;

    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    int m_errorNumber = 0;
};
