#include "RoutingSession.h"

#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "LogFile.h"
#include "NetworkManager.h"
#include "RouteLine.h"
#include "SessionStatistics.h"
#include "TeamBlock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int teamPods = 7; // pods 0..6 are tables, pod 7 is the front display
constexpr int primaryPod = 7;
constexpr int latencyMs = 40;
constexpr int legacyPod = 5; // answers version 1: no banners, no forwarding
constexpr int audioPod = 3;

} // namespace

// A whole routing session on eight simulated pods, judged by what reached them.
class RoutingSessionTest : public QObject {
    Q_OBJECT

    AppFixture app { { "--pods", "8", "--latency-ms", QString::number(latencyMs) } };
    QString classroomId;
    QString emptyClassroomId;
    RoutingSession* session = nullptr;

    QJsonArray podRequests(int pod, const QString& method = {}, const QString& pathEnd = {}) const
    {
        QJsonArray matching;
        for (const QJsonValue& value : app.simulator.requestsTo(app.simulator.podAddress(pod))) {
            const QJsonObject entry = value.toObject();
            if ((method.isEmpty() || entry["method"] == method) && entry["path"].toString().endsWith(pathEnd))
                matching.append(entry);
        }
        return matching;
    }
    static QJsonObject body(const QJsonValue& entry)
    {
        return QJsonDocument::fromJson(entry["body"].toString().toUtf8()).object();
    }
    static QDateTime timeOf(const QJsonValue& entry)
    {
        return QDateTime::fromString(entry["time"].toString(), Qt::ISODateWithMs);
    }
    QJsonArray connections(int pod) const { return app.simulator.podState(pod)["connections"].toArray(); }

    bool waitForPods(const std::function<bool(int pod)>& condition, int pods = teamPods + 1)
    {
        return QTest::qWaitFor(
            [&] {
                for (int pod = 0; pod < pods; ++pod)
                    if (!condition(pod))
                        return false;
                return true;
            },
            15000);
    }
    bool allConnected()
    {
        return QTest::qWaitFor(
            [&] {
                const auto blocks = session->currentLayout()->teamBlocks();
                return std::all_of(blocks.begin(), blocks.end(), [](TeamBlock* b) {
                    return b->isConnected();
                }) && session->currentLayout()->primaryDisplay()->isConnected();
            },
            15000);
    }
    // Reads the events file without consuming it, as an upload would.
    static QStringList eventNames()
    {
        QFile file(SessionStatistics::logFilePath());
        file.open(QIODevice::ReadOnly);
        static const QRegularExpression name("\"event\": \"([^\"]+)\"");
        QStringList names;
        for (auto match = name.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();)
            names << match.next().captured(1);
        return names;
    }
    QJsonObject settledState(int pod)
    {
        QTest::qWait(latencyMs * 4);
        return app.simulator.podState(pod);
    }

    void openSession()
    {
        QVERIFY(app.simulator.clearRequests());
        session->startSession(classroomId, true, false);
        QVERIFY(allConnected());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
        QVERIFY(app.simulator.updatePod(legacyPod, { { "apiVersion", 1 } }));

        ClassroomLayoutModel lab;
        lab.setClassroomName("Routing Lab");
        for (int pod = 0; pod < teamPods; ++pod) {
            const int index = lab.addTeamBlock(100 * pod, 50, "Display");
            lab.routableBlock(index)->setDisplayName(QString("Table %1").arg(pod + 1));
            lab.routableBlock(index)->setDisplayAddress(app.simulator.podAddress(pod));
            lab.routableBlock(index)->setDisplayColor(QString("#%1A0B0").arg(pod, 2, 10, QChar('0')));
        }
        lab.routableBlock(audioPod)->setIsAudioSource(true);
        lab.addPrimaryDisplay(400, 600);
        lab.primaryDisplay()->setDisplayName("Front");
        lab.primaryDisplay()->setDisplayAddress(app.simulator.podAddress(primaryPod));
        classroomId = app.createClassroom(lab.toJson());
        ClassroomLayoutModel empty;
        empty.setClassroomName("Empty Room");
        emptyClassroomId = app.createClassroom(empty.toJson());
        QVERIFY(app.refreshLibrary());
        session = new RoutingSession(this);
    }

    void cleanup()
    {
        session->removeAllRoutes(true, false);
        QTRY_VERIFY(!Globals::getInstance().networkManager()->isBlocking());
    }

    void startAsksVersionsBeforeConfiguring()
    {
        openSession();
        QDateTime lastVersion;
        QDateTime firstConfigure = QDateTime::currentDateTimeUtc();
        for (int pod = 0; pod <= primaryPod; ++pod) {
            QCOMPARE(podRequests(pod, "GET", "/version").size(), 1);
            lastVersion = std::max(lastVersion, timeOf(podRequests(pod, "GET", "/version")[0]));
            const QJsonArray patches = podRequests(pod, "PATCH");
            QVERIFY(!patches.isEmpty());
            QVERIFY(body(patches[0]).contains("presence"));
            firstConfigure = std::min(firstConfigure, timeOf(patches[0]));
        }
        // No configure left before the slowest version answer came back.
        QVERIFY2(lastVersion.msecsTo(firstConfigure) >= latencyMs - 5,
            qPrintable(QString::number(lastVersion.msecsTo(firstConfigure))));
        QCOMPARE(app.simulator.podState(0)["message"].toString(), QString("Table 1 is sharing!"));

        // Banners and forwarding follow only where the pod speaks version 2.
        QVERIFY(
            waitForPods([&](int pod) { return pod == legacyPod || podRequests(pod, "PATCH").size() == 3; }));
        QCOMPARE(podRequests(legacyPod, "PATCH").size(), 1);
        // None before the slowest configure answer: they would compete with the answers still to come.
        QDateTime lastConfigure;
        QDateTime firstFollowUp = QDateTime::currentDateTimeUtc();
        for (int pod = 0; pod <= primaryPod; ++pod) {
            const QJsonArray patches = podRequests(pod, "PATCH");
            lastConfigure = std::max(lastConfigure, timeOf(patches[0]));
            if (pod != legacyPod)
                firstFollowUp = std::min(firstFollowUp, timeOf(patches[1]));
        }
        QVERIFY2(lastConfigure.msecsTo(firstFollowUp) >= latencyMs - 5,
            qPrintable(QString::number(lastConfigure.msecsTo(firstFollowUp))));
        const QJsonArray patches = podRequests(0, "PATCH"); // banners and forwarding leave together
        const QList<QJsonObject> followUps { body(patches[1]), body(patches[2]) };
        QVERIFY(followUps.contains(QJsonObject({ { "banners", true } })));
        QVERIFY(followUps.contains(QJsonObject({ { "forwarding", false } })));
        QVERIFY(eventNames().contains("start routing session"));
    }

    void routesFollowTheRules()
    {
        openSession();
        QSignalSpy linesChanged(session, &RoutingSession::routingLinesChanged);
        session->addRouteLine(1, 0);
        session->addRouteLine(audioPod, 2);
        session->addRouteLine(4, -1);
        QCOMPARE(session->routingLinesModel().size(), 3);
        QVERIFY(session->isSessionActive());
        QVERIFY(linesChanged.count() >= 3);

        QVERIFY(QTest::qWaitFor(
            [&] {
                return connections(0).size() == 1 && connections(2).size() == 1
                    && connections(primaryPod).size() == 1;
            },
            10000));
        const QJsonObject plain = connections(0)[0].toObject();
        QCOMPARE(plain["sink"].toString(), app.simulator.podAddress(1));
        QCOMPARE(plain["post"].toString(), QString("NORMAL"));
        QCOMPARE(plain["audio"].toBool(), false);
        QCOMPARE(plain["message"].toString(), QString("Shared from Table 1"));
        QCOMPARE(plain["background"].toString(), QString("#00A0B0"));
        QCOMPARE(connections(2)[0].toObject()["audio"].toBool(), true);
        QCOMPARE(connections(primaryPod)[0].toObject()["post"].toString(), QString("FULLSCREEN"));

        const int lines = session->routingLinesModel().size();
        session->addRouteLine(3, 3); // to itself
        session->addRouteLine(1, 2); // a table takes one route only
        session->addRouteLine(5, 1); // a sink cannot send
        session->addRouteLine(-1, 0); // the front display is sending
        session->addRouteLine(99, 0); // no such block
        QCOMPARE(LogFile::messages().last(),
            QString("Could not create a new line. One of the blocks does not exist: sourceIndex=[0] "
                    "sinkIndex=[99]"));
        session->addRouteLine(1, 0);
        QCOMPARE(LogFile::messages().last(), QString("Route already exists, no connection needed!"));
        QCOMPARE(session->routingLinesModel().size(), lines);

        // One line removed: its guid goes back to the source pod, and the sink may receive again.
        auto* line = qobject_cast<RouteLine*>(session->routingLinesModel().first());
        QTRY_VERIFY(line->isConnectionAlive());
        const QString guid = line->apiGuid();
        session->removeRouteLine(0, 1, line->lineIndex());
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 0, 10000);
        QVERIFY(podRequests(0, "DELETE").last()["path"].toString().endsWith("/connections/" + guid));
        QCOMPARE(session->routingLinesModel().size(), lines - 1);
        session->addRouteLine(1, 6);
        QCOMPARE(session->routingLinesModel().size(), lines);
        session->removeAllRoutes(true, false);
    }

    // Sharing a table to all leaves the displays already in a route as they were, and names them.
    void shareToAllNamesTheDisplaysItLeft()
    {
        openSession();
        QSignalSpy notices(session, &RoutingSession::notice);
        session->routeBlockToAll(2);
        QCOMPARE(notices.count(), 0);
        session->removeAllRoutes(true, false);
        session->addRouteLine(1, 0);
        session->addRouteLine(4, -1);
        session->routeBlockToAll(2);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices.first().first().toString(),
            QString("Not shared to Table 1, Table 2, Table 5 and Primary Display: already in another route"));
    }

    // The tables stand in one row: Tab meets the front display, then Table 1 to Table 7, and wraps.
    void keysWalkPickAndRoute()
    {
        openSession();
        KeyboardRouting* keys = session->keyboard();
        QCOMPARE(keys->focusedBlock(), int(RoutingRules::NoBlock));
        QVERIFY(!keys->keyPressed(Qt::Key_Return, Qt::NoModifier)); // nothing focused yet
        QList<int> walked;
        for (int step = 0; step < teamPods + 2; ++step) {
            QVERIFY(keys->keyPressed(Qt::Key_Tab, Qt::NoModifier));
            walked.append(keys->focusedBlock());
        }
        QCOMPARE(walked, QList<int>({ -1, 0, 1, 2, 3, 4, 5, 6, -1 }));
        QVERIFY(keys->keyPressed(Qt::Key_Backtab, Qt::ShiftModifier));
        QCOMPARE(keys->focusedBlock(), teamPods - 1);
        QVERIFY(!keys->keyPressed(Qt::Key_Tab, Qt::ControlModifier)); // left to the menu's shortcuts
        QSignalSpy liveView(keys, &KeyboardRouting::liveViewRequested);
        QVERIFY(keys->keyPressed(Qt::Key_L, Qt::NoModifier));
        QCOMPARE(liveView.takeFirst().first().toInt(), teamPods - 1);

        keys->keyPressed(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(keys->keyPressed(Qt::Key_Space, Qt::NoModifier));
        QCOMPARE(keys->pickedBlock(), 5);
        QVERIFY(keys->keyPressed(Qt::Key_Escape, Qt::NoModifier));
        QCOMPARE(keys->pickedBlock(), int(RoutingRules::NoBlock));
        QVERIFY(!keys->keyPressed(Qt::Key_Escape, Qt::NoModifier)); // nothing to drop: the key travels on

        keys->keyPressed(Qt::Key_Return, Qt::NoModifier);
        keys->keyPressed(Qt::Key_Tab, Qt::NoModifier);
        keys->keyPressed(Qt::Key_Enter, Qt::NoModifier);
        QCOMPARE(keys->pickedBlock(), int(RoutingRules::NoBlock));
        QCOMPARE(session->routingLinesModel().size(), 1);
        const auto* line = qobject_cast<RouteLine*>(session->routingLinesModel().first());
        QCOMPARE(line->sourceIndex(), 5);
        QCOMPARE(line->sinkIndex(), 6);
        QTRY_COMPARE_WITH_TIMEOUT(connections(5).size(), 1, 10000);

        // A new session starts with neither focus nor pick.
        keys->keyPressed(Qt::Key_Tab, Qt::NoModifier);
        keys->keyPressed(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(keys->pickedBlock(), int(RoutingRules::PrimaryBlock));
        openSession();
        QCOMPARE(keys->focusedBlock(), int(RoutingRules::NoBlock));
        QCOMPARE(keys->pickedBlock(), int(RoutingRules::NoBlock));
    }

    void frontDisplayTakesManyRoutes()
    {
        openSession();
        session->addRouteLine(-1, 0);
        session->addRouteLine(-1, 2);
        QCOMPARE(session->currentLayout()->primaryDisplay()->incomingRoutes().size(), 2);
        session->removeAllRoutes(true, false);
        QCOMPARE(session->routingLinesModel().size(), 0);
        QVERIFY(!session->isSessionActive());
    }

    void removeAllHoldsLaterConnectsBehindTheDisconnects()
    {
        openSession();
        session->addRouteLine(1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 1, 10000);
        session->removeAllRoutes(true, false);
        session->addRouteLine(2, 0);
        QTRY_COMPARE_WITH_TIMEOUT(
            connections(0).first()["sink"].toString(), app.simulator.podAddress(2), 10000);
        QCOMPARE(connections(0).size(), 1);
        const QDateTime terminated = timeOf(podRequests(0, "DELETE", "/connections").last());
        const QDateTime connected = timeOf(podRequests(0, "POST", "/connections").last());
        QVERIFY(terminated.msecsTo(connected) >= latencyMs - 5);
        QVERIFY(!Globals::getInstance().networkManager()->isBlocking());
        session->removeAllRoutes(true, false);
    }

    void primaryToAllWaitsOnlyWhenTablesWereSharing()
    {
        openSession();
        QElapsedTimer clock;
        clock.start();
        session->routePrimaryToAll();
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(session->routingLinesModel().size(), teamPods);
        QTRY_COMPARE_WITH_TIMEOUT(connections(primaryPod).size(), teamPods, 10000);
        session->routePrimaryToAll(); // all present already
        QCOMPARE(LogFile::messages().last(), QString("Route already exists, no connection needed!"));
        session->removeAllRoutes(true, false);

        session->addRouteLine(1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 1, 10000);
        clock.restart();
        session->routePrimaryToAll();
        QVERIFY(clock.elapsed() >= 1000);
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 0, 10000);
        QCOMPARE(session->routingLinesModel().size(), teamPods);
        QVERIFY(eventNames().contains("share primary to all"));
        session->removeAllRoutes(true, false);
    }

    void overlaysReachTheTablesAndAreReported()
    {
        openSession();
        // Each text lands before the next goes out: calls to one pod may overtake each other.
        const auto showEverywhere = [&](const QString& text) {
            session->showOverlay(text, false);
            return waitForPods(
                [&](int pod) { return app.simulator.podState(pod)["overlayText"] == text; }, teamPods);
        };
        QVERIFY(showEverywhere("Eyes Up Front"));
        QCOMPARE(settledState(primaryPod)["overlayText"].toString(), QString());
        QVERIFY(showEverywhere("Quiz time"));
        QVERIFY(showEverywhere(""));
        const QStringList events = eventNames();
        QVERIFY(events.contains("show eyes up front") && events.contains("show custom message")
            && events.contains("hide overlay message"));

        // Clearing, on the tables and the front display, is not reported.
        session->currentLayout()->primaryDisplay()->showOverlay("Front only");
        QTRY_COMPARE_WITH_TIMEOUT(
            app.simulator.podState(primaryPod)["overlayText"].toString(), QString("Front only"), 10000);
        const int reported = eventNames().size();
        session->resetOverlay();
        session->showOverlay("", true);
        QCOMPARE(eventNames().size(), reported);
        QVERIFY(waitForPods([&](int pod) { return app.simulator.podState(pod)["overlayText"] == ""; }));
    }

    void bannersToggleOnModernPods()
    {
        openSession();
        QVERIFY(
            waitForPods([&](int pod) { return pod == legacyPod || podRequests(pod, "PATCH").size() == 3; }));
        QVERIFY(session->isShowRoutingBanners());
        // One toggle at a time: two calls to one pod may overtake each other.
        for (const bool shown : { false, true }) {
            session->toggleRoutingBanners();
            QCOMPARE(session->isShowRoutingBanners(), shown);
            QVERIFY(waitForPods([&](int pod) {
                return pod == legacyPod || app.simulator.podState(pod)["banners"] == shown;
            }));
        }
        QCOMPARE(podRequests(0, "PATCH").size(), 5);
        QCOMPARE(settledState(legacyPod)["banners"].toBool(), false);
        QCOMPARE(podRequests(legacyPod, "PATCH").size(), 1);
    }

    void resetReopensWithoutANewStart()
    {
        openSession();
        session->addRouteLine(1, 0);
        const int starts = eventNames().count("start routing session");
        QVERIFY(app.simulator.clearRequests());
        session->reset();
        QCOMPARE(session->routingLinesModel().size(), 0);
        QVERIFY(allConnected());
        QVERIFY(waitForPods([&](int pod) { return !podRequests(pod, "PATCH").isEmpty(); }));
        QCOMPARE(eventNames().count("start routing session"), starts);
        QVERIFY(eventNames().contains("user pressed reset"));
    }

    void faultyPodsLeaveTheRestWorking()
    {
        QVERIFY(app.simulator.setFault(
            { { "target", "pod:4" }, { "method", "PATCH" }, { "status", 500 }, { "times", 1 } }));
        QVERIFY(app.simulator.setFault({ { "target", "pod:6" },
            { "path", "/api/v2/content/activerouting/version" }, { "action", "garbage" }, { "times", 1 } }));
        QVERIFY(app.simulator.clearRequests());
        session->startSession(classroomId, true, false);
        TeamBlock* refused = session->currentLayout()->teamBlocks()[4];
        TeamBlock* garbled = session->currentLayout()->teamBlocks()[6];
        QVERIFY(refused->isConnecting() && garbled->isConnecting());
        QVERIFY(QTest::qWaitFor(
            [&] {
                return session->currentLayout()->teamBlocks()[0]->isConnected() && garbled->isConnected();
            },
            10000));
        QTRY_VERIFY(!refused->isConnected());
        QVERIFY(!refused->isConnecting() && !garbled->isConnecting()); // a failed opening shows as such
        QCOMPARE(garbled->apiVersion(), 0);
        QTest::qWait(latencyMs * 3);
        QCOMPARE(podRequests(6, "PATCH").size(), 1); // an unreadable version gets no banners
        QVERIFY(!Globals::getInstance().networkManager()->isBlocking());

        session->addRouteLine(4, 0); // the refusing pod takes no route
        QCOMPARE(session->routingLinesModel().size(), 0);

        // A connect refused three times gives the line up and frees both ends.
        QVERIFY(app.simulator.setFault({ { "target", "pod:0" }, { "method", "POST" },
            { "path", "/api/v2/content/activerouting/connections" }, { "status", 500 }, { "times", 3 } }));
        QSignalSpy linesChanged(session, &RoutingSession::routingLinesChanged);
        session->addRouteLine(1, 0);
        QCOMPARE(session->routingLinesModel().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(session->routingLinesModel().size(), 0, 5000);
        QVERIFY(linesChanged.count() >= 2);
        QCOMPARE(podRequests(0, "POST", "/connections").size(), 3);
        QVERIFY(!session->currentLayout()->teamBlocks()[1]->isBeingSinkedInto());
        session->addRouteLine(1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 1, 5000);
        QVERIFY(app.simulator.clearFaults());
    }

    // A stored address that the block dialogs would refuse reaches no pod, however it is called;
    // the room's other blocks route as ever.
    void refusedStoredAddressesSendNothing()
    {
        const QString path = app.simulator.podAddress(1) + "/test/id#";
        const QString credentials = "user:pass@" + app.simulator.podAddress(2);
        ClassroomLayoutModel room;
        room.setClassroomName("Refused Addresses");
        for (const QString& address : { app.simulator.podAddress(0), path, app.simulator.podAddress(3) })
            room.routableBlock(room.addTeamBlock(100, 100, "Display"))->setDisplayAddress(address);
        room.addPrimaryDisplay(400, 600);
        room.primaryDisplay()->setDisplayAddress(credentials);
        const QString roomId = app.createClassroom(room.toJson());
        QVERIFY(app.refreshLibrary());
        ClassroomLayoutModel* stored
            = Globals::getInstance().classroomLayoutManager()->classroomLayout(roomId);
        TeamBlock* refused = stored->teamBlocks()[1];
        QCOMPARE(refused->addressProblem(), QString("The stored pod address is not valid"));
        QCOMPARE(stored->primaryDisplay()->addressProblem(), refused->addressProblem());
        QVERIFY(stored->teamBlocks()[0]->isAddressValid());

        QVERIFY(app.simulator.clearRequests());
        const int logStart = LogFile::messages().size();
        RoutingSession guarded;
        guarded.startSession(roomId, true, false);
        QTRY_VERIFY_WITH_TIMEOUT(
            stored->teamBlocks()[0]->isConnected() && stored->teamBlocks()[2]->isConnected(), 10000);
        guarded.addRouteLine(1, 0);
        guarded.addRouteLine(-1, 0);
        guarded.addRouteLine(2, 0);
        QCOMPARE(guarded.routingLinesModel().size(), 1);
        guarded.showOverlay("Hello", false);
        guarded.toggleRoutingBanners();
        guarded.verifyScreenkeyOnPods("ABCD");
        guarded.removeAllRoutes(true, false);
        QTRY_COMPARE_WITH_TIMEOUT(
            app.simulator.podState(3)["overlayText"].toString(), QString("Hello"), 10000);
        guarded.endSession();
        QTRY_VERIFY(!Globals::getInstance().networkManager()->isBlocking());
        QVERIFY(!refused->isConnected() && !stored->primaryDisplay()->isConnected());
        QCOMPARE(podRequests(1).size(), 0);
        QCOMPARE(podRequests(2).size(), 0);

        // Named when the room was read, never again, and without the password.
        QVERIFY(LogFile::messages().mid(logStart).filter("pod address refused").isEmpty());
        QVERIFY(
            !LogFile::messages().filter(QString("address=[%1]").arg(app.simulator.podAddress(2))).isEmpty());
        QVERIFY(LogFile::messages().filter("user:pass").isEmpty());
    }

    void screenKeys()
    {
        openSession();
        QSignalSpy accepted(session, &RoutingSession::screenkeyAccepted);
        QSignalSpy rejected(session, &RoutingSession::screenkeyRejected);
        session->verifyScreenkeyOnPods(app.simulator.podState(2)["screenKey"].toString());
        QVERIFY(accepted.wait(10000));
        QTest::qWait(latencyMs * 3);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(rejected.count(), 0);

        // A wrong key after a right one is still wrong.
        session->verifyScreenkeyOnPods("ZZZZ");
        QVERIFY(rejected.wait(10000));
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(LogFile::messages().last(), QString("Screen key possibilities exhausted."));

        // A pod that does not answer in time counts as a refusal.
        QVERIFY(app.simulator.setFault(
            { { "target", "pod:0" }, { "path", "/api/v2/info/screen_key" }, { "action", "close" } }));
        session->verifyScreenkeyOnPods("ZZZZ");
        QVERIFY(rejected.wait(10000));
        QVERIFY(app.simulator.clearFaults());
    }

    void roomWithoutPodsRejectsAtOnce()
    {
        RoutingSession empty;
        empty.startSession(emptyClassroomId, true, false);
        QSignalSpy rejected(&empty, &RoutingSession::screenkeyRejected);
        empty.verifyScreenkeyOnPods("ABCD");
        QCOMPARE(rejected.count(), 1);
        empty.endSession();
    }

    void endingClearsTheRoom()
    {
        openSession();
        session->addRouteLine(1, 0);
        session->showOverlay("Bye", false);
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 1, 10000);
        session->endSession();
        QVERIFY(session->currentLayout()); // the placeholder
        QVERIFY(session->currentLayout()
            != Globals::getInstance().classroomLayoutManager()->classroomLayout(classroomId));
        QVERIFY(session->isShowRoutingBanners());
        QTRY_COMPARE_WITH_TIMEOUT(connections(0).size(), 0, 10000);
        QVERIFY(waitForPods([&](int pod) { return app.simulator.podState(pod)["overlayText"] == ""; }));
        QVERIFY(eventNames().contains("stop routing session"));

        session->endSession();
        QCOMPARE(LogFile::messages().last(), QString("No active session, cannot be ended"));
        session->reset(); // nothing to reset
        session->addRouteLine(1, 0);
        QCOMPARE(session->routingLinesModel().size(), 0);
    }

    void unknownClassroomStaysIdle()
    {
        RoutingSession idle;
        const int before = Globals::getInstance().networkManager()->podRequestsQueued();
        idle.startSession("no-such-room", true, false);
        QCOMPARE(Globals::getInstance().networkManager()->podRequestsQueued(), before);
        idle.endSession();
        QCOMPARE(LogFile::messages().last(), QString("No active session, cannot be ended"));
    }
};

QTEST_MAIN(RoutingSessionTest)
#include "RoutingSessionTest.moc"
