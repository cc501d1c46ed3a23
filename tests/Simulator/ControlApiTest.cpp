#include "InProcessSimulator.h"

#include <QTest>

class ControlApiTest : public QObject {
    Q_OBJECT

private slots:
    void recordsRequestsWithoutSecrets()
    {
        InProcessSimulator simulator;
        const httplib::Headers auth = simulator.signIn("editor@trellion.example", "editor-pass");
        simulator.cloud().Get("/trellion/api/rooms", auth);
        simulator.pod(1).Patch("/api/v2/content/activerouting", json({ { "banners", true } }), jsonType);
        simulator.pod(1).Get("/no/such/call?x=1");

        const QJsonArray requests = simulator.control("/requests").value("requests").toArray();
        QCOMPARE(requests.size(), 4);
        const QJsonObject signIn = requests.at(0).toObject();
        QCOMPARE(signIn.value("server").toString(), "cloud");
        QCOMPARE(signIn.value("method").toString(), "POST");
        QCOMPARE(signIn.value("path").toString(), "/v1/auth/token");
        QVERIFY(!signIn.value("body").toString().contains("editor-pass"));
        QVERIFY(signIn.value("body").toString().contains("editor@trellion.example"));
        QVERIFY(!signIn.value("time").toString().isEmpty());

        const QString authorization = requests.at(1)["headers"]["Authorization"].toString();
        QCOMPARE(authorization.section(' ', 0, 0), "Bearer");
        QVERIFY(!QString::fromStdString(auth.begin()->second).contains(authorization.section(' ', 1)));

        const QJsonObject patch = requests.at(2).toObject();
        QCOMPARE(patch.value("server").toString(), "pod:1");
        QCOMPARE(patch.value("address").toString(), simulator.podAddress(1));
        QCOMPARE(patch.value("method").toString(), "PATCH");
        QCOMPARE(patch.value("body").toString(), R"({"banners":true})");
        QCOMPARE(patch["headers"]["Content-Type"].toString(), jsonType);
        QVERIFY(!patch.value("headers").toObject().contains("REMOTE_ADDR"));

        const QJsonObject unknown = requests.at(3).toObject();
        QCOMPARE(unknown.value("path").toString(), "/no/such/call");
        QCOMPARE(unknown.value("query").toString(), "x=1");
    }

    void listsRequestsSinceASequenceNumberAndClears()
    {
        InProcessSimulator simulator;
        for (int call = 0; call < 3; ++call)
            simulator.pod(0).Get("/test/id");
        const QJsonArray all = simulator.control("/requests").value("requests").toArray();
        QCOMPARE(all.size(), 3);
        const int second = all.at(1).toObject().value("seq").toInt();
        QCOMPARE(
            simulator.control("/requests?since=" + std::to_string(second)).value("requests").toArray().size(),
            1);

        QCOMPARE(statusOf(simulator.cloud().Delete("/control/requests")), 204);
        QCOMPARE(simulator.control("/requests").value("requests").toArray().size(), 0);
        simulator.pod(0).Get("/test/id");
        QVERIFY(
            simulator.control("/requests").value("requests").toArray().at(0).toObject().value("seq").toInt()
            > second);
    }

    void listsEveryPod()
    {
        sim::SimulatorOptions options;
        options.setPodCount(3);
        InProcessSimulator simulator(options);
        const QJsonArray pods = simulator.control("/pods").value("pods").toArray();
        QCOMPARE(pods.size(), 3);
        for (int index = 0; index < 3; ++index) {
            QCOMPARE(pods.at(index)["index"].toInt(), index);
            QCOMPARE(pods.at(index)["address"].toString(), simulator.podAddress(index));
            QCOMPARE(pods.at(index)["name"].toString(), QString("Pod %1").arg(index + 1));
        }
    }

    void changesAPodsIdentity()
    {
        InProcessSimulator simulator;
        auto cloud = simulator.cloud();
        const auto changed = cloud.Patch("/control/pods/1",
            json({ { "name", "Front" }, { "apiVersion", 1 }, { "screenKey", "AB12" },
                { "deviceId", "DEV_9" } }),
            jsonType);
        QCOMPARE(statusOf(changed), 200);
        QCOMPARE(json(changed).object().value("name").toString(), "Front");
        QCOMPARE(
            json(simulator.pod(1).Get("/api/v2/content/activerouting/version")).object().value("version"),
            QJsonValue(1));
        QCOMPARE(statusOf(simulator.pod(1).Post(
                     "/api/v2/info/screen_key", json({ { "screen_key", "AB12" } }), jsonType)),
            200);
        QVERIFY(simulator.pod(1).Get("/test/id")->body.find("<td>DEV_9</td>") != std::string::npos);

        QCOMPARE(statusOf(cloud.Patch("/control/pods/1", json({ { "screenKey", "ABC" } }), jsonType)), 400);
        QCOMPARE(statusOf(cloud.Patch("/control/pods/1", json({ { "deviceId", "a-b" } }), jsonType)), 400);
        QCOMPARE(statusOf(cloud.Patch("/control/pods/1", json({ { "colour", "red" } }), jsonType)), 400);
        QCOMPARE(statusOf(cloud.Patch("/control/pods/9", json({ { "name", "X" } }), jsonType)), 404);
        QCOMPARE(simulator.podState(1).value("screenKey").toString(), "AB12");
    }

    void powerCycleSilencesAPodAndWipesIt()
    {
        InProcessSimulator simulator;
        const std::string api = "/api/v2/content/activerouting";
        auto pod = simulator.pod(0);
        pod.Post(api + "/connections",
            json({ { "sink", simulator.podAddress(1) }, { "resolution", "1920x1080" }, { "post", "NORMAL" },
                { "audio", false }, { "message", "m" }, { "foreground", "#FFFFFF" },
                { "background", "#000000" } }),
            jsonType);
        pod.Post(api + "/overlaytext", json({ { "text", "Hello" }, { "color", "#FFFFFF" } }), jsonType);
        pod.Patch(api, json({ { "banners", true } }), jsonType);
        QCOMPARE(simulator.podState(0).value("connections").toArray().size(), 1);
        const QJsonValue deviceId = simulator.podState(0).value("deviceId");

        auto cloud = simulator.cloud();
        QCOMPARE(
            statusOf(cloud.Post("/control/pods/0/power-cycle", json({ { "silentMs", 2500 } }), jsonType)),
            200);
        QCOMPARE(statusOf(pod.Get(api + "/version")), 0); // held, never answered
        QTRY_COMPARE_WITH_TIMEOUT(statusOf(pod.Get(api + "/version")), 200, 5000);
        const QJsonObject state = simulator.podState(0);
        QVERIFY(state.value("connections").toArray().isEmpty());
        QCOMPARE(state.value("overlayText").toString(), QString());
        QCOMPARE(state.value("banners").toBool(), false);
        QCOMPARE(state.value("deviceId"), deviceId); // a reboot keeps who the pod is

        QCOMPARE(
            statusOf(cloud.Post("/control/pods/0/power-cycle", json({ { "silentMs", -1 } }), jsonType)), 400);
        QCOMPARE(
            statusOf(cloud.Post("/control/pods/9/power-cycle", json({ { "silentMs", 10 } }), jsonType)), 404);
    }

    // Rooms as another tool may have stored them reach the app byte for byte, and stay as they are
    // when the app changes a neighbour.
    void servesARoomLibraryAsSent()
    {
        InProcessSimulator simulator;
        QByteArray blocks = R"({"name":"B0","address":"{pod:0}"})";
        for (int block = 1; block < 100000; ++block)
            blocks += QString(R"(,{"name":"B%1","address":"127.0.0.1:9"})").arg(block).toUtf8();
        const QByteArray library
            = R"([{"id":"../user_messages/msg0001","name":"Traversal"},)"
              R"({"id":7,"name":"Number"},{"name":"No id"},)"
              R"({"id":"big","roomscale":1e308,"future":{"z":[1,2]},"a":0,"teamblocks":[)"
            + blocks + "]}]";
        auto cloud = simulator.cloud();
        QCOMPARE(statusOf(cloud.Put("/control/rooms", library.toStdString(), jsonType)), 204);
        const httplib::Headers auth = simulator.signIn("editor@trellion.example", "editor-pass");
        const auto listed = cloud.Get("/trellion/api/rooms", auth);
        QCOMPARE(statusOf(listed), 200);
        QCOMPARE(QByteArray::fromStdString(listed->body),
            QByteArray(library).replace("{pod:0}", simulator.podAddress(0).toUtf8()));

        for (const char* refused : { R"({"id":"x"})", "[{", "" })
            QCOMPARE(statusOf(cloud.Put("/control/rooms", refused, jsonType)), 400);
        QCOMPARE(statusOf(cloud.Delete("/trellion/api/rooms/big", auth)), 204);
        const QJsonArray kept = json(cloud.Get("/trellion/api/rooms", auth)).array();
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept.at(0)["id"].toString(), "../user_messages/msg0001");
        QCOMPARE(kept.at(1)["id"], QJsonValue(7));
        QVERIFY(!kept.at(2).toObject().contains("id"));
    }

    void controlCallsAreNeitherRecordedNorFaulted()
    {
        InProcessSimulator simulator;
        QVERIFY(simulator.setFault({ { "target", "cloud" }, { "status", 500 } }));
        QCOMPARE(statusOf(simulator.cloud().Get("/control/pods")), 200);
        QCOMPARE(statusOf(simulator.cloud().Get("/trellion/api/screenkey")), 500);
        const QJsonArray requests = simulator.control("/requests").value("requests").toArray();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0)["path"].toString(), "/trellion/api/screenkey");
    }
};

QTEST_MAIN(ControlApiTest)
#include "ControlApiTest.moc"
