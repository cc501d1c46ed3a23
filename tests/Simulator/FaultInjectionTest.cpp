#include "InProcessSimulator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <future>

namespace {

const std::string version = "/api/v2/content/activerouting/version";
const std::string connections = "/api/v2/content/activerouting/connections";

QJsonObject connectBody()
{
    return { { "sink", "127.0.0.1:9" }, { "resolution", "1920x1080" }, { "post", "NORMAL" },
        { "audio", false }, { "message", "Shared from Team 1" }, { "foreground", "#FFFFFF" },
        { "background", "#2E91D9" } };
}

// Milliseconds the call took.
template <typename Call>
qint64 timed(Call call)
{
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed();
}

} // namespace

class FaultInjectionTest : public QObject {
    Q_OBJECT

private slots:
    void latencyDelaysOnlyTheTargetedPod()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pod:1" }, { "latencyMs", 300 } }));
        QVERIFY(timed([&] { QCOMPARE(statusOf(simulator.pod(1).Get(version)), 200); }) >= 300);
        QVERIFY(timed([&] { QCOMPARE(statusOf(simulator.pod(0).Get(version)), 200); }) < 250);
    }

    void baseLatencyDelaysEveryAnswerButNotTheControlApi()
    {
        sim::SimulatorOptions options;
        options.latencyMs = 200;
        InProcessSimulator simulator(options);
        QVERIFY(timed([&] { simulator.pod(0).Get(version); }) >= 200);
        QVERIFY(timed([&] { simulator.cloud().Get("/trellion/api/screenkey"); }) >= 200);
        QVERIFY(timed([&] { simulator.control("/pods"); }) < 150);
    }

    // More calls at once than a default listen backlog admits; a dropped SYN costs a second.
    void podsAnswerConcurrently()
    {
        sim::SimulatorOptions options;
        options.latencyMs = 300;
        InProcessSimulator simulator(options);
        std::vector<std::future<int>> replies;
        const qint64 elapsed = timed([&] {
            for (int call = 0; call < 24; ++call)
                replies.push_back(
                    std::async(std::launch::async, [&] { return statusOf(simulator.pod(0).Get(version)); }));
            for (auto& reply : replies)
                QCOMPARE(reply.get(), 200);
        });
        QVERIFY2(elapsed < 900, qPrintable(QString("24 calls took %1 ms").arg(elapsed)));
    }

    // Connections kept alive between calls wait on the event loop, not each in a thread of its own.
    void keptAliveConnectionsNeedNoThreads()
    {
        InProcessSimulator simulator;
        const int pods = simulator.endpoints().value("pods").toArray().size();
        const auto threads
            = [] { return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); };
        const int before = threads();
        std::vector<httplib::Client> clients;
        for (int call = 0; call < 60; ++call) {
            clients.push_back(simulator.pod(call % pods));
            clients.back().set_keep_alive(true);
            QCOMPARE(statusOf(clients.back().Get(version)), 200);
        }
        QCOMPARE(threads(), before);
    }

    void statusReplacesTheAnswerOnOneCloudPath()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault(
            { { "target", "cloud" }, { "path", "/trellion/api/rooms" }, { "status", 503 } }));
        const httplib::Headers auth = simulator.signIn("editor@trellion.example", "editor-pass");
        QCOMPARE(statusOf(simulator.cloud().Get("/trellion/api/rooms", auth)), 503);
        QCOMPARE(statusOf(simulator.cloud().Get("/trellion/api/screenkey", auth)), 200);
        QCOMPARE(statusOf(simulator.pod(0).Get("/trellion/api/rooms")), 404);
    }

    void holdNeverAnswersAndDoesNotBlockStopping()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pods" }, { "action", "hold" } }));
        auto pod = simulator.pod(0);
        pod.set_read_timeout(0, 500 * 1000);
        const auto timedOut = pod.Get(version);
        QVERIFY(!timedOut);
        QCOMPARE(timedOut.error(), httplib::Error::Read);

        auto held = std::async(std::launch::async, [&] {
            auto client = simulator.pod(1);
            client.set_read_timeout(10);
            return client.Get(version);
        });
        QTest::qWait(100);
        QVERIFY(timed([&] { simulator.stop(); }) < 1500);
        QVERIFY(!held.get());
    }

    void closeHangsUpWithoutAnAnswer()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pod:0" }, { "path", "/test/id" }, { "action", "close" } }));
        const auto closed = simulator.pod(0).Get("/test/id");
        QVERIFY(!closed);
        QCOMPARE(closed.error(), httplib::Error::Read);
        QCOMPARE(statusOf(simulator.pod(0).Get(version)), 200);
    }

    void garbageKeepsTheStatusButSpoilsTheBody()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pod:0" }, { "action", "garbage" } }));
        const auto reply = simulator.pod(0).Get(version);
        QCOMPARE(statusOf(reply), 200);
        QJsonParseError error;
        QJsonDocument::fromJson(QByteArray::fromStdString(reply->body), &error);
        QVERIFY(error.error != QJsonParseError::NoError);
    }

    // The pod still acts on a call whose answer is cut: the connection exists, its guid never arrives.
    void cutHangsUpHalfwayThroughTheRealAnswer()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pod:0" }, { "action", "cut" } }));
        const auto cut = simulator.pod(0).Post(connections, json(connectBody()), jsonType);
        QVERIFY(!cut);
        QCOMPARE(simulator.podState(0).value("connections").toArray().size(), 1);
        QCOMPARE(statusOf(simulator.pod(1).Get(version)), 200);
    }

    void jitterSpreadsTheDelayWithinItsBound()
    {
        sim::SimulatorOptions options;
        options.jitterMs = 200;
        InProcessSimulator simulator(options);
        qint64 shortest = 1000, longest = 0;
        for (int call = 0; call < 12; ++call) {
            const qint64 elapsed = timed([&] { QCOMPARE(statusOf(simulator.pod(0).Get(version)), 200); });
            shortest = std::min(shortest, elapsed);
            longest = std::max(longest, elapsed);
        }
        QVERIFY2(longest - shortest >= 20 && longest < 450,
            qPrintable(QString("delays from %1 to %2 ms").arg(shortest).arg(longest)));
    }

    void failsTheFirstConnectCallsOnly()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pod:0" }, { "method", "post" },
            { "path", QString::fromStdString(connections) }, { "status", 500 }, { "times", 2 } }));
        auto pod = simulator.pod(0);
        QCOMPARE(statusOf(pod.Get(version)), 200);
        QCOMPARE(statusOf(pod.Post(connections, json(connectBody()), jsonType)), 500);
        QCOMPARE(statusOf(pod.Post(connections, json(connectBody()), jsonType)), 500);
        QCOMPARE(statusOf(pod.Post(connections, json(connectBody()), jsonType)), 200);
        QCOMPARE(simulator.podState(0).value("connections").toArray().size(), 1);
        QCOMPARE(simulator.control("/faults").value("faults").toArray().size(), 0);
    }

    void newestMatchingRuleWinsAndEmptyRuleRemoves()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "pods" }, { "status", 502 } }));
        QVERIFY(simulator.setFault({ { "target", "pod:1" }, { "status", 504 } }));
        QCOMPARE(statusOf(simulator.pod(0).Get(version)), 502);
        QCOMPARE(statusOf(simulator.pod(1).Get(version)), 504);

        QVERIFY(simulator.setFault({ { "target", "pod:1" } }));
        QCOMPARE(statusOf(simulator.pod(1).Get(version)), 502);
        QCOMPARE(statusOf(simulator.cloud().Delete("/control/faults")), 204);
        QCOMPARE(statusOf(simulator.pod(1).Get(version)), 200);
    }

    void invalidFaultsAreRefused_data()
    {
        QTest::addColumn<QJsonObject>("fault");
        QTest::newRow("no target") << QJsonObject { { "status", 500 } };
        QTest::newRow("unknown target") << QJsonObject { { "target", "pod" }, { "status", 500 } };
        QTest::newRow("unknown key") << QJsonObject { { "target", "pods" }, { "latency", 100 } };
        QTest::newRow("unknown action") << QJsonObject { { "target", "pods" }, { "action", "explode" } };
        QTest::newRow("not a status") << QJsonObject { { "target", "pods" }, { "status", 42 } };
        QTest::newRow("negative latency") << QJsonObject { { "target", "pods" }, { "latencyMs", -1 } };
    }

    void invalidFaultsAreRefused()
    {
        QFETCH(QJsonObject, fault);
        InProcessSimulator simulator;
        QVERIFY(!simulator.setFault(fault));
        const QJsonArray batch { QJsonObject { { "target", "pods" }, { "status", 500 } }, fault };
        QCOMPARE(statusOf(simulator.cloud().Post(
                     "/control/faults", QJsonDocument(batch).toJson().toStdString(), jsonType)),
            400);
        QCOMPARE(simulator.control("/faults").value("faults").toArray().size(), 0);
    }

    void faultsFromTheOptionsApplyFromTheStart()
    {
        QString error;
        const auto options = sim::SimulatorOptions::fromCommandLine(
            { "trellion-sim", "--pods", "2", "--fault", R"({"target":"pod:1","status":418})" }, &error);
        QVERIFY2(options, qPrintable(error));
        InProcessSimulator simulator(*options);
        QCOMPARE(statusOf(simulator.pod(1).Get(version)), 418);
        QCOMPARE(statusOf(simulator.pod(0).Get(version)), 200);
    }
};

QTEST_MAIN(FaultInjectionTest)
#include "FaultInjectionTest.moc"
