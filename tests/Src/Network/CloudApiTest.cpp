#include "Deployment.h"
#include "LogFile.h"
#include "Logger.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTest>

namespace {

// Speaks TLS on 127.0.0.1 with a self-signed certificate that no system trusts.
class UntrustedTlsServer : public QTcpServer {
public:
    UntrustedTlsServer() { listen(QHostAddress::LocalHost); }
    QString url() const { return QString("https://127.0.0.1:%1").arg(serverPort()); }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(QSslCertificate(read("untrusted.crt")));
        socket->setPrivateKey(QSslKey(read("untrusted.key"), QSsl::Rsa));
        socket->startServerEncryption();
    }

private:
    static QByteArray read(const QString& name)
    {
        QFile file(QStringLiteral(TRELLION_TEST_DATA "/tls/") + name);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

} // namespace

// What each cloud call puts on the wire, and how it refuses without a token or a URL.
class CloudApiTest : public QObject {
    Q_OBJECT

    LoopbackServer cloud;

    // What the service received for the one call `build` makes, and what came back.
    LoopbackServer::Request send(const std::function<HttpRequest*()>& build, HttpResponse* response = nullptr)
    {
        const int before = cloud.requestCount();
        HttpRequest* request = build();
        [&] { QVERIFY(request && request->apiTag.isEmpty()); }();
        QSignalSpy done(request, &HttpRequest::finished);
        [&] { QVERIFY(done.wait(3000)); }();
        if (response && !done.isEmpty())
            *response = done.first().first().value<HttpResponse>();
        return cloud.requests().value(before);
    }

    std::unique_ptr<NetworkManager> signedIn()
    {
        auto manager = std::make_unique<NetworkManager>();
        manager->setFullAccessToken("tok.en");
        return manager;
    }

private slots:
    void init()
    {
        Deployment::current().authUrl = cloud.url() + "/auth";
        Deployment::current().backendUrl = cloud.url() + "/backend";
    }

    void loginCarriesCredentialsButNoToken()
    {
        auto manager = signedIn();
        const auto sent = send([&] { return manager->orbethLogin("a@b.c", "pässword"); });
        QCOMPARE(sent.method, QString("POST"));
        QCOMPARE(sent.path, QString("/auth/v1/auth/token"));
        QVERIFY(!sent.hasHeader("Authorization"));
        QCOMPARE(sent.header("Content-Type"), QByteArray("application/json; charset=utf-8"));
        QCOMPARE(sent.header("Content-Length").toInt(), sent.body.size());
        const QJsonObject body = QJsonDocument::fromJson(sent.body).object();
        QCOMPARE(body["email"].toString(), QString("a@b.c"));
        QCOMPARE(body["password"].toString(), QString("pässword"));
    }

    void backendCalls_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        const QByteArray doc = R"({"name":"Raum ü"})";
        QTest::newRow("rooms") << "rooms"
                               << "GET"
                               << "/trellion/api/rooms" << QByteArray();
        QTest::newRow("new room") << "newroom"
                                  << "POST"
                                  << "/trellion/api/rooms" << doc;
        QTest::newRow("update room") << "putroom"
                                     << "PUT"
                                     << "/trellion/api/rooms/r1" << doc;
        QTest::newRow("delete room") << "delroom"
                                     << "DELETE"
                                     << "/trellion/api/rooms/r1" << QByteArray();
        QTest::newRow("messages") << "messages"
                                  << "GET"
                                  << "/trellion/api/user_messages" << QByteArray();
        QTest::newRow("new message") << "newmsg"
                                     << "POST"
                                     << "/trellion/api/user_messages" << doc;
        QTest::newRow("update message") << "putmsg"
                                        << "PUT"
                                        << "/trellion/api/user_messages/m1" << doc;
        QTest::newRow("delete message") << "delmsg"
                                        << "DELETE"
                                        << "/trellion/api/user_messages/m1" << QByteArray();
        QTest::newRow("screen key") << "screenkey"
                                    << "GET"
                                    << "/trellion/api/screenkey" << QByteArray();
    }

    void backendCalls()
    {
        QFETCH(QString, call);
        QFETCH(QString, method);
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        auto manager = signedIn();
        const QString text = QString::fromUtf8(body);
        const auto sent = send([&] {
            return call == "rooms"   ? manager->orbethGetClassrooms()
                : call == "newroom"  ? manager->orbethPostNewClassroom(text)
                : call == "putroom"  ? manager->orbethPutUpdateClassroom("r1", text)
                : call == "delroom"  ? manager->orbethDeleteClassroom("r1")
                : call == "messages" ? manager->orbethGetOverlayMessages()
                : call == "newmsg"   ? manager->orbethPostOverlayMessage(text)
                : call == "putmsg"   ? manager->orbethPutOverlayMessage("m1", text)
                : call == "delmsg"   ? manager->orbethDeleteOverlayMessage("m1")
                                     : manager->orbethGetScreenkeyFeature();
        });
        QCOMPARE(sent.method, method);
        QCOMPARE(sent.path, "/backend" + path);
        QCOMPARE(sent.header("Authorization"), QByteArray("Bearer tok.en"));
        QCOMPARE(sent.header("Content-Type"), QByteArray("application/json; charset=utf-8"));
        QCOMPARE(sent.body, body);
        // The length counts UTF-8 bytes; a call without a body announces none.
        if (body.isEmpty())
            QVERIFY(!sent.hasHeader("Content-Length") || sent.header("Content-Length") == "0");
        else
            QCOMPARE(sent.header("Content-Length").toInt(), body.size());
    }

    // Ids come from documents anyone may have written: each stays one segment of its collection.
    void idsNameOneItemOnly_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("target"); // empty: nothing sent
        QTest::newRow("plain") << "r1"
                               << "r1";
        QTest::newRow("climbing out") << "../user_messages/msg0001"
                                      << "..%2Fuser_messages%2Fmsg0001";
        QTest::newRow("query and fragment") << "a b?c#d"
                                            << "a%20b%3Fc%23d";
        QTest::newRow("percent") << "%2e%2e"
                                 << "%252e%252e";
        QTest::newRow("parent") << ".." << QString();
        QTest::newRow("self") << "." << QString();
        QTest::newRow("empty") << "" << QString();
    }

    void idsNameOneItemOnly()
    {
        QFETCH(QString, id);
        QFETCH(QString, target);
        auto manager = signedIn();
        for (const auto& call :
            { std::function<HttpRequest*()>([&] { return manager->orbethDeleteClassroom(id); }),
                std::function<HttpRequest*()>([&] { return manager->orbethPutOverlayMessage(id, "{}"); }) }) {
            if (target.isEmpty()) {
                const int before = cloud.requestCount();
                QVERIFY(!call());
                QCOMPARE(cloud.requestCount(), before);
                continue;
            }
            const auto sent = send(call);
            QVERIFY2(sent.target.endsWith("/" + target), qPrintable(sent.target));
            QVERIFY(sent.target.startsWith("/backend/trellion/api/rooms/")
                || sent.target.startsWith("/backend/trellion/api/user_messages/"));
        }
    }

    void untrustedCertificateFailsTheCallAndSaysWhy()
    {
        LogFile::startFresh();
        SetupLogger();
        UntrustedTlsServer service;
        Deployment::current().authUrl = service.url();
        NetworkManager manager;
        QSignalSpy done(manager.orbethLogin("a@b.c", "secret"), &HttpRequest::finished);
        QVERIFY(done.wait(10000));
        const auto response = done.first().first().value<HttpResponse>();
        QCOMPARE(response.error, int(QNetworkReply::SslHandshakeFailedError));
        QCOMPARE(response.httpCode, 0);
        const QStringList refused = LogFile::messages().filter("TLS certificate refused: host=[127.0.0.1]");
        QCOMPARE(refused.size(), 1);
        QVERIFY2(refused.first().contains("self-signed"), qPrintable(refused.first()));
        QVERIFY(!refused.first().contains("secret"));
    }

    void backendCallsNeedASignedInUser()
    {
        NetworkManager manager;
        const int before = cloud.requestCount();
        QVERIFY(!manager.orbethGetClassrooms());
        QVERIFY(!manager.orbethDeleteClassroom("r1"));
        QVERIFY(!manager.orbethPostOverlayMessage("{}"));
        QVERIFY(!manager.orbethGetScreenkeyFeature());
        QVERIFY(manager.orbethLogin("a", "b"));
        QTRY_COMPARE(cloud.requestCount(), before + 1);
        QTest::qWait(50);
        QCOMPARE(cloud.requestCount(), before + 1);
    }

    void statusCodesReachTheCaller()
    {
        auto manager = signedIn();
        cloud.setReply("POST", "/auth/v1/auth/token", { 403, "denied" });
        HttpResponse response;
        send([&] { return manager->orbethLogin("a", "b"); }, &response);
        QCOMPARE(response.httpCode, 403);
        cloud.setReply("POST", "/backend/trellion/api/rooms", { 201, R"({"id":"n"})" });
        send([&] { return manager->orbethPostNewClassroom("{}"); }, &response);
        QCOMPARE(response.httpCode, 201);
        QCOMPARE(response.error, 0);
        QCOMPARE(response.data, QByteArray(R"({"id":"n"})"));
    }

    // A refused or expired token holds the call, asks once for a sign-in, and the call goes out again
    // with the new token; signing out instead drops it unanswered.
    void refusedTokenHoldsCallsUntilSignedInAgain()
    {
        auto manager = signedIn();
        QSignalSpy expired(manager.get(), &NetworkManager::signInExpired);
        cloud.setReply("GET", "/backend/trellion/api/rooms", { 401, "expired" });
        const int before = cloud.requestCount();
        HttpRequest* rooms = manager->orbethGetClassrooms();
        QSignalSpy roomsDone(rooms, &HttpRequest::finished);
        QVERIFY(expired.wait(3000));
        manager->setFullAccessToken("tok.en", QDateTime::currentDateTimeUtc().addSecs(-1));
        QSignalSpy messagesDone(manager->orbethGetOverlayMessages(), &HttpRequest::finished);
        QTest::qWait(100);
        QCOMPARE(cloud.requestCount(), before + 1); // the expired token sent nothing more
        QVERIFY(roomsDone.isEmpty() && messagesDone.isEmpty());
        QCOMPARE(expired.size(), 2);

        cloud.setReply("GET", "/backend/trellion/api/rooms", { 200, "[]" });
        manager->setFullAccessToken("new.token", QDateTime::currentDateTimeUtc().addSecs(60));
        QVERIFY(roomsDone.wait(3000));
        QTRY_COMPARE(messagesDone.size(), 1);
        QCOMPARE(roomsDone.first().first().value<HttpResponse>().httpCode, 200);
        QCOMPARE(cloud.requests().last().header("Authorization"), QByteArray("Bearer new.token"));

        cloud.setReply("GET", "/backend/trellion/api/rooms", { 401, "expired" });
        QSignalSpy droppedDone(manager->orbethGetClassrooms(), &HttpRequest::finished);
        QVERIFY(expired.wait(3000));
        manager->setFullAccessToken(QString());
        QTest::qWait(100);
        QVERIFY(droppedDone.isEmpty());
    }

    void unreachableOrUnsetServiceFailsLikeTheNetwork()
    {
        Deployment::current().authUrl = "http://127.0.0.1:1";
        NetworkManager refused;
        QSignalSpy refusedDone(refused.orbethLogin("a", "b"), &HttpRequest::finished);
        QVERIFY(refusedDone.wait(3000));
        QVERIFY(refusedDone.first().first().value<HttpResponse>().error != 0);

        Deployment::current().authUrl.clear();
        NetworkManager unset;
        const int before = cloud.requestCount();
        QSignalSpy unsetDone(unset.orbethLogin("a", "b"), &HttpRequest::finished);
        QVERIFY(unsetDone.wait(1000));
        const auto response = unsetDone.first().first().value<HttpResponse>();
        QVERIFY(response.error != 0);
        QCOMPARE(response.httpCode, 0);
        QCOMPARE(cloud.requestCount(), before);
    }
};

QTEST_GUILESS_MAIN(CloudApiTest)
#include "CloudApiTest.moc"
