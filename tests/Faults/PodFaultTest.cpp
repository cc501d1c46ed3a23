#include "AppFixture.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "LogFile.h"
#include "NetworkManager.h"
#include "RouteLine.h"
#include "RoutingSession.h"
#include "TeamBlock.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int podCount = 50; // pods 0..48 are tables, pod 49 the front display
constexpr int primaryPod = podCount - 1;
const QString connectionsPath = QStringLiteral("/api/v2/content/activerouting/connections");

// A tenth of the fleet each, the rest answer well; every answer is jittered.
enum class Behaviour { Silent, RefusesConfigure, Garbage, FailsTwoConnects, Healthy };

Behaviour behaviourOf(int pod)
{
    if (pod >= 20 || pod == primaryPod)
        return Behaviour::Healthy;
    return static_cast<Behaviour>(pod / 5);
}

QList<QJsonObject> faultsFor(int pod)
{
    const QString target = QString("pod:%1").arg(pod);
    switch (behaviourOf(pod)) {
    case Behaviour::Silent:
        return { { { "target", target }, { "action", "hold" } } };
    case Behaviour::RefusesConfigure:
        return { { { "target", target }, { "method", "PATCH" }, { "path", "/api/v2/content/activerouting" },
            { "status", 500 } } };
    case Behaviour::Garbage:
        return { { { "target", target }, { "action", "garbage" } } };
    case Behaviour::FailsTwoConnects:
        return { { { "target", target }, { "method", "POST" }, { "path", connectionsPath }, { "status", 500 },
            { "times", 2 } } };
    case Behaviour::Healthy:
        break;
    }
    return {};
}

bool shouldConnect(int pod)
{
    return behaviourOf(pod) != Behaviour::Silent && behaviourOf(pod) != Behaviour::RefusesConfigure;
}

} // namespace

// Routing sessions on a misbehaving fleet. After every step settles, what the app shows must be
// what the pods hold: no route drawn alive that its source pod lacks, no connection left on a pod
// that no route stands for, nothing waiting behind a barrier.
class PodFaultTest : public QObject {
    Q_OBJECT

    AppFixture app { { "--pods", QString::number(podCount), "--latency-ms", "5", "--jitter-ms", "60" } };
    RoutingSession* session = nullptr;
    QString classroomId;

    NetworkManager* network() const { return Globals::getInstance().networkManager(); }
    ClassroomLayoutModel* layout() const { return session->currentLayout(); }
    RoutableBlock* blockOfPod(int pod) const
    {
        return pod == primaryPod ? static_cast<RoutableBlock*>(layout()->primaryDisplay())
                                 : layout()->routableBlock(pod);
    }
    int podOf(const RoutableBlock* block) const
    {
        return app.simulator.podAddresses().indexOf(block->displayAddress());
    }
    QList<RouteLine*> lines() const
    {
        QList<RouteLine*> result;
        for (QObject* line : session->routingLinesModel())
            result.append(qobject_cast<RouteLine*>(line));
        return result;
    }

    bool isIdle() const
    {
        return !network()->isBlocking() && network()->requestQueueSize() == 0
            && network()->apiRequestsInFlightCount() == 0;
    }
    // Idle for longer than a connect retry waits, with no call queued meanwhile.
    void settle()
    {
        const auto quietFor = [&](int ms) {
            const int queued = network()->podRequestsQueued();
            QTest::qWait(ms);
            return isIdle() && network()->podRequestsQueued() == queued;
        };
        QVERIFY2(QTest::qWaitFor([&] { return isIdle() && quietFor(RouteLine::retryDelayMs + 300); }, 60000),
            "the pod queue never came to rest");
    }

    void verifyAppAgreesWithPods()
    {
        const QJsonArray pods = app.simulator.podStates();
        QCOMPARE(pods.size(), podCount);
        QSet<QString> drawnRoutes; // "pod>sink address": what each display may show

        for (RouteLine* line : lines()) {
            RoutableBlock* source = layout()->routableBlock(line->sourceIndex());
            RoutableBlock* sink = layout()->routableBlock(line->sinkIndex());
            QVERIFY(source && sink);
            QVERIFY2(source->isConnected() && sink->isConnected(), "a route drawn to a disconnected block");
            QVERIFY2(sink->incomingRoutes().contains(line), "a route only its source knows");
            const int pod = podOf(source);
            drawnRoutes.insert(QString("%1>%2").arg(pod).arg(sink->displayAddress()));
            if (!line->isConnectionAlive()) {
                // Only a pod whose answers cannot be read leaves a settled route not alive.
                QCOMPARE(behaviourOf(pod), Behaviour::Garbage);
                continue;
            }
            const QJsonArray held = pods[pod]["connections"].toArray();
            QVERIFY2(std::any_of(held.begin(), held.end(),
                         [&](const QJsonValue& c) {
                             return c["guid"] == line->apiGuid() && c["sink"] == sink->displayAddress();
                         }),
                qPrintable(QString("pod %1 lacks the route drawn to %2").arg(pod).arg(sink->displayName())));
        }
        for (int pod = 0; pod < podCount; ++pod) {
            RoutableBlock* block = blockOfPod(pod);
            QCOMPARE(block->isConnected(), shouldConnect(pod));
            for (QObject* incoming : block->incomingRoutes())
                QVERIFY2(lines().contains(qobject_cast<RouteLine*>(incoming)), "a route only its sink knows");
            for (const QJsonValue& held : pods[pod]["connections"].toArray())
                QVERIFY2(drawnRoutes.contains(QString("%1>%2").arg(pod).arg(held["sink"].toString())),
                    qPrintable(QString("pod %1 shows a route nobody sees").arg(pod)));
        }
    }

    int aliveLinesFrom(int pod) const
    {
        const auto all = lines();
        return std::count_if(all.begin(), all.end(), [&](RouteLine* line) {
            return line->isConnectionAlive() && line->sourceIndex() == blockOfPod(pod)->blockIndex();
        });
    }

private slots:
    void initTestCase()
    {
        LogFile::startFresh();
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
        classroomId = app.createFleet("Faulty Fleet", primaryPod);
        QVERIFY(!classroomId.isEmpty());
        for (int pod = 0; pod < podCount; ++pod)
            for (const QJsonObject& fault : faultsFor(pod))
                QVERIFY(app.simulator.setFault(fault));
        session = new RoutingSession(this);
    }

    void openingShowsWhichPodsAnswered()
    {
        session->startSession(classroomId, true, false);
        settle();
        verifyAppAgreesWithPods();
        const QStringList log = LogFile::messages();
        for (int pod : { 5, 9 })
            QVERIFY(log.contains(QString("Block [%1]: Configure failed: httpCode=[500]").arg(pod)));
        for (int pod : { 0, 4 })
            QVERIFY(log.contains(QString("Block [%1]: Configure failed: httpCode=[0]").arg(pod)));
    }

    void pairsAcrossEveryKindOfPod()
    {
        for (int pod = 0; pod + 1 < primaryPod; pod += 2)
            session->addRouteLine(pod + 1, pod);
        settle();
        verifyAppAgreesWithPods();
        // A source that fails twice gets there on its third attempt.
        QCOMPARE(aliveLinesFrom(16), 1);
        QCOMPARE(aliveLinesFrom(18), 1);
        QVERIFY(LogFile::messages()
                    .filter(QRegularExpression(R"(^Line \[.+\]: Connect failed, will retry: \[2/3\]$)"))
                    .size()
            >= 2);
    }

    void removingHalfOfThem()
    {
        const QList<RouteLine*> drawn = lines();
        for (int i = 0; i < drawn.size(); i += 2)
            session->removeRouteLine(drawn[i]->sourceIndex(), drawn[i]->sinkIndex(), drawn[i]->lineIndex());
        settle();
        verifyAppAgreesWithPods();
    }

    void oneBlockToAllThenPrimaryToAll()
    {
        session->removeAllRoutes(true, false);
        settle();
        verifyAppAgreesWithPods();
        for (int pod = 0; pod < podCount; ++pod)
            QVERIFY2(app.simulator.podState(pod)["connections"].toArray().isEmpty(),
                qPrintable(QString("pod %1 kept a route after removing all").arg(pod)));

        const int flakySource = 17;
        session->routeBlockToAll(flakySource);
        settle();
        verifyAppAgreesWithPods();
        // Every connected block but the source and its disconnected peers shows it.
        QCOMPARE(aliveLinesFrom(flakySource), std::count_if(pods().begin(), pods().end(), shouldConnect) - 1);

        session->routePrimaryToAll();
        settle();
        verifyAppAgreesWithPods();
        QCOMPARE(aliveLinesFrom(primaryPod), std::count_if(pods().begin(), pods().end() - 1, shouldConnect));
    }

    // A connect the pod carried out although its answer never arrived, or arrived after the route
    // was removed, must not leave a display showing a screen the plan no longer routes.
    void lostConnectAnswersLeaveNothingBehind()
    {
        session->removeAllRoutes(true, false);
        settle();
        const auto connectFault = [&](int pod, QJsonObject fault) {
            fault.insert("target", QString("pod:%1").arg(pod));
            fault.insert("method", "POST");
            fault.insert("path", connectionsPath);
            fault.insert("times", 1);
            QVERIFY(app.simulator.setFault(fault));
        };
        connectFault(25, { { "latencyMs", NetworkManager::podRequestTimeoutMs + 600 } });
        connectFault(27, { { "action", "cut" } });
        connectFault(29, { { "latencyMs", 1500 } });
        for (int source : { 25, 27, 29 })
            session->addRouteLine(source + 1, source);
        const auto pending = blockOfPod(29)->outgoingRoutes();
        QCOMPARE(pending.size(), 1);
        session->removeRouteLine(29, 30, qobject_cast<RouteLine*>(pending.first())->lineIndex());
        settle();
        verifyAppAgreesWithPods();
        QCOMPARE(aliveLinesFrom(25), 1);
        QCOMPARE(aliveLinesFrom(27), 1);

        for (RouteLine* line : lines())
            session->removeRouteLine(line->sourceIndex(), line->sinkIndex(), line->lineIndex());
        settle();
        verifyAppAgreesWithPods();
    }

    // A pod that falls silent while a route from it is being made: the block drops out with its
    // route drawn interrupted, and once the pod answers again the route is made after all.
    void podFallingSilentKeepsItsRouteUntilItIsBack()
    {
        const int silenced = 21;
        QSignalSpy notices(session, &RoutingSession::notice);
        QVERIFY(
            app.simulator.setFault({ { "target", QString("pod:%1").arg(silenced) }, { "action", "hold" } }));
        session->addRouteLine(silenced + 1, silenced);
        const auto drawn = blockOfPod(silenced)->outgoingRoutes();
        QCOMPARE(drawn.size(), 1);
        auto* line = qobject_cast<RouteLine*>(drawn.first());
        QVERIFY(QTest::qWaitFor([&] { return !blockOfPod(silenced)->isConnected(); }, 30000));
        QVERIFY(line->isInterrupted());
        QCOMPARE(notices.value(0).value(0).toString(), QString("Table 22's display is not answering"));

        QVERIFY(app.simulator.setFault({ { "target", QString("pod:%1").arg(silenced) } }));
        QVERIFY(QTest::qWaitFor([&] { return line->isConnectionAlive(); }, 30000));
        QVERIFY(!line->isInterrupted());
        QCOMPARE(notices.last().value(0).toString(), QString("Table 22's display is back"));
        settle();
        verifyAppAgreesWithPods();
    }

    // A source that answers every connect with an error: the route is given up and the user told.
    void givenUpRouteSaysWhichDisplay()
    {
        const int refusing = 23;
        QSignalSpy notices(session, &RoutingSession::notice);
        QVERIFY(app.simulator.setFault({ { "target", QString("pod:%1").arg(refusing) }, { "method", "POST" },
            { "path", connectionsPath }, { "status", 500 } }));
        session->addRouteLine(refusing + 1, refusing);
        settle();
        QVERIFY(blockOfPod(refusing)->outgoingRoutes().isEmpty());
        QCOMPARE(notices.value(0).value(0).toString(),
            QString("Table 24's display did not answer: Table 24 is not shown on Table 25"));
        QVERIFY(app.simulator.setFault({ { "target", QString("pod:%1").arg(refusing) }, { "method", "POST" },
            { "path", connectionsPath } }));
        verifyAppAgreesWithPods();
    }

    void endingLeavesNoRouteOnAnyPod()
    {
        session->endSession();
        settle();
        for (int pod = 0; pod < podCount; ++pod)
            QVERIFY2(app.simulator.podState(pod)["connections"].toArray().isEmpty(),
                qPrintable(QString("pod %1 kept a route after the session").arg(pod)));
        QVERIFY(isIdle());
    }

private:
    static const QList<int>& pods()
    {
        static const QList<int> all = [] {
            QList<int> result;
            for (int pod = 0; pod < podCount; ++pod)
                result.append(pod);
            return result;
        }();
        return all;
    }
};

QTEST_MAIN(PodFaultTest)
#include "PodFaultTest.moc"
