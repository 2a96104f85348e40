#pragma once

#include <csignal>
#include <functional>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>

// Runs a piece of a test in a forked child, so that it may change what holds
// for a whole process (its file size limit, its user) or block, without
// touching the test program. The child's answer comes back through a pipe.
// Tests run as root: a child that gives up root meets permissions as a user
// does.
struct ChildSetup {
    rlim_t fileSizeLimit = RLIM_INFINITY; // bytes; a write past it fails with EFBIG, not SIGXFSZ
    bool asNobody = false;                // uid and gid 65534, no supplementary groups
    unsigned timeoutSeconds = 10;         // a child still running then is killed: it blocked
};

struct ChildOutcome {
    QString failure; // empty when the child ran `work` and exited normally
    QByteArray answer;
};

namespace child_process_detail {

inline int Prepare(const ChildSetup &setup)
{
    if (setup.asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
        return 3;
    if (setup.fileSizeLimit != RLIM_INFINITY) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 4;
    }
    return 0;
}

inline bool WriteAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace child_process_detail

inline ChildOutcome RunInChild(const ChildSetup &setup, const std::function<QByteArray()> &work)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {QStringLiteral("no pipe"), {}};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {QStringLiteral("no fork"), {}};
    if (pid == 0) {
        ::close(ends[0]);
        ::alarm(setup.timeoutSeconds);
        int code = child_process_detail::Prepare(setup);
        if (code == 0 && !child_process_detail::WriteAll(ends[1], work()))
            code = 5;
        ::_exit(code);
    }

    ::close(ends[1]);
    ChildOutcome outcome;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(ends[0], buffer, sizeof buffer)) > 0)
        outcome.answer.append(buffer, count);
    ::close(ends[0]);

    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
        outcome.failure = QStringLiteral("the child blocked until its timeout");
    else if (WIFSIGNALED(status))
        outcome.failure = QStringLiteral("the child died of signal %1").arg(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        outcome.failure = QStringLiteral("the child could not run: exit status %1").arg(WEXITSTATUS(status));
    return outcome;
}
