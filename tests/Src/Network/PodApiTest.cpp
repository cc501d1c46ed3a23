#include "LoopbackServer.h"
#include "NetworkManager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

// What each pod call puts on the wire.
class PodApiTest : public QObject {
    Q_OBJECT

    LoopbackServer pod;
    NetworkManager manager;

    // What the pod received for the one call `build` makes.
    LoopbackServer::Request send(const std::function<HttpRequest*()>& build)
    {
        const int before = pod.requestCount();
        QSignalSpy done(build(), &HttpRequest::finished);
        [&] { QVERIFY(done.wait(3000)); }();
        return pod.requests().value(before);
    }

    static void checkJsonHeaders(const LoopbackServer::Request& request)
    {
        QCOMPARE(request.header("Content-Type"), QByteArray("application/json; charset=utf-8"));
        QCOMPARE(request.header("Content-Length").toInt(), request.body.size());
        QVERIFY(!request.hasHeader("Authorization"));
    }

private slots:
    void callsWithBody_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QVariantMap>("body");
        const QString base = "/api/v2/content/activerouting";
        QTest::newRow("connect") << "connect"
                                 << "POST" << base + "/connections"
                                 << QVariantMap { { "sink", "127.0.0.1:5" }, { "resolution", "1920x1080" },
                                        { "post", "FULLSCREEN" }, { "audio", true },
                                        { "message", "Shared from Ünïcode" }, { "foreground", "#FFFFFF" },
                                        { "background", "#123456" } };
        QTest::newRow("configure") << "configure"
                                   << "PATCH" << base
                                   << QVariantMap { { "presence", true }, { "message", "T1 is sharing!" },
                                          { "foreground", "#FFFFFF" }, { "background", "#654321" } };
        QTest::newRow("overlay") << "overlay"
                                 << "POST" << base + "/overlaytext"
                                 << QVariantMap { { "text", "" }, { "color", "#FFFFFF" } };
        QTest::newRow("banners") << "banners"
                                 << "PATCH" << base << QVariantMap { { "banners", false } };
        QTest::newRow("forwarding") << "forwarding"
                                    << "PATCH" << base << QVariantMap { { "forwarding", true } };
        QTest::newRow("screen key") << "screenkey"
                                    << "POST"
                                    << "/api/v2/info/screen_key" << QVariantMap { { "screen_key", "AB12" } };
    }

    void callsWithBody()
    {
        QFETCH(QString, call);
        QFETCH(QString, method);
        QFETCH(QString, path);
        QFETCH(QVariantMap, body);
        const QString a = pod.address();
        const auto sent = send([&] {
            return call == "connect" ? manager.connectPods(
                       a, "127.0.0.1:5", "Shared from Ünïcode", "#FFFFFF", "#123456", true, true)
                : call == "configure"  ? manager.configurePod(a, "T1 is sharing!", "#FFFFFF", "#654321")
                : call == "overlay"    ? manager.showOverlay(a, "", "#FFFFFF")
                : call == "banners"    ? manager.showRoutingBanners(a, false)
                : call == "forwarding" ? manager.enableFrameForwarding(a, true)
                                       : manager.podCheckScreenKey(a, "AB12");
        });
        QCOMPARE(sent.method, method);
        QCOMPARE(sent.path, path);
        checkJsonHeaders(sent);
        QCOMPARE(QJsonDocument::fromJson(sent.body).object().toVariantMap(), body);
    }

    void connectPostTypeFollowsFullscreen()
    {
        const auto sent = send(
            [&] { return manager.connectPods(pod.address(), "s", "m", "#FFFFFF", "#000000", false, false); });
        const QJsonObject body = QJsonDocument::fromJson(sent.body).object();
        QCOMPARE(body["post"].toString(), QString("NORMAL"));
        QCOMPARE(body["audio"].toBool(true), false);
    }

    void callsWithoutBody_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        const QString base = "/api/v2/content/activerouting";
        QTest::newRow("disconnect") << "disconnect"
                                    << "DELETE" << base + "/connections/{g-1}";
        QTest::newRow("terminate") << "terminate"
                                   << "DELETE" << base + "/connections";
        QTest::newRow("version") << "version"
                                 << "GET" << base + "/version";
        QTest::newRow("device id") << "deviceid"
                                   << "GET"
                                   << "/test/id";
    }

    void callsWithoutBody()
    {
        QFETCH(QString, call);
        QFETCH(QString, method);
        QFETCH(QString, path);
        const QString a = pod.address();
        const auto sent = send([&] {
            return call == "disconnect" ? manager.disconnectPod(a, "{g-1}")
                : call == "terminate"   ? manager.disconnectAll(a)
                : call == "version"     ? manager.requestServerVersion(a)
                                        : manager.queryDeviceId(a);
        });
        QCOMPARE(sent.method, method);
        QCOMPARE(sent.path, path);
        QVERIFY(sent.body.isEmpty());
        QVERIFY(!sent.hasHeader("Authorization"));
        QVERIFY(!sent.header("Content-Type").startsWith("application/json"));
    }

    void tagsMarkApiCalls()
    {
        const QString a = pod.address();
        const QList<QPair<HttpRequest*, QString>> calls {
            { manager.connectPods(a, "s", "m", "#FFFFFF", "#000000", false, false), "API_CONNECT" },
            { manager.configurePod(a, "m", "#FFFFFF", "#000000"), "API_CONFIGURE" },
            { manager.disconnectPod(a, "g"), "API_DISCONNECT" },
            { manager.disconnectAll(a), "API_TERMINATE" },
            { manager.showOverlay(a, "t", "#FFFFFF"), "API_OVERLAY" },
            { manager.showRoutingBanners(a, true), "API_BANNERS" },
            { manager.enableFrameForwarding(a, true), "API_FORWARDING" },
            { manager.requestServerVersion(a), "API_VERSION" },
            { manager.queryDeviceId(a), "NONAPI" },
            { manager.podCheckScreenKey(a, "k"), "NONAPI" },
        };
        for (const auto& [request, tag] : calls)
            QCOMPARE(request->apiTag, tag);
        QCOMPARE(manager.currentOverlay(), QString("t"));
        QTRY_COMPARE(manager.apiRequestsInFlightCount(), 0);
    }
};

QTEST_GUILESS_MAIN(PodApiTest)
#include "PodApiTest.moc"
