// The real window under X with OpenGL, against a bare Qt Quick window from the same binary: cold start
// to the first frame, resident memory, frame times on the routing screen of a 40-block classroom
// while a route is dragged and while 40 routes animate, and what the library, the editor and the
// routing screen (without routes and with 40) cost while nothing happens: the share of one core the
// process uses and the frames it draws. Every figure comes from fresh child processes (this program
// again, with --child MODE); the parent prints the median of their results.
// Run it under xvfb-run: the children use the xcb platform, as the UI tests do.
#include "AppFixture.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "TeamBlock.h"
#include "WindowDriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <mutex>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int defaultRuns = 5;
constexpr int childTimeoutMs = 240000;
constexpr int answerTimeoutMs = 20000;
constexpr int columns = 8;
constexpr int rows = 5;
constexpr int blockCount = columns * rows;
constexpr int moveIntervalMs = 8;
constexpr int dragMs = 2000;
constexpr int animationMs = 3000;
constexpr int idleMs = 30000;
// A screen is taken as idle after a second without a frame; one that never gets there is measured
// as it is after this long.
constexpr int stillQuietMs = 1000;
constexpr int stillLimitMs = 15000;
const QByteArray resultMarker = "INTERFACE_BENCH ";
const QString classroomName = QStringLiteral("Bench Forty");

// --- in a child ---

qint64 bootClockNs()
{
    timespec now {};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// When the kernel started this process, on the boot clock: the time before main(), dynamic loading
// included, counts too. Only to the clock tick (10 ms on most kernels).
qint64 processStartNs()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Fields from the third on follow the command name, which may hold blanks itself.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int startTimeField = 22;
    return fields.value(startTimeField - 3).toLongLong() * 1000000000 / sysconf(_SC_CLK_TCK);
}

long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // Files under /proc claim to be empty: read to the end rather than up to their size.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// User and system time of every thread of this process (the render thread and Mesa's included).
double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// QTest's waits sleep between their checks; frames must see a running event loop.
void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const QJsonObject& result)
{
    std::printf(
        "%s%s\n", resultMarker.constData(), QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// Reports the time from process start to the window's first frame and the memory then, and quits.
// Timed where the frame is swapped, which is the render thread when there is one.
void reportFirstFrame(QQuickWindow* window)
{
    const qint64 started = processStartNs();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [started, connection] {
            QObject::disconnect(*connection);
            const double startMs = (bootClockNs() - started) / 1e6;
            report({ { "startMs", startMs }, { "rssKiB", double(residentKiB()) } });
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

int runBareChild()
{
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick 2.12\nimport QtQuick.Window 2.12\n"
                    "Window { width: 1024; height: 768; visible: true; Text { text: \"Trellion\" } }");
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    reportFirstFrame(window);
    return QCoreApplication::exec();
}

int runAppChild()
{
    // No deployment is configured: the login screen needs none, and nothing is sent anywhere.
    Globals::getInstance().initialize();
    QQuickWindow* window = WindowDriver::findAppWindow();
    if (!window)
        return 1;
    reportFirstFrame(window);
    return QCoreApplication::exec();
}

// An 8 x 5 grid of tables filling the plan at 1024 x 768, the front display above them; block i
// uses pod i, the front display the last pod.
QString createClassroom(AppFixture& app)
{
    static const QStringList colors { "#2E91D9", "#F2A33A", "#5BB974", "#9B59B6" };
    static const QStringList tables { "RoundTableYellow", "OvalTableYellow", "RectangleTableYellow" };
    ClassroomLayoutModel layout;
    layout.setClassroomName(classroomName);
    layout.setClassroomType("open");
    layout.setClassroomScale(0.5);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = layout.addTeamBlock(220 + 95 * column, 125 + 100 * row, "DisplayYellow");
            TeamBlock* block = layout.teamBlocks().at(index);
            block->setDisplayName(QString("Team %1").arg(index + 1));
            block->setDisplayAddress(app.simulator.podAddress(index));
            block->setDisplayColor(colors.at(index % colors.size()));
            block->setTeamTableIcon(tables.at(index % tables.size()));
        }
    }
    layout.addPrimaryDisplay(540, 30);
    layout.primaryDisplay()->setDisplayAddress(app.simulator.podAddress(blockCount));
    return app.createClassroom(layout.toJson());
}

class RoutingScreen {
public:
    explicit RoutingScreen(WindowDriver& driver)
        : ui(driver)
    {
    }

    // Opens the classroom from its card on the home screen, past the first-use guide, and waits
    // until every block's pod answers.
    bool open()
    {
        if (!ui.click(ui.waitForText(classroomName, WindowDriver::Match::Exact, answerTimeoutMs)))
            return false;
        if (ui.waitForText("SKIP") && (!ui.click(ui.itemWithText("SKIP")) || !ui.waitUntilTextGone("SKIP")))
            return false;
        return QTest::qWaitFor(
            [this] { return teamCount() == blockCount && allConnected(); }, answerTimeoutMs);
    }

    QQuickItem* blockView(int index) const
    {
        QQuickItem* plan = ui.itemNamed("routePlan");
        if (!plan)
            return nullptr;
        if (index == -1)
            return plan->property("primaryView").value<QQuickItem*>();
        QVariant view;
        QMetaObject::invokeMethod(plan, "teamView", Q_RETURN_ARG(QVariant, view), Q_ARG(QVariant, index));
        return view.value<QQuickItem*>();
    }

    int aliveRoutes() const
    {
        return ui
            .itemsWhere([](const QQuickItem* item) {
                return item->objectName() == "routeLine" && item->property("alive").toBool();
            })
            .size();
    }

private:
    int teamCount() const
    {
        QQuickItem* plan = ui.itemNamed("routePlan");
        return plan ? plan->property("teamCount").toInt() : 0;
    }

    bool allConnected() const
    {
        for (int index = -1; index < blockCount; ++index) {
            QQuickItem* view = blockView(index);
            if (!view || !view->property("isConnected").toBool())
                return false;
        }
        return true;
    }

    WindowDriver& ui;
};

// Times between consecutive swapped frames, taken on whichever thread swaps them.
class FrameRecorder {
public:
    explicit FrameRecorder(QQuickWindow* window)
    {
        clock.start();
        connection = QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [this] {
                std::lock_guard<std::mutex> lock(mutex);
                stamps.push_back(clock.nsecsElapsed());
            },
            Qt::DirectConnection);
    }
    ~FrameRecorder() { QObject::disconnect(connection); }

    // Stops recording and summarises the intervals.
    QJsonObject finish()
    {
        QObject::disconnect(connection);
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<double> intervals;
        for (size_t i = 1; i < stamps.size(); ++i)
            intervals.push_back((stamps[i] - stamps[i - 1]) / 1e6);
        std::sort(intervals.begin(), intervals.end());
        const auto rank = [&](double share) {
            return intervals.empty() ? 0.0 : intervals[size_t(std::ceil(share * intervals.size())) - 1];
        };
        return { { "frames", int(stamps.size()) }, { "medianMs", rank(0.5) }, { "p99Ms", rank(0.99) } };
    }

private:
    QElapsedTimer clock;
    QMetaObject::Connection connection;
    std::mutex mutex;
    std::vector<qint64> stamps;
};

// Once the screen is still (or has had its chance to be), the share of one core this process uses
// and the frames it draws over `idleMs` in which nothing is done.
QJsonObject idleCost(WindowDriver& ui)
{
    ui.waitUntilStill(stillQuietMs, stillLimitMs);
    FrameRecorder frames(ui.window());
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = processCpuSeconds();
    runEventLoopFor(idleMs);
    const double cpu = processCpuSeconds() - cpuBefore;
    const double seconds = wall.nsecsElapsed() / 1e9;
    return { { "cpuPercent", 100 * cpu / seconds },
        { "framesPerSecond", frames.finish()["frames"].toInt() / seconds } };
}

// Presses on the first block and moves the pointer at an even speed to the last block and back,
// a step every few milliseconds, as a hand does whatever the frame rate; the release on the source
// itself adds no route.
QJsonObject dragAcrossPlan(RoutingScreen& screen, QQuickWindow* window)
{
    QQuickItem* first = screen.blockView(0);
    QQuickItem* last = screen.blockView(blockCount - 1);
    if (!first || !last)
        return {};
    const QPointF from = WindowDriver::centreOf(first);
    const QPointF to = WindowDriver::centreOf(last);
    QTest::mouseMove(window, from.toPoint());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from.toPoint());

    FrameRecorder frames(window);
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer mover;
    mover.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mover, &QTimer::timeout, &loop, [&] {
        const double share = std::min(1.0, clock.elapsed() / double(dragMs));
        const double along = 1 - std::abs(1 - 2 * share);
        QTest::mouseMove(window, (from + (to - from) * along).toPoint());
        if (share >= 1)
            loop.quit();
    });
    mover.start(moveIntervalMs);
    loop.exec();
    const QJsonObject result = frames.finish();
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from.toPoint());
    return result;
}

// Primary to all from the bottom menu; records once every route is alive and animating.
QJsonObject animateAllRoutes(RoutingScreen& screen, WindowDriver& ui)
{
    if (!ui.click(ui.itemNamed("menuItem_Primary to All"))
        || !QTest::qWaitFor([&] { return screen.aliveRoutes() == blockCount; }, answerTimeoutMs))
        return {};
    runEventLoopFor(500);
    FrameRecorder frames(ui.window());
    runEventLoopFor(animationMs);
    return frames.finish();
}

// Signed in as an editor, with the benchmark's classroom in the library.
bool startWithClassroom(AppFixture& app)
{
    if (!app.start() || !app.signInAsEditor()) {
        std::fprintf(
            stderr, "could not start the app against the simulator: %s\n", qPrintable(app.errorString()));
        return false;
    }
    return !createClassroom(app).isEmpty() && app.refreshLibrary();
}

int runRoutingChild()
{
    AppFixture app({ "--pods", QString::number(blockCount + 1), "--latency-ms", "2" });
    if (!startWithClassroom(app))
        return 1;
    WindowDriver ui;
    RoutingScreen screen(ui);
    if (!ui.isReady() || !ui.waitForText(classroomName, WindowDriver::Match::Exact, answerTimeoutMs))
        return 1;
    const QJsonObject libraryIdle = idleCost(ui);
    if (!screen.open())
        return 1;
    runEventLoopFor(1000);
    const long rss = residentKiB();
    const QJsonObject routingIdle = idleCost(ui);
    const QJsonObject drag = dragAcrossPlan(screen, ui.window());
    runEventLoopFor(500);
    const QJsonObject animation = animateAllRoutes(screen, ui);
    if (drag.isEmpty() || animation.isEmpty())
        return 1;
    const QJsonObject routedIdle = idleCost(ui);
    report({ { "rssKiB", double(rss) }, { "refreshHz", ui.window()->screen()->refreshRate() },
        { "drag", drag }, { "animation", animation }, { "libraryIdle", libraryIdle },
        { "routingIdle", routingIdle }, { "routedIdle", routedIdle } });
    return 0;
}

// The classroom opened in the editor from its card's menu, past the first-use guide, left alone.
int runEditorChild()
{
    AppFixture app({ "--pods", QString::number(blockCount + 1), "--latency-ms", "2" });
    if (!startWithClassroom(app))
        return 1;
    WindowDriver ui;
    if (!ui.isReady() || !ui.waitForText(classroomName, WindowDriver::Match::Exact, answerTimeoutMs)
        || !ui.click(ui.imageAboveRightOf(classroomName, "ThreeDotMenu.svg"))
        || !ui.click(ui.waitForText("Edit")) || !ui.waitForNamed("exitButton", answerTimeoutMs))
        return 1;
    if (ui.waitForText("SKIP") && (!ui.click(ui.itemWithText("SKIP")) || !ui.waitUntilTextGone("SKIP")))
        return 1;
    report({ { "editorIdle", idleCost(ui) } });
    return 0;
}

int runChild(const QString& mode, int argc, char* argv[])
{
    // As the app's own main() does.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QGuiApplication application(argc, argv);
    if (mode == "bare")
        return runBareChild();
    if (mode == "app")
        return runAppChild();
    if (mode == "routing")
        return runRoutingChild();
    if (mode == "editor")
        return runEditorChild();
    return 2;
}

// --- in the parent ---

// Runs this program as a child in `mode` from fresh data and settings directories, so that saved
// settings and first-use guides are the same every time. An empty object when it failed.
QJsonObject runChildProcess(const QString& mode)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("TRELLION_MANAGED_PREFS", home.filePath("managed.conf"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), { "--child", mode });
    if (!child.waitForFinished(childTimeoutMs)) {
        child.kill();
        child.waitForFinished(5000);
        std::fprintf(stderr, "%s run: no answer within %d s\n", qPrintable(mode), childTimeoutMs / 1000);
        return {};
    }
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith(resultMarker) && child.exitCode() == 0)
            return QJsonDocument::fromJson(line.mid(resultMarker.size())).object();
    }
    std::fprintf(stderr, "%s run failed (exit code %d):\n%s\n", qPrintable(mode), child.exitCode(),
        child.readAllStandardError().right(2000).constData());
    return {};
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The median of the value at `path` ("drag/p99Ms") over the results that have it.
double medianOf(const QList<QJsonObject>& results, const QString& path)
{
    std::vector<double> values;
    for (const QJsonObject& result : results) {
        QJsonValue value = result;
        for (const QString& key : path.split('/'))
            value = value.toObject().value(key);
        if (value.isDouble())
            values.push_back(value.toDouble());
    }
    return median(values);
}

void runChildInto(const QString& mode, QList<QJsonObject>& results, int& failed)
{
    const QJsonObject result = runChildProcess(mode);
    if (result.isEmpty())
        ++failed;
    else
        results.append(result);
}

int runParent(int runs)
{
    // One untimed start of each first, so that every timed one finds the files in the page cache.
    runChildProcess("bare");
    runChildProcess("app");
    int failed = 0;
    QList<QJsonObject> bare, app, routing, editor;
    // Taken in turns, so that a change in the machine's load hits both alike.
    for (int run = 0; run < runs; ++run) {
        runChildInto("bare", bare, failed);
        runChildInto("app", app, failed);
    }
    for (int run = 0; run < runs; ++run) {
        runChildInto("routing", routing, failed);
        runChildInto("editor", editor, failed);
    }

    const double bareStart = medianOf(bare, "startMs");
    const double appStart = medianOf(app, "startMs");
    const double bareRss = medianOf(bare, "rssKiB") / 1024;
    const double appRss = medianOf(app, "rssKiB") / 1024;
    const double routingRss = medianOf(routing, "rssKiB") / 1024;
    const double refreshHz = medianOf(routing, "refreshHz");
    const double displayIntervalMs = 1000 / refreshHz;

    std::printf("medians of %d fresh processes each (%d failed)\n", runs, failed);
    std::printf("cold start to the first frame: bare window %.1f ms, app (login screen) %.1f ms, "
                "ratio app/bare %.2f (goal <= 1.3)\n",
        bareStart, appStart, appStart / bareStart);
    std::printf("resident memory: bare window %.1f MiB; app at its first frame %.1f MiB, ratio %.2f; "
                "app routing %d blocks %.1f MiB, ratio %.2f (goal <= 1.5)\n",
        bareRss, appRss, appRss / bareRss, blockCount, routingRss, routingRss / bareRss);
    std::printf("frame times on the routing screen (display interval %.1f ms at %.0f Hz):\n",
        displayIntervalMs, refreshHz);
    for (const QString& phase : { "drag", "animation" }) {
        const double p99 = medianOf(routing, phase + "/p99Ms");
        std::printf("  %-38s %4.0f frames, median %5.1f ms, p99 %5.1f ms = %.2f x display interval "
                    "(goal <= 2)\n",
            phase == "drag" ? "route dragged across the plan:" : "40 routes animating (primary to all):",
            medianOf(routing, phase + "/frames"), medianOf(routing, phase + "/medianMs"), p99,
            p99 / displayIntervalMs);
    }

    std::printf("idle for %d s, the screen still first (share of one core, frames per second; goal <= 2 %% "
                "and no frame):\n",
        idleMs / 1000);
    const auto idleOf = [&](const QList<QJsonObject>& results, const QString& phase) {
        return QJsonObject { { "cpuPercent", medianOf(results, phase + "/cpuPercent") },
            { "framesPerSecond", medianOf(results, phase + "/framesPerSecond") } };
    };
    const QJsonObject idle { { "library", idleOf(routing, "libraryIdle") },
        { "editor", idleOf(editor, "editorIdle") }, { "routing", idleOf(routing, "routingIdle") },
        { "routed", idleOf(routing, "routedIdle") } };
    for (const QString& screen : { "library", "editor", "routing", "routed" }) {
        const QJsonObject figures = idle[screen].toObject();
        std::printf("  %-38s %6.2f %% of a core, %6.2f frames/s\n",
            qPrintable(screen == "routing" ? "routing screen, 40 blocks, no route:"
                    : screen == "routed"   ? "routing screen, 40 live routes:"
                                           : screen + ":"),
            figures["cpuPercent"].toDouble(), figures["framesPerSecond"].toDouble());
    }

    const QJsonObject result { { "runs", runs }, { "failed", failed }, { "bareStartMs", bareStart },
        { "appStartMs", appStart }, { "bareRssMiB", bareRss }, { "appRssMiB", appRss },
        { "routingRssMiB", routingRss }, { "displayIntervalMs", displayIntervalMs },
        { "dragFrames", medianOf(routing, "drag/frames") },
        { "dragMedianMs", medianOf(routing, "drag/medianMs") },
        { "dragP99Ms", medianOf(routing, "drag/p99Ms") },
        { "animationFrames", medianOf(routing, "animation/frames") },
        { "animationMedianMs", medianOf(routing, "animation/medianMs") },
        { "animationP99Ms", medianOf(routing, "animation/p99Ms") }, { "idleSeconds", idleMs / 1000 },
        { "idle", idle } };
    std::printf("RESULT %s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    return bare.isEmpty() || app.isEmpty() || routing.isEmpty() || editor.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // The mode is known before any application object exists: the parent needs no display.
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const int child = arguments.indexOf("--child");
    if (child >= 0)
        return runChild(arguments.value(child + 1), argc, argv);

    QCoreApplication application(argc, argv);
    const int runsAt = arguments.indexOf("--runs");
    const int runs = runsAt >= 0 ? arguments.value(runsAt + 1).toInt() : defaultRuns;
    if (runs < 1) {
        std::fprintf(stderr, "usage: interface_bench [--runs N]\n");
        return 2;
    }
    return runParent(runs);
}
