// What watching the pods costs: the app's CPU time during an idle routing session whose pods are
// checked every period, as a share of one core, and the check traffic per pod and minute, for rooms
// of 50 and 200 pods; anchor: the same session idle without checks. Each size is watched for 30 s
// and then left unwatched for 30 s (TRELLION_BENCH_IDLE_S changes both).
#include "AppFixture.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "PodHealthMonitor.h"
#include "RoutingSession.h"
#include "TeamBlock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

constexpr int latencyMs = 5;

double cpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void idleFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Idle {
    double cpuShare; // of one core
    double minutes;
};

Idle measureIdle(int idleMs)
{
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    idleFor(idleMs);
    const double minutes = wall.nsecsElapsed() / 6e10;
    return { (cpuSeconds() - cpuBefore) / (minutes * 60), minutes };
}

// One idle session over `pods` pods once every block has joined, watched and then unwatched:
// the second is the anchor, what an idle session costs without checks.
QJsonObject watch(const QString& classroomId, int pods, int idleMs)
{
    RoutingSession session;
    session.startSession(classroomId, true, false);
    QTest::qWaitFor([&] { return session.currentLayout()->primaryDisplay()->isConnected(); }, 30000);
    idleFor(PodHealthMonitor::periodMs); // the opening round is over
    const int checksBefore = session.healthMonitor()->checksSent();
    const Idle watched = measureIdle(idleMs);
    const double checksPerPodMinute
        = (session.healthMonitor()->checksSent() - checksBefore) / (pods * watched.minutes);
    session.healthMonitor()->stop();
    const Idle unwatched = measureIdle(idleMs);
    std::printf("  %3d pods: %.2f %% of one core with checks%s, %.2f %% without; %.1f checks per pod and "
                "minute (one per %d s period: %.1f)\n",
        pods, 100 * watched.cpuShare, pods == 50 ? " (goal < 2 %)" : "", 100 * unwatched.cpuShare,
        checksPerPodMinute, PodHealthMonitor::periodMs / 1000, 60000.0 / PodHealthMonitor::periodMs);
    session.endSession();
    return { { "pods", pods }, { "cpuShare", watched.cpuShare },
        { "cpuShareWithoutChecks", unwatched.cpuShare }, { "checksPerPodMinute", checksPerPodMinute } };
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication application(argc, argv);

    AppFixture app({ "--pods", "200", "--latency-ms", QString::number(latencyMs) });
    if (!app.start() || !app.signInAsEditor()) {
        std::fprintf(
            stderr, "could not start the app against the simulator: %s\n", qPrintable(app.errorString()));
        return 1;
    }
    const int idleSeconds = qEnvironmentVariableIntValue("TRELLION_BENCH_IDLE_S");
    const int idleMs = (idleSeconds > 0 ? idleSeconds : 30) * 1000;
    QMap<int, QString> classrooms;
    for (int pods : { 50, 200 })
        classrooms[pods] = app.createFleet(QString("Watched %1").arg(pods), pods - 1); // the last pod is the front display

    std::printf("Idle routing session with health checks, %d s per size:\n", idleMs / 1000);
    QJsonObject result { { "idleSeconds", idleMs / 1000 }, { "periodMs", PodHealthMonitor::periodMs } };
    for (int pods : { 50, 200 })
        result.insert(QString("pods%1").arg(pods), watch(classrooms[pods], pods, idleMs));
    std::printf("RESULT %s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    return 0;
}
