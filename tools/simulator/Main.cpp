#include "Simulator.h"

#include <QGuiApplication>
#include <QJsonDocument>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

// Hundreds of pods with a few keep-alive connections each outgrow the usual limit of 1024.
void raiseDescriptorLimit()
{
    rlimit limit {};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

void printAccounts(const QList<sim::Account>& accounts)
{
    for (const sim::Account& account : accounts) {
        std::printf("%-32s %-16s %s%s\n", qPrintable(account.email), qPrintable(account.password),
            qPrintable(account.permissions.isEmpty() ? "(no permissions)" : account.permissions.join(' ')),
            account.screenKeyEnabled ? " +screen key" : "");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const pid_t parent = getppid();
    // Every thread inherits this mask, so the termination signals reach only sigwait() below.
    const sigset_t termination = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &termination, nullptr);
    raiseDescriptorLimit();
    // Snapshots are painted off-screen; the simulator never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    app.setApplicationName("trellion-sim");

    QString error;
    const auto options = sim::SimulatorOptions::fromCommandLine(app.arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "trellion-sim: %s\n", qPrintable(error));
        return 2;
    }
    if (options->listAccounts) {
        printAccounts(options->accounts);
        return 0;
    }

    // A test process that dies must not leave its simulator running.
    if (options->exitWithParent && (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent))
        return 0;

    sim::Simulator simulator(*options);
    if (!simulator.start(&error)) {
        std::fprintf(stderr, "trellion-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", QJsonDocument(simulator.endpoints()).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);

    int received = 0;
    sigwait(&termination, &received);
    simulator.stop();
    return 0;
}
