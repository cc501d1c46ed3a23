#include "SignalQuitter.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

int SignalQuitter::pipeEnds[2] = { -1, -1 };

SignalQuitter::SignalQuitter(QObject* parent)
    : QObject(parent)
{
    // A signal handler may only write to a descriptor; the event loop reads it.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0)
        return;
    notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [] {
        char signal;
        if (::read(pipeEnds[1], &signal, 1) == 1)
            QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void SignalQuitter::handleSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] auto written = ::write(pipeEnds[0], &byte, 1);
}
