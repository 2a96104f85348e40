// The planner's single-instance guard on its own, for tests that start
// several at once. Usage: instance_probe DATA_FOLDER [read-only]
//
// Waits for a line on standard input, so that a test can release many probes
// in the same instant, then runs the guard and prints one line: "primary",
// "handed-over", "other-starting" or "failed ERRNO". A primary then answers
// later starts, printing "shown" for each, until its standard input closes.
// Exit status 1 after "failed", else 0.
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "SingleInstance.h"

#include <unistd.h>

namespace {

void Say(const char *line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    char gate[32];
    if (!std::fgets(gate, sizeof gate, stdin))
        return 2;
    // A release time: every probe starts the guard at that instant.
    const long long at = std::atoll(gate);
    if (at > 0) {
        const struct timespec when = {time_t(at / 1000), long(at % 1000) * 1000000L};
        while (::clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &when, nullptr) == EINTR)
            ;
    }

    SingleInstance instance(QString::fromLocal8Bit(argv[1]), !(argc > 2 && QByteArray(argv[2]) == "read-only"));
    switch (instance.start()) {
    case SingleInstance::Outcome::HandedOver:
        Say("handed-over");
        return 0;
    case SingleInstance::Outcome::OtherStarting:
        Say("other-starting");
        return 0;
    case SingleInstance::Outcome::Failed:
        Say(QByteArray("failed " + QByteArray::number(instance.errorNumber())).constData());
        return 1;
    case SingleInstance::Outcome::Primary:
        Say("primary");
        break;
    }
    QObject::connect(&instance, &SingleInstance::activationRequested, [] { Say("shown"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&app] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            app.quit();
    });
    return app.exec();
}
