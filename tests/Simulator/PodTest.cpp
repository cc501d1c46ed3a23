#include "InProcessSimulator.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const std::string api = "/api/v2/content/activerouting";

QJsonObject connectBody(const QString& sink, const QString& background = "#2E91D9")
{
    return { { "sink", sink }, { "resolution", "1920x1080" }, { "post", "NORMAL" }, { "audio", true },
        { "message", "Shared from Team 1" }, { "foreground", "#FFFFFF" }, { "background", background } };
}

QJsonObject presenceBody()
{
    return { { "presence", true }, { "message", "Team 1 is sharing!" }, { "foreground", "#FFFFFF" },
        { "background", "#00A000" } };
}

QJsonObject with(QJsonObject object, const QString& key, const QJsonValue& value)
{
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return object;
}

QImage snapshotOf(InProcessSimulator& simulator, int pod)
{
    const auto reply = simulator.pod(pod).Get("/lookin/thedisplay.jpg");
    if (statusOf(reply) != 200 || reply->get_header_value("Content-Type") != "image/jpeg")
        return {};
    return QImage::fromData(QByteArray::fromStdString(reply->body), "JPG");
}

// JPEG shifts colours a little.
bool isAbout(const QColor& actual, const QColor& expected)
{
    return qAbs(actual.red() - expected.red()) < 16 && qAbs(actual.green() - expected.green()) < 16
        && qAbs(actual.blue() - expected.blue()) < 16;
}

} // namespace

class PodTest : public QObject {
    Q_OBJECT

private slots:
    void connectionsComeAndGo()
    {
        InProcessSimulator simulator;
        auto pod = simulator.pod(0);
        const auto connected
            = pod.Post(api + "/connections", json(connectBody(simulator.podAddress(1))), jsonType);
        QCOMPARE(statusOf(connected), 200);
        const QString guid = json(connected).object().value("guid").toString();
        QVERIFY(!guid.isEmpty());
        pod.Post(api + "/connections", json(connectBody(simulator.podAddress(2))), jsonType);

        const QJsonArray connections = simulator.podState(0).value("connections").toArray();
        QCOMPARE(connections.size(), 2);
        QCOMPARE(connections.at(0).toObject(), with(connectBody(simulator.podAddress(1)), "guid", guid));

        const std::string one = api + "/connections/" + guid.toStdString();
        QCOMPARE(statusOf(pod.Delete(one)), 200);
        QCOMPARE(statusOf(pod.Delete(one)), 404);
        QCOMPARE(simulator.podState(0).value("connections").toArray().size(), 1);
        QCOMPARE(statusOf(pod.Delete(api + "/connections")), 200);
        QCOMPARE(simulator.podState(0).value("connections").toArray().size(), 0);
    }

    void settingsFollowConfigureCalls()
    {
        InProcessSimulator simulator;
        auto pod = simulator.pod(0);
        QCOMPARE(statusOf(pod.Patch(api, json(presenceBody()), jsonType)), 200);
        QCOMPARE(statusOf(pod.Patch(api, json({ { "banners", true } }), jsonType)), 200);
        QCOMPARE(statusOf(pod.Patch(api, json({ { "forwarding", true } }), jsonType)), 200);
        QCOMPARE(statusOf(pod.Post(api + "/overlaytext",
                     json({ { "text", "Eyes Up Front" }, { "color", "#FFFFFF" } }), jsonType)),
            200);

        QJsonObject state = simulator.podState(0);
        QCOMPARE(state.value("presence"), QJsonValue(true));
        QCOMPARE(state.value("message"), QJsonValue("Team 1 is sharing!"));
        QCOMPARE(state.value("background"), QJsonValue("#00A000"));
        QCOMPARE(state.value("banners"), QJsonValue(true));
        QCOMPARE(state.value("forwarding"), QJsonValue(true));
        QCOMPARE(state.value("overlayText"), QJsonValue("Eyes Up Front"));

        pod.Patch(api, json({ { "banners", false } }), jsonType);
        pod.Post(api + "/overlaytext", json({ { "text", "" }, { "color", "#FFFFFF" } }), jsonType);
        state = simulator.podState(0);
        QCOMPARE(state.value("banners"), QJsonValue(false));
        QCOMPARE(state.value("overlayText"), QJsonValue(""));
        QCOMPARE(simulator.podState(1).value("banners"), QJsonValue(false));
    }

    void malformedBodiesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        const auto row
            = [](const char* name, const char* method, const std::string& path, const QJsonObject& body) {
                  QTest::newRow(name) << QByteArray(method) << QByteArray::fromStdString(path)
                                      << QJsonDocument(body).toJson(QJsonDocument::Compact);
              };
        const QJsonObject connect = connectBody("127.0.0.1:9");
        row("connect without sink", "POST", api + "/connections", with(connect, "sink", QJsonValue()));
        row("connect with empty sink", "POST", api + "/connections", with(connect, "sink", ""));
        row("connect audio as text", "POST", api + "/connections", with(connect, "audio", "true"));
        row("connect unknown post", "POST", api + "/connections", with(connect, "post", "PIP"));
        row("connect bad resolution", "POST", api + "/connections", with(connect, "resolution", "big"));
        row("connect colour name", "POST", api + "/connections", with(connect, "background", "red"));
        row("connect extra key", "POST", api + "/connections", with(connect, "guid", "x"));
        row("configure without presence", "PATCH", api, with(presenceBody(), "presence", QJsonValue()));
        row("configure bad colour", "PATCH", api, with(presenceBody(), "foreground", "#FFF"));
        row("banners with forwarding", "PATCH", api, { { "banners", true }, { "forwarding", true } });
        row("banners as number", "PATCH", api, { { "banners", 1 } });
        row("overlay without colour", "POST", api + "/overlaytext", { { "text", "Hi" } });
        row("screen key as number", "POST", "/api/v2/info/screen_key", { { "screen_key", 1234 } });
        QTest::newRow("connect not JSON")
            << QByteArray("POST") << QByteArray::fromStdString(api + "/connections")
            << QByteArray("sink=127.0.0.1:9");
    }

    void malformedBodiesAreRefused()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        InProcessSimulator simulator;
        httplib::Request request;
        request.method = method.toStdString();
        request.path = path.toStdString();
        request.body = body.toStdString();
        request.set_header("Content-Type", jsonType);
        QCOMPARE(statusOf(simulator.pod(0).send(request)), 400);

        const QJsonObject state = simulator.podState(0);
        QCOMPARE(state.value("connections").toArray().size(), 0);
        QCOMPARE(state.value("presence"), QJsonValue(false));
        QCOMPARE(state.value("banners"), QJsonValue(false));
    }

    void bodiesMustBeDeclaredJson()
    {
        InProcessSimulator simulator;
        const auto reply
            = simulator.pod(0).Post(api + "/connections", json(connectBody("127.0.0.1:9")), "text/plain");
        QCOMPARE(statusOf(reply), 400);
    }

    void versionIsAnsweredAsConfigured_data()
    {
        QTest::addColumn<QJsonValue>("version");
        QTest::newRow("number 1") << QJsonValue(1);
        QTest::newRow("text 2") << QJsonValue("2");
        QTest::newRow("number 2") << QJsonValue(2);
    }

    void versionIsAnsweredAsConfigured()
    {
        QFETCH(QJsonValue, version);
        sim::SimulatorOptions options;
        options.pods[1].apiVersion = version;
        InProcessSimulator simulator(options);
        const auto reply = simulator.pod(1).Get(api + "/version");
        QCOMPARE(statusOf(reply), 200);
        QCOMPARE(json(reply).object(), QJsonObject({ { "version", version } }));
        QCOMPARE(json(simulator.pod(0).Get(api + "/version")).object().value("version"), QJsonValue("2"));
    }

    void testPageCarriesTheDeviceId()
    {
        InProcessSimulator simulator;
        const auto reply = simulator.pod(2).Get("/test/id");
        QCOMPARE(statusOf(reply), 200);
        static const QRegularExpression row("<tr><td><b>DeviceId</b></td><td>(\\w+)</td></tr>");
        const QRegularExpressionMatch match = row.match(QString::fromStdString(reply->body));
        QVERIFY(match.hasMatch());
        QCOMPARE(match.captured(1), simulator.podState(2).value("deviceId").toString());
        QVERIFY(match.captured(1) != simulator.podState(1).value("deviceId").toString());
    }

    void screenKeyIsAcceptedOnlyByItsPod()
    {
        InProcessSimulator simulator;
        const QString own = simulator.podState(0).value("screenKey").toString();
        const QString other = simulator.podState(1).value("screenKey").toString();
        QCOMPARE(own.size(), 4);
        QVERIFY(own != other);
        const auto check = [&](const QString& key) {
            return statusOf(
                simulator.pod(0).Post("/api/v2/info/screen_key", json({ { "screen_key", key } }), jsonType));
        };
        QCOMPARE(check(own), 200);
        QCOMPARE(check(other), 403);
        QCOMPARE(check(own.toLower()), 403);
        QCOMPARE(check(""), 403);
    }

    void screenKeysAreDistinctAndStable()
    {
        QSet<QString> keys;
        for (int index = 0; index < 500; ++index)
            keys.insert(sim::PodIdentity::defaultFor(index).screenKey);
        QCOMPARE(keys.size(), 500);
        QCOMPARE(sim::PodIdentity::defaultFor(7).screenKey, sim::PodIdentity::defaultFor(7).screenKey);
    }

    void snapshotShowsWhatTheDisplayShows()
    {
        InProcessSimulator simulator;
        const QImage idle = snapshotOf(simulator, 1);
        QCOMPARE(idle.size(), QSize(1920, 1080));
        const QColor idleColor = idle.pixelColor(20, 540);

        simulator.pod(0).Post(
            api + "/connections", json(connectBody(simulator.podAddress(1), "#C03020")), jsonType);
        QVERIFY(isAbout(snapshotOf(simulator, 1).pixelColor(20, 540), QColor("#C03020")));
        QVERIFY(isAbout(snapshotOf(simulator, 2).pixelColor(20, 540), idleColor));

        auto pod = simulator.pod(1);
        pod.Patch(api, json(presenceBody()), jsonType);
        pod.Patch(api, json({ { "banners", true } }), jsonType);
        pod.Post(
            api + "/overlaytext", json({ { "text", "Eyes Up Front" }, { "color", "#FFFFFF" } }), jsonType);
        const QImage decorated = snapshotOf(simulator, 1);
        QVERIFY(isAbout(decorated.pixelColor(20, 40), QColor("#00A000")));
        QVERIFY(decorated.pixelColor(200, 720).lightness() < QColor("#C03020").lightness() / 2);
    }
};

QTEST_MAIN(PodTest)
#include "PodTest.moc"
