#include "InProcessSimulator.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using sim::Account;

namespace {

const QString editor = "editor@trellion.example";
const QString viewer = "viewer@trellion.example";

QJsonObject tokenPayload(const QString& token)
{
    return QJsonDocument::fromJson(QByteArray::fromBase64(token.section('.', 1, 1).toLatin1())).object();
}

QJsonObject room(const QString& name, const QString& address)
{
    return { { "name", name },
        { "teamblocks",
            QJsonArray { QJsonObject { { "name", "Team 1" }, { "address", address }, { "x", "120.500" },
                { "y", "-15.250" }, { "rotation", "90.000" }, { "tableiconscale", 2.0 },
                { "furniture",
                    QJsonArray { QJsonObject { { "name", "ChairRoundYellow" }, { "x", "1.000" },
                        { "y", "2.000" }, { "rotation", "0.000" }, { "scale", "1.500" } } } } } } },
        { "primarydisplay", QJsonObject { { "active", true }, { "x", "10.000" }, { "y", "20.000" } } },
        { "furniture", QJsonArray {} } };
}

} // namespace

class CloudServiceTest : public QObject {
    Q_OBJECT

private slots:
    void signInIssuesTokenWithPermissions_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("permissions");
        QTest::newRow("editor") << editor << "editor-pass"
                                << QStringList { Account::readRooms, Account::createRooms };
        QTest::newRow("viewer") << viewer << "viewer-pass" << QStringList { Account::readRooms };
        QTest::newRow("no access") << "noaccess@trellion.example"
                                   << "noaccess-pass" << QStringList {};
    }

    void signInIssuesTokenWithPermissions()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        QFETCH(QStringList, permissions);
        InProcessSimulator simulator;
        const auto reply = simulator.cloud().Post(
            "/v1/auth/token", json({ { "email", email }, { "password", password } }), jsonType);
        QCOMPARE(statusOf(reply), 200);

        const QString token = json(reply).object().value("access_token").toString();
        QCOMPARE(token.split('.').size(), 3);
        const QJsonObject claim
            = tokenPayload(token).value(sim::SimulatorOptions::defaultAuthClaim).toObject();
        QCOMPARE(claim.value("permissions").toVariant().toStringList(), permissions);
    }

    void signInUsesTheConfiguredClaimKey()
    {
        sim::SimulatorOptions options;
        options.authClaim = "https://other.example/authorization";
        InProcessSimulator simulator(options);
        const auto reply = simulator.cloud().Post(
            "/v1/auth/token", json({ { "email", editor }, { "password", "editor-pass" } }), jsonType);
        const QJsonObject payload = tokenPayload(json(reply).object().value("access_token").toString());
        QVERIFY(payload.contains(options.authClaim));
        QVERIFY(!payload.contains(sim::SimulatorOptions::defaultAuthClaim));
        QCOMPARE(simulator.endpoints().value("authClaim").toString(), options.authClaim);
    }

    void signInRefuses_data()
    {
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<int>("status");
        QTest::newRow("wrong password") << QJsonObject { { "email", editor }, { "password", "viewer-pass" } }
                                        << QByteArray(jsonType) << 403;
        QTest::newRow("unknown email")
            << QJsonObject { { "email", "nobody@trellion.example" }, { "password", "x" } }
            << QByteArray(jsonType) << 403;
        QTest::newRow("no password") << QJsonObject { { "email", editor } } << QByteArray(jsonType) << 400;
        QTest::newRow("password not text")
            << QJsonObject { { "email", editor }, { "password", 1 } } << QByteArray(jsonType) << 400;
        QTest::newRow("not declared JSON")
            << QJsonObject { { "email", editor }, { "password", "editor-pass" } } << QByteArray("text/plain")
            << 400;
    }

    void signInRefuses()
    {
        QFETCH(QJsonObject, body);
        QFETCH(QByteArray, contentType);
        QFETCH(int, status);
        InProcessSimulator simulator;
        const auto reply = simulator.cloud().Post("/v1/auth/token", json(body), contentType.constData());
        QCOMPARE(statusOf(reply), status);
        QVERIFY(!json(reply).object().contains("access_token"));
    }

    void backendCallsNeedAToken_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        for (const QByteArray collection : { "/trellion/api/rooms", "/trellion/api/user_messages" }) {
            QTest::addRow("GET %s", collection.constData()) << QByteArray("GET") << collection;
            QTest::addRow("POST %s", collection.constData()) << QByteArray("POST") << collection;
            QTest::addRow("PUT %s", collection.constData()) << QByteArray("PUT") << collection + "/abc";
            QTest::addRow("DELETE %s", collection.constData()) << QByteArray("DELETE") << collection + "/abc";
        }
        QTest::newRow("GET screenkey") << QByteArray("GET") << QByteArray("/trellion/api/screenkey");
    }

    void backendCallsNeedAToken()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        InProcessSimulator simulator;
        for (const httplib::Headers& headers :
            { httplib::Headers {}, httplib::Headers { { "Authorization", "Bearer forged.token.x" } },
                httplib::Headers { { "Authorization", "Basic ZWRpdG9yOng=" } } }) {
            httplib::Request request;
            request.method = method.toStdString();
            request.path = path.toStdString();
            request.headers = headers;
            request.body = "{}";
            request.set_header("Content-Type", jsonType);
            QCOMPARE(statusOf(simulator.cloud().send(request)), 401);
        }
    }

    // A token stops working when its lifetime is over, and a restarted service knows none it issued.
    void tokensExpireAndAreForgottenOnRestart()
    {
        sim::SimulatorOptions options;
        options.tokenTtlSeconds = 1;
        std::string token;
        {
            InProcessSimulator simulator(options);
            const auto reply = simulator.cloud().Post(
                "/v1/auth/token", json({ { "email", editor }, { "password", "editor-pass" } }), jsonType);
            token = json(reply).object().value("access_token").toString().toStdString();
            const QJsonObject payload = tokenPayload(QString::fromStdString(token));
            QCOMPARE(payload.value("exp").toDouble() - payload.value("iat").toDouble(), 1.0);
            const httplib::Headers bearer { { "Authorization", "Bearer " + token } };
            QCOMPARE(statusOf(simulator.cloud().Get("/trellion/api/rooms", bearer)), 200);
            QVERIFY(QTest::qWaitFor(
                [&] { return statusOf(simulator.cloud().Get("/trellion/api/rooms", bearer)) == 401; }, 5000));
        }
        options.tokenTtlSeconds = sim::AccessTokens::defaultLifetimeSeconds;
        InProcessSimulator restarted(options);
        QCOMPARE(statusOf(restarted.cloud().Get(
                     "/trellion/api/rooms", httplib::Headers { { "Authorization", "Bearer " + token } })),
            401);
    }

    void roomsLifecycle()
    {
        InProcessSimulator simulator;
        const httplib::Headers auth = simulator.signIn(editor, "editor-pass");
        auto cloud = simulator.cloud();

        const auto created
            = cloud.Post("/trellion/api/rooms", auth, json(room("Lab", "127.0.0.1:1")), jsonType);
        QCOMPARE(statusOf(created), 201);
        const QString id = json(created).object().value("id").toString();
        QCOMPARE(id.size(), 24);
        QCOMPARE(json(created).object().value("name").toString(), "Lab");

        const auto duplicate
            = cloud.Post("/trellion/api/rooms", auth, json(json(created).object()), jsonType);
        QVERIFY(json(duplicate).object().value("id").toString() != id);

        QJsonObject renamed = room("Lab 2", "127.0.0.1:1");
        renamed.insert("id", "ignored");
        const auto updated
            = cloud.Put(("/trellion/api/rooms/" + id).toStdString(), auth, json(renamed), jsonType);
        QCOMPARE(statusOf(updated), 200);
        QCOMPARE(json(updated).object().value("id").toString(), id);

        const QJsonArray listed = json(cloud.Get("/trellion/api/rooms", auth)).array();
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed.at(0).toObject().value("name").toString(), "Lab 2");

        const std::string path = "/trellion/api/rooms/" + id.toStdString();
        QCOMPARE(statusOf(cloud.Delete(path, auth)), 204);
        QCOMPARE(statusOf(cloud.Delete(path, auth)), 404);
        QCOMPARE(statusOf(cloud.Put(path, auth, json(renamed), jsonType)), 404);
        QCOMPARE(json(cloud.Get("/trellion/api/rooms", auth)).array().size(), 1);
        QCOMPARE(statusOf(cloud.Post("/trellion/api/rooms", auth, "[1]", jsonType)), 400);
    }

    void storedRoomsCarryNumbers()
    {
        InProcessSimulator simulator;
        const httplib::Headers auth = simulator.signIn(editor, "editor-pass");
        QJsonObject sent = room("Lab", "127.0.0.1:1");
        sent.insert("roomnumber", "101");
        sent.insert("x", "not a number");
        const QJsonObject stored
            = json(simulator.cloud().Post("/trellion/api/rooms", auth, json(sent), jsonType)).object();

        const QJsonObject block = stored.value("teamblocks").toArray().at(0).toObject();
        QCOMPARE(block.value("x"), QJsonValue(120.5));
        QCOMPARE(block.value("y"), QJsonValue(-15.25));
        QCOMPARE(block.value("rotation"), QJsonValue(90.0));
        QCOMPARE(block.value("furniture").toArray().at(0).toObject().value("scale"), QJsonValue(1.5));
        QCOMPARE(stored.value("primarydisplay").toObject().value("y"), QJsonValue(20.0));
        QCOMPARE(stored.value("roomnumber"), QJsonValue("101"));
        QCOMPARE(stored.value("x"), QJsonValue("not a number"));
        QCOMPARE(block.value("address"), QJsonValue("127.0.0.1:1"));
    }

    void viewersMayReadButNotChangeRooms()
    {
        InProcessSimulator simulator;
        const httplib::Headers auth = simulator.signIn(viewer, "viewer-pass");
        auto cloud = simulator.cloud();
        QCOMPARE(statusOf(cloud.Get("/trellion/api/rooms", auth)), 200);
        QCOMPARE(statusOf(cloud.Post("/trellion/api/rooms", auth, json(room("Lab", "")), jsonType)), 403);
        QCOMPARE(statusOf(cloud.Put("/trellion/api/rooms/abc", auth, json(room("Lab", "")), jsonType)), 403);
        QCOMPARE(statusOf(cloud.Delete("/trellion/api/rooms/abc", auth)), 403);
    }

    void messagesBelongToTheirAccount()
    {
        InProcessSimulator simulator;
        const httplib::Headers editorAuth = simulator.signIn(editor, "editor-pass");
        const httplib::Headers viewerAuth = simulator.signIn(viewer, "viewer-pass");
        auto cloud = simulator.cloud();
        const QJsonObject message { { "message", "Break" }, { "icon", "Clock" }, { "type", true },
            { "text", "" } };

        const auto created = cloud.Post("/trellion/api/user_messages", viewerAuth, json(message), jsonType);
        QCOMPARE(statusOf(created), 201);
        const std::string path
            = "/trellion/api/user_messages/" + json(created).object().value("id").toString().toStdString();
        QCOMPARE(json(cloud.Get("/trellion/api/user_messages", viewerAuth)).array().size(), 1);
        QCOMPARE(json(cloud.Get("/trellion/api/user_messages", editorAuth)).array().size(), 0);
        QCOMPARE(statusOf(cloud.Delete(path, editorAuth)), 404);

        QJsonObject changed = message;
        changed.insert("message", "Lunch");
        QCOMPARE(statusOf(cloud.Put(path, viewerAuth, json(changed), jsonType)), 200);
        QCOMPARE(json(cloud.Get("/trellion/api/user_messages", viewerAuth))
                     .array()
                     .at(0)
                     .toObject()
                     .value("message"),
            QJsonValue("Lunch"));
        QCOMPARE(statusOf(cloud.Delete(path, viewerAuth)), 204);
        QCOMPARE(json(cloud.Get("/trellion/api/user_messages", viewerAuth)).array().size(), 0);
    }

    void screenKeyFlagIsPerAccount()
    {
        InProcessSimulator simulator;
        for (const auto& [email, password, expected] :
            { std::tuple { editor, "editor-pass", "false" }, std::tuple { viewer, "viewer-pass", "true" } }) {
            const auto reply
                = simulator.cloud().Get("/trellion/api/screenkey", simulator.signIn(email, password));
            QCOMPARE(statusOf(reply), 200);
            QCOMPARE(reply->body, std::string(expected));
        }
    }

    void dataDirectoryKeepsRoomsAcrossRuns()
    {
        QTemporaryDir dataDirectory;
        sim::SimulatorOptions options;
        options.dataDirectory = dataDirectory.path();
        options.library = { room("Seeded", "{pod:1}") };

        QString firstAddress;
        {
            InProcessSimulator first(options);
            const httplib::Headers auth = first.signIn(editor, "editor-pass");
            const QJsonArray rooms = json(first.cloud().Get("/trellion/api/rooms", auth)).array();
            QCOMPARE(rooms.size(), 1);
            firstAddress = rooms.at(0)["teamblocks"][0]["address"].toString();
            QCOMPARE(firstAddress, first.podAddress(1));
            first.cloud().Post(
                "/trellion/api/rooms", auth, json(room("Added", first.podAddress(3))), jsonType);
        }

        InProcessSimulator second(options);
        QVERIFY(second.podAddress(1) != firstAddress);
        const QJsonArray rooms
            = json(second.cloud().Get("/trellion/api/rooms", second.signIn(editor, "editor-pass"))).array();
        QCOMPARE(rooms.size(), 2);
        QCOMPARE(rooms.at(0)["teamblocks"][0]["address"].toString(), second.podAddress(1));
        QCOMPARE(rooms.at(1)["name"].toString(), "Added");
        QCOMPARE(rooms.at(1)["teamblocks"][0]["address"].toString(), second.podAddress(3));
    }

    void analyticsKeepsBatchesSentAsRawBase64()
    {
        InProcessSimulator simulator;
        const QJsonObject batch { { "event", "Routing Log" },
            { "properties",
                QJsonObject { { "routing events",
                    QJsonArray { QJsonObject { { "event", "connectPod" }, { "note", "x?>?>" } } } } } } };
        const QByteArray base64 = QJsonDocument(batch).toJson(QJsonDocument::Compact).toBase64();
        QVERIFY(base64.contains('+') && base64.contains('/') && base64.endsWith('='));

        // The uploader appends the Base64 text to the URL as it is.
        auto cloud = simulator.cloud();
        cloud.set_url_encode(false);
        const auto reply = cloud.Get("/track/?data=" + base64.toStdString());
        QCOMPARE(statusOf(reply), 200);
        QCOMPARE(reply->body, std::string("1"));
        QCOMPARE(statusOf(cloud.Get("/track/?data=" + QUrl::toPercentEncoding(base64).toStdString())), 200);
        QCOMPARE(statusOf(cloud.Get("/track/?data=%%%")), 400);

        const QJsonObject summary = simulator.control("/analytics");
        QCOMPARE(summary.value("batches").toInt(), 2);
        QCOMPARE(summary.value("events").toInt(), 2);
        QCOMPARE(summary.value("rejected").toInt(), 1);
        QCOMPARE(summary.value("received").toArray().at(0).toObject(), batch);
    }
};

QTEST_MAIN(CloudServiceTest)
#include "CloudServiceTest.moc"
