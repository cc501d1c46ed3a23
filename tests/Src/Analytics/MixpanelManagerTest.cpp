#include "MixpanelManager.h"

#include "Deployment.h"
#include "LogFile.h"
#include "Logger.h"
#include "LoopbackServer.h"
#include "TrackPayload.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTest>

// The uploader against a real track endpoint on loopback: what goes on the wire,
// and when repeated failures switch it off.
class MixpanelManagerTest : public QObject {
    Q_OBJECT

    LoopbackServer endpoint;

    static int count(const QString& message) { return LogFile::messages().count(message); }

    // Posts one batch and waits until its reply has been judged.
    static void postAndWait(MixpanelManager& manager, QSignalSpy& replies)
    {
        const int before = replies.count();
        manager.postEvent("Routing Log", QUuid(), {});
        QTRY_COMPARE(replies.count(), before + 1);
    }

private slots:
    void initTestCase()
    {
        LogFile::startFresh();
        QCoreApplication::setApplicationVersion("1.4.0 (37254)");
        Deployment::current().analyticsUrl = endpoint.url() + "/track/?data=";
        Deployment::current().analyticsToken = "0123456789abcdef0123456789abcdef";
    }

    void batchArrivesIntactKeyByKey()
    {
        MixpanelManager manager;
        QString sent;
        // Runs of '~' and '?' make "+" and "/" certain; three lengths make "=" padding certain.
        for (const QString& text : { "~~~~~~??????", "~~~~~~??????x", "~~~~~~??????xy" }) {
            const QJsonArray events { QJsonObject { { "event", "show custom message" }, { "text", text } },
                QJsonObject { { "event", "routing connect" }, { "audio", true }, { "n", 3 } } };
            const int before = endpoint.requestCount();
            manager.postEvent("Routing Log", QUuid(), events);
            QTRY_COMPARE(endpoint.requestCount(), before + 1);
            const LoopbackServer::Request request = endpoint.requests().last();
            sent += request.target;

            const QByteArray json = QByteArray::fromBase64(request.target.section("data=", 1).toLatin1());
            QVERIFY(json.startsWith(
                "{\n    \"event\": \"Routing Log\",\n    \"properties\": {\n")); // indented, sorted
            const QJsonObject payload = trackPayload(request);
            QCOMPARE(payload.keys(), QStringList({ "event", "properties" }));
            QCOMPARE(payload.value("event").toString(), QString("Routing Log"));
            const QJsonObject properties = payload.value("properties").toObject();
            QCOMPARE(properties.keys(),
                QStringList({ "Client Version", "Platform", "Platform Version", "System Language",
                    "distinct_id", "routing events", "token" }));
            QCOMPARE(properties.value("token").toString(), QString("0123456789abcdef0123456789abcdef"));
            QCOMPARE(
                properties.value("distinct_id").toString(), QString("00000000-0000-0000-0000-000000000000"));
            QCOMPARE(properties.value("routing events").toArray(), events);
            QCOMPARE(properties.value("Client Version").toString(), QString("1.4.0 (37254)"));
            QCOMPARE(properties.value("Platform").toString(), QSysInfo::productType());
            QVERIFY(!properties.value("System Language").toString().isEmpty());
        }
        QVERIFY(sent.contains('+') && sent.contains('/') && sent.contains('='));
        QVERIFY(!sent.contains('%'));
        QCOMPARE(count("Mixpanel: sending 2 events"), 3);
    }

    void elevenFailuresInARowSwitchItOff()
    {
        endpoint.setReply("GET", "/track/", { 500, "" });
        MixpanelManager manager;
        QSignalSpy replies(manager.findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished);

        // A success on the way starts the count again.
        for (int i = 0; i < 10; ++i)
            postAndWait(manager, replies);
        const QJsonObject empty = trackPayload(endpoint.requests().last()).value("properties").toObject();
        QCOMPARE(empty.value("routing events"), QJsonValue(QJsonArray())); // an empty batch still goes out
        QVERIFY(LogFile::messages().contains("Mixpanel: sending 0 events"));
        endpoint.setReply("GET", "/track/", { 200, "1" });
        postAndWait(manager, replies);
        endpoint.setReply("GET", "/track/", { 500, "" });
        for (int i = 0; i < 10; ++i)
            postAndWait(manager, replies);
        QCOMPARE(count("Mixpanel disabled, error limit exceeded!"), 0);

        postAndWait(manager, replies); // the eleventh in a row
        QCOMPARE(count("Mixpanel disabled, error limit exceeded!"), 1);
        QVERIFY(LogFile::messages().filter("Error response from Mixpanel [").size() >= 21);

        const int requests = endpoint.requestCount();
        const int sending = LogFile::messages().filter("Mixpanel: sending").size();
        manager.postEvent("Routing Log", QUuid(), {});
        QTest::qWait(100);
        QCOMPARE(endpoint.requestCount(), requests);
        QCOMPARE(LogFile::messages().filter("Mixpanel: sending").size(), sending);
    }
};

QTEST_GUILESS_MAIN(MixpanelManagerTest)
#include "MixpanelManagerTest.moc"
