#include "CurlMulti.h"
#include "CurlReply.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"
#include "PodAccessManager.h"
#include "ReplyLimits.h"
#include "ScriptedPod.h"

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

Q_DECLARE_METATYPE(ScriptedPod::Act)

// Pod calls take libcurl; these hold it to what Qt's own path does on the same wire.
class PodTransportTest : public QObject {
    Q_OBJECT

    struct Outcome {
        int error = 0;
        int status = 0;
        QByteArray body;
        bool curl = false;
    };

    // One PATCH as the engine sends it, through the given transport.
    static QNetworkReply* patch(PodAccessManager& manager, const QString& address)
    {
        QNetworkRequest request(QUrl("http://" + address + "/api/v2/content/activerouting"));
        request.setAttribute(PodAccessManager::podRequestAttribute, true);
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json; charset=utf-8");
        const QByteArray body = "{\"presence\": true, \"message\": \"m\"}";
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
        return manager.sendCustomRequest(request, "PATCH", body);
    }

    static Outcome outcomeOf(QNetworkReply* reply, int abortAfterMs)
    {
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (abortAfterMs >= 0) {
            QTest::qWait(abortAfterMs);
            reply->abort();
            [&] { QCOMPARE(finished.count(), 1); }(); // at once, not later
        }
        [&] { QVERIFY(reply->isFinished() || finished.wait(4000)); }();
        Outcome outcome { reply->error(), reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->isOpen() ? reply->readAll() : QByteArray(), qobject_cast<CurlReply*>(reply) != nullptr };
        delete reply;
        return outcome;
    }

    static Outcome run(bool curl, ScriptedPod::Act act, int abortAfterMs)
    {
        ScriptedPod pod;
        pod.setScript({ act });
        PodAccessManager manager;
        manager.setCurlEnabled(curl);
        return outcomeOf(patch(manager, pod.address()), abortAfterMs);
    }

    static QString closedPort()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        return QString("127.0.0.1:%1").arg(probe.serverPort());
    }

private slots:
    void sameOutcomeAsQt_data()
    {
        using Act = ScriptedPod::Act;
        QTest::addColumn<ScriptedPod::Act>("act");
        QTest::addColumn<int>("abortAfterMs");
        QTest::addColumn<int>("error");
        QTest::newRow("answered") << Act::Answer << -1 << int(QNetworkReply::NoError);
        QTest::newRow("hung up") << Act::HangUp << -1 << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("reset") << Act::Reset << -1 << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("garbage") << Act::Garbage << -1 << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("garbage, then silence")
            << Act::GarbageThenSilence << -1 << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("body cut short") << Act::CutBody << -1 << int(QNetworkReply::RemoteHostClosedError);
        QTest::newRow("aborted while waiting")
            << Act::Hold << 100 << int(QNetworkReply::OperationCanceledError);
    }

    void sameOutcomeAsQt()
    {
        QFETCH(ScriptedPod::Act, act);
        QFETCH(int, abortAfterMs);
        QFETCH(int, error);
        const Outcome qt = run(false, act, abortAfterMs);
        const Outcome curl = run(true, act, abortAfterMs);
        QVERIFY(!qt.curl && curl.curl);
        QCOMPARE(qt.error, error);
        QCOMPARE(curl.error, qt.error);
        QCOMPARE(curl.status, qt.status);
        QCOMPARE(curl.body, qt.body);
    }

    void refusedLikeQt()
    {
        PodAccessManager qt;
        qt.setCurlEnabled(false);
        PodAccessManager curl;
        const QString address = closedPort();
        const Outcome viaQt = outcomeOf(patch(qt, address), -1);
        const Outcome viaCurl = outcomeOf(patch(curl, address), -1);
        QCOMPARE(viaQt.error, int(QNetworkReply::ConnectionRefusedError));
        QCOMPARE(viaCurl.error, viaQt.error);
        QCOMPARE(viaCurl.status, 0);
    }

    void errorStatusLikeQt()
    {
        LoopbackServer pod;
        pod.setReply("PATCH", "/api/v2/content/activerouting", { 503, "{\"busy\":true}" });
        PodAccessManager qt;
        qt.setCurlEnabled(false);
        PodAccessManager curl;
        const Outcome fromQt = outcomeOf(patch(qt, pod.address()), -1);
        const Outcome fromCurl = outcomeOf(patch(curl, pod.address()), -1);
        QCOMPARE(fromQt.error, int(QNetworkReply::ServiceUnavailableError));
        QCOMPARE(fromCurl.error, fromQt.error);
        QCOMPARE(fromCurl.status, 503);
        QCOMPARE(fromCurl.body, fromQt.body);
    }

    void sameRequestOnTheWireAsQt()
    {
        LoopbackServer pod;
        for (const bool curl : { false, true }) {
            PodAccessManager manager;
            manager.setCurlEnabled(curl);
            outcomeOf(patch(manager, pod.address()), -1);
        }
        const auto sent = pod.requests();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[1].method, sent[0].method);
        QCOMPARE(sent[1].target, sent[0].target);
        QCOMPARE(sent[1].body, sent[0].body);
        for (const auto& [name, value] : sent[0].headers) {
            if (name != "REMOTE_ADDR" && name != "REMOTE_PORT" && name != "LOCAL_ADDR"
                && name != "LOCAL_PORT")
                QCOMPARE(sent[1].header(name), QByteArray::fromStdString(value));
        }
        QCOMPARE(sent[1].headers.size(), sent[0].headers.size());
    }

    void podClosingKeptAliveConnectionIsRetried()
    {
        ScriptedPod pod;
        // Answers the first request on each connection and hangs up on the next, as a pod does
        // whose idle time-out ends just as a request arrives.
        pod.setScript({ ScriptedPod::Act::Answer, ScriptedPod::Act::HangUp });
        NetworkManager manager;
        for (int call = 0; call < 3; ++call) {
            QSignalSpy done(
                manager.configurePod(pod.address(), "m", "#FFFFFF", "#000000"), &HttpRequest::finished);
            QVERIFY(done.wait(3000));
            const auto response = done.first().first().value<HttpResponse>();
            QCOMPARE(response.error, 0);
            QCOMPARE(response.httpCode, 200);
            QCOMPARE(response.data, QByteArray(ScriptedPod::answerBody));
        }
        QCOMPARE(pod.connectionCount(), 3);
        QCOMPARE(pod.requestCount(), 5); // each retry once, on a fresh connection
    }

    void unansweredCallIsAbortedByTheEngine()
    {
        ScriptedPod pod;
        pod.setScript({ ScriptedPod::Act::Hold });
        NetworkManager manager;
        QSignalSpy done(manager.showOverlay(pod.address(), "t", "#FFFFFF"), &HttpRequest::finished);
        QVERIFY(!done.wait(NetworkManager::podRequestTimeoutMs - 500));
        QVERIFY(done.wait(2000));
        const auto response = done.first().first().value<HttpResponse>();
        QCOMPARE(response.error, int(QNetworkReply::OperationCanceledError));
        QCOMPARE(response.httpCode, 0);
        QTRY_COMPARE(pod.openConnectionCount(), 0); // the connection is not kept for reuse
    }

    // Answered at once, not at the deadline: a pod cannot make the app hold more than the limit.
    void repliesOverTheLimitFailAsUnanswered_data()
    {
        QTest::addColumn<bool>("curl");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<bool>("accepted");
        const qint64 limit = ReplyLimits::podCallBytes;
        const QByteArray gzipped
            = "\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\x03\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00";
        for (const bool curl : { true, false }) {
            const char* path = curl ? "curl" : "Qt";
            QTest::addRow("%s: at the limit", path)
                << curl << QByteArray(limit, ' ') << qint64(-1) << QByteArray() << true;
            QTest::addRow("%s: a byte over", path)
                << curl << QByteArray(limit + 1, ' ') << qint64(-1) << QByteArray() << false;
            QTest::addRow("%s: 10 GB announced", path)
                << curl << QByteArray("{}") << (qint64(10) << 30) << QByteArray() << false;
            QTest::addRow("%s: gzip, unasked", path)
                << curl << gzipped << qint64(-1) << QByteArray("Content-Encoding: gzip\r\n") << false;
            QTest::addRow("%s: identity", path) << curl << QByteArray("{}") << qint64(-1)
                                                << QByteArray("Content-Encoding: identity\r\n") << true;
        }
    }

    void repliesOverTheLimitFailAsUnanswered()
    {
        QFETCH(bool, curl);
        QFETCH(QByteArray, body);
        QFETCH(qint64, announced);
        QFETCH(QByteArray, headers);
        QFETCH(bool, accepted);
        ScriptedPod pod;
        pod.setAnswer(body, announced, headers);
        NetworkManager manager;
        manager.podAccessManager()->setCurlEnabled(curl);
        QSignalSpy done(manager.requestServerVersion(pod.address()), &HttpRequest::finished);
        QVERIFY(done.wait(NetworkManager::podRequestTimeoutMs - 1000));
        const auto response = done.first().first().value<HttpResponse>();
        QCOMPARE(response.httpCode, accepted ? 200 : 0);
        QCOMPARE(response.data.size(), accepted ? body.size() : 0);
        if (!accepted)
            QCOMPARE(response.error, int(QNetworkReply::OperationCanceledError));
    }

    void abortClosesTheConnectionAndTheNextCallGetsANewOne()
    {
        ScriptedPod pod;
        pod.setScript({ ScriptedPod::Act::Hold });
        PodAccessManager manager;
        QNetworkReply* held = patch(manager, pod.address());
        QTRY_COMPARE(pod.requestCount(), 1);
        QSignalSpy finished(held, &QNetworkReply::finished);
        held->abort();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(held->error(), QNetworkReply::OperationCanceledError);
        QTRY_COMPARE(pod.openConnectionCount(), 0);
        delete held;

        pod.setScript({ ScriptedPod::Act::Answer });
        const Outcome next = outcomeOf(patch(manager, pod.address()), -1);
        QCOMPARE(next.status, 200);
        QCOMPARE(pod.connectionCount(), 2);
    }

    void atMostSixConnectionsPerPod()
    {
        ScriptedPod pod;
        pod.setAnswerDelayMs(100);
        NetworkManager manager;
        QList<QSignalSpy*> calls;
        for (int call = 0; call < 20; ++call)
            calls << new QSignalSpy(
                manager.showOverlay(pod.address(), "t", "#FFFFFF"), &HttpRequest::finished);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::all_of(calls.begin(), calls.end(), [](QSignalSpy* s) { return s->count() == 1; });
            },
            5000));
        for (QSignalSpy* call : calls)
            QCOMPARE(call->first().first().value<HttpResponse>().httpCode, 200);
        QCOMPARE(pod.mostOpenAtOnce(), 6);
        QCOMPARE(pod.connectionCount(), 6); // and kept for the calls queued behind
        qDeleteAll(calls);
    }

    // Handles go back to a spare list; what one call set must not reach the next.
    void reusedHandleCarriesNothingOver()
    {
        CurlMulti multi;
        CURL* easy = multi.takeHandle();
        multi.recycle(easy);
        QCOMPARE(multi.takeHandle(), easy);
        multi.recycle(easy);

        LoopbackServer pod;
        PodAccessManager manager;
        QCOMPARE(outcomeOf(patch(manager, pod.address()), -1).status, 200);
        QNetworkRequest version(QUrl(pod.url() + "/api/v2/content/activerouting/version"));
        version.setAttribute(PodAccessManager::podRequestAttribute, true);
        QCOMPARE(outcomeOf(manager.get(version), -1).status, 200);
        const auto sent = pod.requests();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[1].method, QString("GET"));
        QVERIFY(sent[1].body.isEmpty());
        QVERIFY(!sent[1].hasHeader("Content-Length"));
        QVERIFY(!sent[1].hasHeader("Content-Type"));
    }

    // Pods close idle connections within seconds: a session's end lets ours go, after the calls in flight.
    void sessionEndClosesKeptAliveConnections()
    {
        ScriptedPod pod;
        pod.setAnswerDelayMs(300);
        NetworkManager manager;
        QSignalSpy first(
            manager.configurePod(pod.address(), "m", "#FFFFFF", "#000000"), &HttpRequest::finished);
        QVERIFY(first.wait(3000));
        QSignalSpy inFlight(manager.showOverlay(pod.address(), "t", "#FFFFFF"), &HttpRequest::finished);
        manager.abortAllPodConnections();
        QCOMPARE(pod.openConnectionCount(), 1); // still answering
        QVERIFY(inFlight.wait(3000));
        QCOMPARE(inFlight.first().first().value<HttpResponse>().httpCode, 200);
        QTRY_COMPARE(pod.openConnectionCount(), 0);

        // The calls a session sends as it ends are waited for, not sent on connections about to close.
        manager.abortAllPodConnections();
        QSignalSpy next(
            manager.configurePod(pod.address(), "m", "#FFFFFF", "#000000"), &HttpRequest::finished);
        QVERIFY(next.wait(3000));
        QCOMPARE(next.first().first().value<HttpResponse>().httpCode, 200);
        QCOMPARE(pod.connectionCount(), 2);
        QTRY_COMPARE(pod.openConnectionCount(), 0);
    }

    // A call started once the session's last ones are out (the next session opening) keeps the
    // connections: closing them when the last calls are answered would cut into its rounds.
    void callsAfterTheSessionEndKeepTheConnections()
    {
        ScriptedPod pod;
        pod.setAnswerDelayMs(300);
        NetworkManager manager;
        QSignalSpy last(manager.showOverlay(pod.address(), "t", "#FFFFFF"), &HttpRequest::finished);
        manager.abortAllPodConnections();
        QCoreApplication::processEvents();
        QSignalSpy next(
            manager.configurePod(pod.address(), "m", "#FFFFFF", "#000000"), &HttpRequest::finished);
        QTRY_COMPARE(last.size() + next.size(), 2);
        QTest::qWait(200);
        QCOMPARE(pod.openConnectionCount(), 2);
    }

    // One pool of connections per pod: calls without a body take libcurl too.
    void podCallsWithoutBodyTakeCurl()
    {
        LoopbackServer server;
        PodAccessManager manager;
        QNetworkRequest pod(QUrl(server.url() + "/api/v2/content/activerouting/version"));
        pod.setAttribute(PodAccessManager::podRequestAttribute, true);
        const QList<std::function<QNetworkReply*()>> calls { [&] { return manager.get(pod); },
            [&] { return manager.sendCustomRequest(pod, "GET"); },
            [&] { return manager.deleteResource(pod); },
            [&] { return manager.sendCustomRequest(pod, "DELETE"); } };
        for (const auto& call : calls) {
            const Outcome outcome = outcomeOf(call(), -1);
            QVERIFY(outcome.curl);
            QCOMPARE(outcome.status, 200);
        }
    }

    void otherRequestsStayOnQtsPath()
    {
        LoopbackServer server;
        PodAccessManager manager;
        QNetworkRequest pod(QUrl(server.url() + "/api/v2/content/activerouting/version"));
        pod.setAttribute(PodAccessManager::podRequestAttribute, true);
        // A snapshot is fetched without the pod mark.
        const QNetworkRequest snapshot(QUrl(server.url() + "/lookin/thedisplay.jpg"));
        QNetworkRequest cloud(QUrl(server.url() + "/trellion/api/rooms"));
        cloud.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        const QList<std::function<QNetworkReply*()>> calls { [&] { return manager.get(snapshot); },
            [&] { return manager.post(cloud, QByteArray("{}")); },
            [&] { return manager.sendCustomRequest(pod, "PATCH", QByteArray()); } };
        for (const auto& call : calls) {
            const Outcome outcome = outcomeOf(call(), -1);
            QVERIFY(!outcome.curl);
            QCOMPARE(outcome.status, 200);
        }
    }

    void sameRequestWithoutBodyOnTheWireAsQt_data()
    {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<bool>("custom");
        QTest::newRow("get()") << QByteArray("GET") << false;
        QTest::newRow("GET as the engine sends it") << QByteArray("GET") << true;
        QTest::newRow("deleteResource()") << QByteArray("DELETE") << false;
        QTest::newRow("DELETE as the engine sends it") << QByteArray("DELETE") << true;
    }

    void sameRequestWithoutBodyOnTheWireAsQt()
    {
        QFETCH(QByteArray, verb);
        QFETCH(bool, custom);
        LoopbackServer pod;
        for (const bool curl : { false, true }) {
            PodAccessManager manager;
            manager.setCurlEnabled(curl);
            QNetworkRequest request(QUrl(pod.url() + "/api/v2/content/activerouting/connections?x=1"));
            request.setAttribute(PodAccessManager::podRequestAttribute, true);
            QNetworkReply* reply = custom ? manager.sendCustomRequest(request, verb)
                : verb == "GET"           ? manager.get(request)
                                          : manager.deleteResource(request);
            QCOMPARE(outcomeOf(reply, -1).curl, curl);
        }
        const auto sent = pod.requests();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent[0].method, QString::fromLatin1(verb));
        QCOMPARE(sent[1].method, sent[0].method);
        QCOMPARE(sent[1].target, sent[0].target);
        QVERIFY(sent[1].body.isEmpty());
        QVERIFY(!sent[1].hasHeader("Content-Length"));
        QVERIFY(!sent[1].hasHeader("Transfer-Encoding"));
        for (const auto& [name, value] : sent[0].headers) {
            if (name != "REMOTE_ADDR" && name != "REMOTE_PORT" && name != "LOCAL_ADDR"
                && name != "LOCAL_PORT")
                QCOMPARE(sent[1].header(name), QByteArray::fromStdString(value));
        }
        QCOMPARE(sent[1].headers.size(), sent[0].headers.size());
    }
};

QTEST_GUILESS_MAIN(PodTransportTest)
#include "PodTransportTest.moc"
