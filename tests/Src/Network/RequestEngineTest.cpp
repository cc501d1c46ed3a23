#include "LoopbackServer.h"
#include "NetworkManager.h"
#include "ScriptedPod.h"

#include <QElapsedTimer>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

// The pod queue and its barriers, against a real server on loopback.
class RequestEngineTest : public QObject {
    Q_OBJECT

    LoopbackServer pod;

    HttpRequest* version(NetworkManager& manager) { return manager.requestServerVersion(pod.address()); }
    static void waitForAll(const QList<QSignalSpy*>& spies, int timeoutMs = 3000)
    {
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::all_of(spies.begin(), spies.end(), [](QSignalSpy* s) { return s->count() == 1; });
            },
            timeoutMs));
    }

private slots:
    void barrierHoldsLaterRequestsUntilEarlierOnesAnswer()
    {
        pod.setReply("GET", "/api/v2/content/activerouting/version", { 200, R"({"version":"2"})", 300 });
        NetworkManager manager;
        QList<QSignalSpy*> first;
        for (int i = 0; i < 3; ++i)
            first << new QSignalSpy(version(manager), &HttpRequest::finished);
        manager.queueFlushRequest();
        QSignalSpy later1(manager.showOverlay(pod.address(), "a", "#FFFFFF"), &HttpRequest::finished);
        QSignalSpy later2(manager.showOverlay(pod.address(), "b", "#FFFFFF"), &HttpRequest::finished);

        QVERIFY(manager.isBlocking());
        QCOMPARE(manager.requestQueueSize(), 2);
        QCOMPARE(manager.apiRequestsInFlightCount(), 3);

        waitForAll(first);
        QVERIFY(QTest::qWaitFor([&] { return later1.count() == 1 && later2.count() == 1; }, 3000));
        QVERIFY(!manager.isBlocking());
        QCOMPARE(manager.apiRequestsInFlightCount(), 0);
        const auto requests = pod.requests();
        QCOMPARE(requests.size(), 5);
        const QByteArray lastTwo = requests[3].body + requests[4].body; // both only after the barrier
        QVERIFY(lastTwo.contains("\"a\"") && lastTwo.contains("\"b\""));
        qDeleteAll(first);
    }

    // Its status line arrived, but a 200 whose body was cut off must not read as an answer.
    void replyCutOffMidBodyHasNoStatus()
    {
        ScriptedPod cutting;
        cutting.setScript({ ScriptedPod::Act::CutBody });
        NetworkManager manager;
        QSignalSpy finished(manager.requestServerVersion(cutting.address()), &HttpRequest::finished);
        QVERIFY(finished.wait(3000));
        const auto response = finished.first().first().value<HttpResponse>();
        QCOMPARE(response.httpCode, 0);
        QCOMPARE(response.error, int(QNetworkReply::RemoteHostClosedError));
    }

    void flushWithNothingOutstandingKeepsQueueOpen()
    {
        NetworkManager manager;
        manager.queueFlushRequest();
        QVERIFY(!manager.isBlocking());
        QCOMPARE(manager.requestQueueSize(), 0);

        // Only unanswered API calls hold a barrier: a NONAPI call before it does not,
        // so what is queued behind leaves at once instead of waiting for nothing.
        manager.queryDeviceId(pod.address());
        manager.queueFlushRequest();
        QSignalSpy behind(version(manager), &HttpRequest::finished);
        QVERIFY(!manager.isBlocking());
        QCOMPARE(manager.requestQueueSize(), 0);
        QVERIFY(behind.wait(3000));
    }

    void twoFlushesInARowLiftTogether()
    {
        pod.setReply("GET", "/api/v2/content/activerouting/version", { 200, "{}", 100 });
        NetworkManager manager;
        QSignalSpy inFlight(version(manager), &HttpRequest::finished);
        manager.queueFlushRequest();
        manager.queueFlushRequest();
        QVERIFY(manager.isBlocking());
        QCOMPARE(manager.requestQueueSize(), 1);
        QVERIFY(inFlight.wait(3000));
        QVERIFY(!manager.isBlocking());
        QCOMPARE(manager.requestQueueSize(), 0);
    }

    void abortDropsQueuedRequestsButBarrierWaitsForReplies()
    {
        pod.setReply("GET", "/api/v2/content/activerouting/version", { 200, "{}", 200 });
        NetworkManager manager;
        QSignalSpy inFlight(version(manager), &HttpRequest::finished);
        manager.queueFlushRequest();
        QPointer<HttpRequest> dropped = manager.showOverlay(pod.address(), "never", "#FFFFFF");
        manager.abortAllPodConnections();
        QCOMPARE(manager.requestQueueSize(), 0);
        QVERIFY(manager.isBlocking());
        QVERIFY(inFlight.wait(3000));
        QVERIFY(!manager.isBlocking());
        QTRY_VERIFY(dropped.isNull()); // released, not leaked
        QTest::qWait(100);
        for (const auto& request : pod.requests())
            QVERIFY(!request.body.contains("never"));
    }

    void unansweredPodRequestTimesOutAndLiftsBarrier()
    {
        pod.setReply("PATCH", "/api/v2/content/activerouting", { 200, "{}", 0, true });
        NetworkManager manager;
        QElapsedTimer clock;
        clock.start();
        QSignalSpy stuck(
            manager.configurePod(pod.address(), "m", "#FFFFFF", "#000000"), &HttpRequest::finished);
        manager.queueFlushRequest();
        QSignalSpy behind(version(manager), &HttpRequest::finished);
        QVERIFY(manager.isBlocking());

        QVERIFY(stuck.wait(NetworkManager::podRequestTimeoutMs + 2000));
        QVERIFY(clock.elapsed() >= NetworkManager::podRequestTimeoutMs - 50);
        const auto response = stuck.first().first().value<HttpResponse>();
        QCOMPARE(response.error, int(QNetworkReply::OperationCanceledError));
        QCOMPARE(response.httpCode, 0);
        QVERIFY(behind.wait(3000));
        QCOMPARE(manager.apiRequestsInFlightCount(), 0);
        pod.setReply("PATCH", "/api/v2/content/activerouting", {});
    }

    void refusedPodEndsWithNetworkError()
    {
        NetworkManager manager;
        QSignalSpy done(manager.requestServerVersion("127.0.0.1:1"), &HttpRequest::finished);
        QVERIFY(done.wait(3000));
        const auto response = done.first().first().value<HttpResponse>();
        QVERIFY(response.error != 0);
        QCOMPARE(response.httpCode, 0);
        QVERIFY(response.data.isEmpty());
        QVERIFY(!manager.isBlocking());
    }

    void errorStatusKeepsCodeAndDropsBody()
    {
        pod.setReply("POST", "/api/v2/content/activerouting/overlaytext", { 500, "boom" });
        NetworkManager manager;
        QSignalSpy done(manager.showOverlay(pod.address(), "x", "#FFFFFF"), &HttpRequest::finished);
        QVERIFY(done.wait(3000));
        const auto response = done.first().first().value<HttpResponse>();
        QCOMPARE(response.httpCode, 500);
        QVERIFY(response.error != 0);
        QVERIFY(response.data.isEmpty());
        pod.setReply("POST", "/api/v2/content/activerouting/overlaytext", {});
    }

    void sleepKeepsDeliveringReplies()
    {
        NetworkManager manager;
        QSignalSpy done(version(manager), &HttpRequest::finished);
        QElapsedTimer clock;
        clock.start();
        manager.sleep(1);
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(done.count(), 1);
    }

    void tokenChangeSignalsOnlyOnChange()
    {
        NetworkManager manager;
        QSignalSpy changed(&manager, &NetworkManager::isLoggedInChanged);
        manager.setFullAccessToken("t");
        manager.setFullAccessToken("t");
        QCOMPARE(changed.count(), 1);
        QVERIFY(manager.isLoggedIn());
        manager.setFullAccessToken("");
        QCOMPARE(changed.count(), 2);
        QVERIFY(!manager.isLoggedIn());
    }

    void requestDescribesItself()
    {
        HttpRequest request(nullptr);
        request.verb = "GET";
        request.networkRequest.setUrl(QUrl("http://127.0.0.1:9/x"));
        QCOMPARE(request.toString(),
            QString("{GET -> [http://127.0.0.1:9/x] [%1]}").arg(request.requestId.toString()));
    }
};

QTEST_GUILESS_MAIN(RequestEngineTest)
#include "RequestEngineTest.moc"
