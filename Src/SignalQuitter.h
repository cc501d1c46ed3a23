#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into an ordinary application quit, so the event loop
// ends normally, aboutToQuit runs and the log is written out.
class SignalQuitter : public QObject {
    Q_OBJECT
public:
    explicit SignalQuitter(QObject* parent = nullptr);

private:
    static void handleSignal(int signal);
    static int pipeEnds[2];
    QSocketNotifier* notifier = nullptr;
};
