// Routing against simulated pods with 20 ms of latency each: how close a PATCH round comes to a GET
// round, the session start to its floor of two round trips and primary-to-all to its floor, first
// with every pod call on Qt's path, then with every pod call on the app's own transport
// (TRELLION_BENCH_TRANSPORT=qt or curl runs only one); then a session's opening against the same
// calls sent by a bare libcurl client (bare_open_bench), the two alternating; then what route churn costs.
// Usage: routing_session_bench [--alternations N]
#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "NetworkManager.h"
#include "PodAccessManager.h"
#include "RoutingSession.h"
#include "TeamBlock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/spdlog.h>

namespace {

constexpr int latencyMs = 20;
constexpr int floorMs = 2 * latencyMs; // versions, then configures
constexpr int connectionsPerPod = 6;
// Longer than the simulated pods keep an idle connection: every opening starts from closed ones.
constexpr int pauseBetweenOpeningsMs = 2500;

// Runs the event loop until `done` holds, checking every millisecond: QTest's waits
// sleep between checks and would add their naps to every figure.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 30000)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start(1);
    loop.exec();
    return done();
}

long residentKiB()
{
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLong() * 4;
}

bool allConnected(RoutingSession& session)
{
    ClassroomLayoutModel* layout = session.currentLayout();
    const auto& blocks = layout->teamBlocks();
    return layout->primaryDisplay()->isConnected()
        && std::all_of(blocks.begin(), blocks.end(), [](TeamBlock* block) { return block->isConnected(); });
}

void useCurl(bool curl)
{
    Globals::getInstance().networkManager()->podAccessManager()->setCurlEnabled(curl);
}

// Mean time of one call when each waits for the one before, on one kept-alive connection.
double sequentialCallMs(const std::function<HttpRequest*()>& call, int count = 50)
{
    call(); // opens the connection
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        bool done = false;
        QObject::connect(call(), &HttpRequest::finished, [&done] { done = true; });
        spinUntil([&] { return done; });
    }
    return clock.nsecsElapsed() / 1e6 / count;
}

// Primary to all while a table shares with every other: the routes come down, the fixed one-second
// wait, then one connect per table to the primary's pod, at most six at a time.
QJsonObject primaryToAll(const QString& classroomId, int pods)
{
    RoutingSession session;
    session.startSession(classroomId, true, false);
    spinUntil([&] { return allConnected(session); });
    const auto alive = [&session] {
        const auto lines = session.routingLinesModel();
        return std::all_of(lines.begin(), lines.end(),
            [](QObject* line) { return line->property("isConnectionAlive").toBool(); });
    };
    session.routeBlockToAll(0);
    spinUntil(alive);
    QElapsedTimer clock;
    clock.start();
    session.routePrimaryToAll();
    spinUntil(alive);
    const double ms = clock.nsecsElapsed() / 1e6;
    const int connects = pods - 1;
    const int floor = (connects + connectionsPerPod - 1) / connectionsPerPod * latencyMs;
    std::printf("  primary to all, %d pods: %7.1f ms; without the 1 s wait %.1f ms, ratio to its floor (%d "
                "rounds of connects = %d ms) %.2f (goal <= 3)\n",
        pods, ms, ms - 1000, floor / latencyMs, floor, (ms - 1000) / floor);
    session.removeAllRoutes(true, false);
    session.endSession();
    QTest::qWait(200);
    return { { "pods", pods }, { "ms", ms }, { "waitMs", 1000 }, { "floorMs", floor } };
}

// The same two rounds (version, then configure) sent straight through a fresh
// QNetworkAccessManager: what Qt's HTTP stack itself needs for them.
double rawRoundsMs(AppFixture& app, int pods)
{
    QNetworkAccessManager raw;
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray verb : { "GET", "PATCH" }) {
        int answered = 0;
        for (int pod = 0; pod < pods; ++pod) {
            const QString base = "http://" + app.simulator.podAddress(pod) + "/api/v2/content/activerouting";
            QNetworkRequest request(QUrl(verb == "GET" ? base + "/version" : base));
            request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json; charset=utf-8");
            const QByteArray body = verb == "GET"
                ? QByteArray()
                : R"({"presence": true, "message": "m", "foreground": "#FFFFFF", "background": "#336699"})";
            QNetworkReply* reply = body.isEmpty() ? raw.sendCustomRequest(request, verb)
                                                  : raw.sendCustomRequest(request, verb, body);
            QObject::connect(reply, &QNetworkReply::finished, reply, [reply, &answered] {
                ++answered;
                reply->deleteLater();
            });
        }
        spinUntil([&] { return answered == pods; });
    }
    return clock.nsecsElapsed() / 1e6;
}

// Starts a session on the classroom and returns once every block has joined it: the time from the
// start until the last one joined, read as it joins (the bare client reads its clock when its last
// answer is in), not at the next check of a polling loop.
double startAndJoin(RoutingSession& session, const QString& classroomId, const QElapsedTimer& clock)
{
    ClassroomLayoutModel* layout
        = Globals::getInstance().classroomLayoutManager()->classroomLayout(classroomId);
    QList<RoutableBlock*> blocks { layout->primaryDisplay() };
    for (TeamBlock* block : layout->teamBlocks())
        blocks << block;
    QObject listener;
    QSet<RoutableBlock*> joined;
    double lastJoinedMs = 0;
    for (RoutableBlock* block : blocks)
        QObject::connect(block, &RoutableBlock::joined, &listener, [&, block] {
            joined.insert(block);
            if (joined.size() == blocks.size())
                lastJoinedMs = clock.nsecsElapsed() / 1e6;
        });
    session.startSession(classroomId, true, false);
    if (!spinUntil([&] { return joined.size() == blocks.size(); }))
        qFatal("a pod did not join");
    return lastJoinedMs;
}

double sessionStartMs(AppFixture& app, const QString& classroomId)
{
    RoutingSession session;
    QElapsedTimer clock;
    clock.start();
    const double elapsed = startAndJoin(session, classroomId, clock);
    session.endSession();
    QTest::qWait(200);
    return elapsed;
}

// Clock ticks of CPU time: the machine's busy and total, and those of this process, its waited-for
// children and the simulator, so that what other processes used can be told apart.
struct CpuTicks {
    double machineBusy = 0;
    double machineTotal = 0;
    double ours = 0;
};

QList<QByteArray> statFields(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray line = file.readLine();
    // The command name in parentheses may hold spaces; the fields after it are counted from state on.
    return line.mid(line.lastIndexOf(')') + 2).simplified().split(' ');
}

CpuTicks cpuTicks(qint64 simulatorPid)
{
    CpuTicks ticks;
    QFile stat("/proc/stat");
    stat.open(QIODevice::ReadOnly);
    const QList<QByteArray> machine
        = stat.readLine().simplified().split(' '); // cpu user nice system idle iowait …
    // Guest time is counted in user time already.
    for (int field = 1; field <= 8 && field < machine.size(); ++field)
        ticks.machineTotal += machine[field].toDouble();
    ticks.machineBusy = ticks.machineTotal - machine.value(4).toDouble() - machine.value(5).toDouble();
    // utime, stime, cutime and cstime are the 14th to 17th fields, counted from the pid.
    const QList<QByteArray> self = statFields("/proc/self/stat");
    const QList<QByteArray> simulator = statFields(QString("/proc/%1/stat").arg(simulatorPid));
    for (int field = 11; field <= 14; ++field)
        ticks.ours += self.value(field).toDouble() + (field <= 12 ? simulator.value(field).toDouble() : 0);
    return ticks;
}

struct Opening {
    double connectedMs = 0;
    double answeredMs = 0;
};

// Runs `program` with `arguments` to its end and returns what it printed; a failure ends the benchmark.
// Started with posix_spawn, not QProcess: a fork would leave every page of this process copy-on-write,
// and the session measured next would pay a page fault for each one it writes.
QByteArray spawnAndRead(const QByteArray& program, const QStringList& arguments)
{
    QList<QByteArray> words { program };
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0)
        qFatal("%s: no pipe", program.constData());
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ) != 0)
        qFatal("%s could not start", program.constData());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    QByteArray printed;
    char buffer[256];
    for (ssize_t count; (count = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, int(count));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s failed", program.constData());
    return printed;
}

// The anchor: the same calls to the same pods from a fresh bare_open_bench.
Opening bareOpening(const QStringList& addresses)
{
    const QList<QByteArray> figures
        = spawnAndRead((QCoreApplication::applicationDirPath() + "/bare_open_bench").toLocal8Bit(), addresses)
              .simplified()
              .split(' ');
    return { figures.value(1).toDouble(), figures.value(2).toDouble() };
}

// A session's opening: until every block has its configure answer (the plan is usable), and until
// every opening call is answered, banners and forwarding included.
Opening appOpening(const QString& classroomId)
{
    const NetworkManager& network = *Globals::getInstance().networkManager();
    RoutingSession session;
    Opening opening;
    QElapsedTimer clock;
    clock.start();
    opening.connectedMs = startAndJoin(session, classroomId, clock);
    spinUntil([&] { return network.requestQueueSize() == 0 && network.apiRequestsInFlightCount() == 0; });
    opening.answeredMs = clock.nsecsElapsed() / 1e6;
    if (!allConnected(session))
        qFatal("a pod did not connect");
    session.endSession();
    return opening;
}

// Bare client and session in turn, from closed connections each time, `alternations` times per size.
QJsonObject openings(AppFixture& app, const QMap<int, QString>& classrooms, int alternations)
{
    const CpuTicks before = cpuTicks(app.simulator.processId());
    QJsonObject sizes;
    for (auto classroom = classrooms.begin(); classroom != classrooms.end(); ++classroom) {
        const int pods = classroom.key();
        const QStringList addresses = app.simulator.podAddresses().mid(0, pods);
        QJsonArray runs;
        for (int alternation = 0; alternation < alternations; ++alternation) {
            QTest::qWait(pauseBetweenOpeningsMs);
            const Opening bare = bareOpening(addresses);
            QTest::qWait(pauseBetweenOpeningsMs);
            const Opening session = appOpening(classroom.value());
            std::printf(
                "  %3d pods: bare %6.1f / %6.1f ms, app %6.1f / %6.1f ms (connected / all answered)\n", pods,
                bare.connectedMs, bare.answeredMs, session.connectedMs, session.answeredMs);
            runs.append(
                QJsonObject { { "bareConnectedMs", bare.connectedMs }, { "bareAnsweredMs", bare.answeredMs },
                    { "appConnectedMs", session.connectedMs }, { "appAnsweredMs", session.answeredMs } });
        }
        sizes.insert(QString::number(pods), runs);
    }
    const CpuTicks after = cpuTicks(app.simulator.processId());
    const double busy = after.machineBusy - before.machineBusy;
    const double others
        = qMax(0.0, busy - (after.ours - before.ours)) / (after.machineTotal - before.machineTotal);
    std::printf("  other processes used %.0f %% of the machine meanwhile\n", others * 100);
    return { { "alternations", alternations }, { "otherShare", others }, { "sizes", sizes } };
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication application(argc, argv);
    const int flag = application.arguments().indexOf("--alternations");
    const int alternations = flag > 0 ? qMax(1, application.arguments().value(flag + 1).toInt()) : 5;

    AppFixture app({ "--pods", "400", "--latency-ms", QString::number(latencyMs) });
    if (!app.start() || !app.signInAsEditor()) {
        std::fprintf(
            stderr, "could not start the app against the simulator: %s\n", qPrintable(app.errorString()));
        return 1;
    }
    // Measure routing, not log output.
    spdlog::default_logger()->sinks().clear();
    spdlog::default_logger()->sinks().push_back(std::make_shared<spdlog::sinks::null_sink_mt>());

    // Each pass gets classrooms of its own: blocks remember being connected from an earlier session.
    const auto freshClassrooms = [&app] {
        QMap<int, QString> classrooms;
        for (int pods : { 10, 50, 200 })
            classrooms[pods] = app.createFleet(QString("Bench %1").arg(pods), pods - 1); // the last pod is the front display
        return classrooms;
    };
    QMap<int, QString> classrooms;
    NetworkManager& network = *Globals::getInstance().networkManager();
    const QString pod = app.simulator.podAddress(0);
    const QByteArray only = qgetenv("TRELLION_BENCH_TRANSPORT");
    QJsonObject result { { "latencyMs", latencyMs }, { "floorMs", floorMs } };
    for (const bool curl : { false, true }) {
        if (!only.isEmpty() && (only == "curl") != curl)
            continue;
        useCurl(curl);
        classrooms = freshClassrooms();
        std::printf("\n== pod calls on %s ==\n", curl ? "the app's transport (libcurl)" : "Qt's path");
        const double get = sequentialCallMs([&] { return network.requestServerVersion(pod); });
        const double patch
            = sequentialCallMs([&] { return network.configurePod(pod, "m", "#FFFFFF", "#336699"); });
        std::printf("  one call at a time: GET %.1f ms, PATCH %.1f ms, ratio PATCH/GET %.2f (goal <= 1.1)\n",
            get, patch, patch / get);
        QJsonObject transport { { "getMs", get }, { "patchMs", patch } };
        std::printf(
            "  session start until every pod is connected (floor: two round trips = %d ms; raw: the same\n"
            "  two rounds sent straight through QNetworkAccessManager)\n",
            floorMs);
        for (int pods : { 10, 50, 200 }) {
            const double raw = rawRoundsMs(app, pods);
            const double ms = sessionStartMs(app, classrooms[pods]);
            std::printf("  %3d pods: %7.1f ms, ratio to floor %.2f%s; raw %7.1f ms, ratio to raw %.2f\n",
                pods, ms, ms / floorMs,
                pods == 50        ? " (goal <= 1.5)"
                    : pods == 200 ? " (goal <= 3)"
                                  : "",
                raw, ms / raw);
            transport.insert(
                QString("sessionStart%1").arg(pods), QJsonObject { { "ms", ms }, { "rawMs", raw } });
        }
        transport.insert("primaryToAll", primaryToAll(classrooms[50], 50));
        result.insert(curl ? "curl" : "qt", transport);
    }
    useCurl(true);

    std::printf("\n== opening a classroom: bare libcurl client, then the app's session ==\n");
    QMap<int, QString> openingClassrooms;
    for (int pods : { 10, 50, 200, 400 })
        openingClassrooms[pods] = app.createFleet(QString("Bench %1").arg(pods), pods - 1); // the last pod is the front display
    result.insert("opening", openings(app, openingClassrooms, alternations));

    RoutingSession session;
    session.startSession(classrooms[50], true, false);
    spinUntil([&] { return allConnected(session); });
    constexpr int cycles = 1000;
    QTest::qWait(500);
    const long before = residentKiB();
    QList<long> checkpoints;
    QElapsedTimer clock;
    clock.start();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (cycle % 250 == 0)
            checkpoints << residentKiB();
        session.addRouteLine(1, 0);
        auto* line = session.routingLinesModel().value(0);
        spinUntil([&] { return line && line->property("isConnectionAlive").toBool(); }, 5000);
        session.removeRouteLine(0, 1, line ? line->property("lineIndex").toString() : QString());
    }
    const double perCycle = clock.nsecsElapsed() / 1e6 / cycles;
    QTest::qWait(1000);
    const long after = residentKiB();
    std::printf("\nresident memory every 250 cycles (KiB):");
    for (long kib : checkpoints)
        std::printf(" %ld", kib);
    std::printf(" %ld\n", after);
    std::printf("%d route add/remove cycles: %.2f ms per cycle (ratio to one round trip %.2f); "
                "resident memory %ld KiB before, %ld KiB after (%+ld KiB)\n",
        cycles, perCycle, perCycle / latencyMs, before, after, after - before);
    result.insert("churn",
        QJsonObject { { "cycles", cycles }, { "msPerCycle", perCycle }, { "rssBeforeKiB", double(before) },
            { "rssAfterKiB", double(after) } });
    std::printf("RESULT %s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    session.endSession();
    return 0;
}
