#include "AppFixture.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "LogFile.h"
#include "NetworkManager.h"
#include "PodHealthMonitor.h"
#include "RouteLine.h"
#include "RoutingSession.h"
#include "TeamBlock.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int podCount = 40; // pods 0..38 are tables, pod 39 the front display
constexpr int primaryPod = podCount - 1;
// Long enough for two checks in a row to miss, wherever in the period the pod falls silent.
constexpr int silentMs = 2 * PodHealthMonitor::periodMs + 3000;
const QString overlay = QStringLiteral("Eyes Up Front");

} // namespace

// Pods switched off and on again in the middle of a class. Once each is back, every pod holds
// exactly the connections the plan draws and shows the room's overlay text.
class PowerCycleFaultTest : public QObject {
    Q_OBJECT

    AppFixture app { { "--pods", QString::number(podCount), "--latency-ms", "5", "--jitter-ms", "40" } };
    RoutingSession* session = nullptr;
    QSet<int> droppedOut; // pods of the current wave the app saw go
    QRandomGenerator random { static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()) };

    ClassroomLayoutModel* layout() const { return session->currentLayout(); }
    RoutableBlock* blockOfPod(int pod) const
    {
        return pod == primaryPod ? static_cast<RoutableBlock*>(layout()->primaryDisplay())
                                 : layout()->routableBlock(pod);
    }
    QList<RouteLine*> lines() const
    {
        QList<RouteLine*> result;
        for (QObject* line : session->routingLinesModel())
            result.append(qobject_cast<RouteLine*>(line));
        return result;
    }
    RouteLine* lineFrom(int pod) const
    {
        return qobject_cast<RouteLine*>(blockOfPod(pod)->outgoingRoutes().value(0));
    }

    void powerCycle(int pod, int afterMs)
    {
        const auto reply = app.simulator.control("POST", QString("/pods/%1/power-cycle").arg(pod),
            QJsonDocument(QJsonObject { { "silentMs", silentMs }, { "afterMs", afterMs } }));
        QCOMPARE(reply.status, 200);
    }

    bool allConnected() const
    {
        for (int pod = 0; pod < podCount; ++pod)
            if (!blockOfPod(pod)->isConnected())
                return false;
        return true;
    }

    // Every pod back in the session, every line alive, and nothing sent for a while.
    void waitUntilSettled()
    {
        NetworkManager* network = Globals::getInstance().networkManager();
        const auto settled = [&] {
            if (!allConnected())
                return false;
            const auto drawn = lines();
            if (!std::all_of(
                    drawn.begin(), drawn.end(), [](RouteLine* line) { return line->isConnectionAlive(); }))
                return false;
            const int queued = network->podRequestsQueued();
            QTest::qWait(RouteLine::retryDelayMs + 300);
            return network->requestQueueSize() == 0 && network->apiRequestsInFlightCount() == 0
                && network->podRequestsQueued() == queued;
        };
        QVERIFY2(QTest::qWaitFor(settled, 4 * silentMs), "the room never came back");
    }

    void verifyPodsHoldThePlan()
    {
        const QJsonArray pods = app.simulator.podStates();
        QSet<QString> drawn; // "pod>guid>sink"
        for (RouteLine* line : lines()) {
            const QString source = layout()->routableBlock(line->sourceIndex())->displayAddress();
            const QString sink = layout()->routableBlock(line->sinkIndex())->displayAddress();
            drawn.insert(QString("%1>%2>%3")
                             .arg(app.simulator.podAddresses().indexOf(source))
                             .arg(line->apiGuid(), sink));
        }
        QSet<QString> held;
        for (int pod = 0; pod < podCount; ++pod) {
            for (const QJsonValue& connection : pods[pod]["connections"].toArray())
                held.insert(QString("%1>%2>%3")
                                .arg(pod)
                                .arg(connection["guid"].toString(), connection["sink"].toString()));
            if (pod != primaryPod)
                QVERIFY2(pods[pod]["overlayText"] == overlay,
                    qPrintable(QString("pod %1 lost the overlay").arg(pod)));
            QVERIFY2(pods[pod]["presence"].toBool(),
                qPrintable(QString("pod %1 was not configured again").arg(pod)));
        }
        QVERIFY2(held == drawn,
            qPrintable(QString("held but not drawn: %1; drawn but not held: %2")
                           .arg(QStringList((held - drawn).values()).join(", "),
                               QStringList((drawn - held).values()).join(", "))));
    }

private slots:
    void initTestCase()
    {
        LogFile::startFresh();
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
        const QString classroomId = app.createFleet("Flickering Fleet", primaryPod);
        QVERIFY(!classroomId.isEmpty());
        session = new RoutingSession(this);
        session->startSession(classroomId, true, false);
        QVERIFY(QTest::qWaitFor([&] { return allConnected(); }, 20000));

        // Pairs 1>2 .. 19>20, then table 0 to every display still free, but 35 and 36.
        for (int pod = 1; pod < 20; pod += 2)
            session->addRouteLine(pod + 1, pod);
        session->routeBlockToAll(0);
        for (RouteLine* line : lines())
            if (line->sinkIndex() == 35 || line->sinkIndex() == 36)
                session->removeRouteLine(0, line->sinkIndex(), line->lineIndex());
        session->showOverlay(overlay, false);
        waitUntilSettled();
        verifyPodsHoldThePlan();
    }

    void podsRebootingMidClassComeBackAsThePlanDraws()
    {
        QSignalSpy notices(session, &RoutingSession::notice);
        const QList<QList<int>> waves { { 0, 3, 10, 25, primaryPod, 36 }, { 0, 12, 30, 25 } };
        const int checksBefore = session->healthMonitor()->checksSent();
        QElapsedTimer elapsed;
        elapsed.start();
        for (const QList<int>& wave : waves) {
            droppedOut.clear();
            for (int pod : wave) {
                connect(blockOfPod(pod), &RoutableBlock::isConnectedChanged, this, [&, pod] {
                    if (!blockOfPod(pod)->isConnected())
                        droppedOut.insert(pod);
                });
                powerCycle(pod, pod == 3 || pod == 36 ? 0 : random.bounded(3000));
            }
            if (wave.contains(36)) {
                // A route to a pod that is switching off, and one removed from a pod that is off.
                session->addRouteLine(36, 35);
                QTest::qWait(800);
                session->removeRouteLine(3, 4, lineFrom(3)->lineIndex());
            }
            QVERIFY(QTest::qWaitFor([&] { return droppedOut.size() == wave.size(); }, 2 * silentMs));
            waitUntilSettled();
            verifyPodsHoldThePlan();
            for (int pod : wave)
                disconnect(blockOfPod(pod), &RoutableBlock::isConnectedChanged, this, nullptr);
        }
        // The checks never outpace one per pod and period.
        QVERIFY(session->healthMonitor()->checksSent() - checksBefore
            <= podCount * (elapsed.elapsed() / PodHealthMonitor::periodMs + 1));
        const QStringList texts = [&] {
            QStringList all;
            for (const QList<QVariant>& notice : notices)
                all.append(notice.first().toString());
            return all;
        }();
        QVERIFY2(texts.contains("Table 11's display is not answering"), qPrintable(texts.join(" | ")));
        QVERIFY2(texts.contains("Table 11's display is back"), qPrintable(texts.join(" | ")));
        QCOMPARE(texts.filter("Table 1's display is back").size(), 2);
    }

    void endingLeavesNoRouteOnAnyPod()
    {
        session->endSession();
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QJsonArray pods = app.simulator.podStates();
                return std::all_of(pods.begin(), pods.end(),
                    [](const QJsonValue& pod) { return pod["connections"].toArray().isEmpty(); });
            },
            10000));
    }
};

QTEST_MAIN(PowerCycleFaultTest)
#include "PowerCycleFaultTest.moc"
