#include "SimulatorFixture.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString demoConfig = QStringLiteral(TRELLION_SIM_DEMO_DIR "/config.json");

// Sends every request at once and waits for all replies (at most 10 s); returns their status codes.
QVector<int> fetchAll(const QList<QNetworkRequest>& requests)
{
    QNetworkAccessManager network;
    QList<QNetworkReply*> replies;
    for (const QNetworkRequest& request : requests)
        replies.append(network.get(request));
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    int pending = replies.size();
    for (QNetworkReply* reply : replies) {
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
            if (--pending == 0)
                loop.quit();
        });
    }
    if (pending > 0)
        loop.exec();
    QVector<int> statuses;
    for (QNetworkReply* reply : replies) {
        statuses.append(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
        reply->abort();
    }
    qDeleteAll(replies);
    return statuses;
}

// Alive and not a zombie waiting to be reaped.
bool isRunning(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly)
        && !QString::fromLatin1(stat.readAll()).section(") ", 1).startsWith('Z');
}

QNetworkRequest versionRequest(const QString& pod)
{
    return QNetworkRequest(QUrl(QString("http://%1/api/v2/content/activerouting/version").arg(pod)));
}

} // namespace

class SimulatorProcessTest : public QObject {
    Q_OBJECT

private slots:
    void printsWhereEverythingIsAndStopsOnSigterm()
    {
        SimulatorFixture simulator({ "--pods", "3" });
        QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));
        QCOMPARE(simulator.podAddresses().size(), 3);
        for (const QString& pod : simulator.podAddresses())
            QVERIFY(pod.startsWith("127.0.0.1:"));
        QVERIFY(simulator.authUrl().startsWith("http://127.0.0.1:"));
        QCOMPARE(simulator.backendUrl(), simulator.authUrl());
        QCOMPARE(simulator.analyticsUrl(), simulator.authUrl() + "/track/?data=");
        QCOMPARE(simulator.authClaim(), "https://trellion.norvane.example/authorization");

        QCOMPARE(fetchAll({ versionRequest(simulator.podAddress(2)) }), QVector<int> { 200 });
        QCOMPARE(simulator.requestsTo(simulator.podAddress(2)).size(), 1);
        QCOMPARE(simulator.requestsTo("pod:0").size(), 0);
        QVERIFY(simulator.stop(2000));
    }

    void stopsPromptlyWhileARequestIsHeld()
    {
        SimulatorFixture simulator({ "--pods", "2" });
        QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));
        QVERIFY(simulator.setFault({ { "target", "pod:0" }, { "action", "hold" } }));
        QCOMPARE(simulator.control("GET", "/faults").json()["faults"].toArray().size(), 1);

        QNetworkAccessManager network;
        QNetworkReply* held = network.get(versionRequest(simulator.podAddress(0)));
        QTRY_COMPARE_WITH_TIMEOUT(simulator.requestsTo("pod:0").size(), 1, 2000);
        QVERIFY(!held->isFinished());

        // Held connections must not keep it alive: it stops within the bounded wait.
        QVERIFY(simulator.stop(3000));
        QTRY_VERIFY_WITH_TIMEOUT(held->isFinished(), 2000);
        QCOMPARE(held->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 0);
        delete held;
    }

    void twoHundredPodsStartAndAllAnswer()
    {
        SimulatorFixture simulator({ "--pods", "200" });
        QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));

        QList<QNetworkRequest> requests;
        for (const QString& pod : simulator.podAddresses())
            requests.append(versionRequest(pod));
        QCOMPARE(fetchAll(requests), QVector<int>(200, 200));
        QCOMPARE(simulator.requests().size(), 200);
        QVERIFY(simulator.stop(3000));
    }

    void demoConfigurationServesItsClassrooms()
    {
        QTemporaryDir state;
        SimulatorFixture simulator({ "--config", demoConfig, "--data-dir", state.path() });
        QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));
        QCOMPARE(simulator.podAddresses().size(), 29);
        QCOMPARE(simulator.podState(4).value("name").toString(), "210 Team 1");
        // What the demo switches off: a pod of the room the library lists first.
        QCOMPARE(simulator.endpoints()["firstRoom"].toString(), "Innovation Commons");
        QCOMPARE(simulator.endpoints()["firstRoomTeam"].toString(), "Team 1");
        QCOMPARE(simulator.endpoints()["firstRoomPod"].toInt(), 13);

        QNetworkAccessManager network;
        QNetworkRequest signIn(QUrl(simulator.authUrl() + "/v1/auth/token"));
        signIn.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        QNetworkReply* token
            = network.post(signIn, R"({"email":"viewer@trellion.example","password":"viewer-pass"})");
        QTRY_VERIFY_WITH_TIMEOUT(token->isFinished(), 5000);
        QNetworkRequest rooms(QUrl(simulator.backendUrl() + "/trellion/api/rooms"));
        rooms.setRawHeader("Authorization",
            "Bearer " + QJsonDocument::fromJson(token->readAll())["access_token"].toString().toUtf8());
        QNetworkReply* library = network.get(rooms);
        QTRY_VERIFY_WITH_TIMEOUT(library->isFinished(), 5000);

        const QJsonArray classrooms = QJsonDocument::fromJson(library->readAll()).array();
        QCOMPARE(classrooms.size(), 3);
        QSet<QString> addresses;
        int blocks = 0;
        for (const QJsonValue& classroom : classrooms) {
            for (const QJsonValue& block : classroom["teamblocks"].toArray()) {
                addresses.insert(block["address"].toString());
                ++blocks;
            }
        }
        QCOMPARE(blocks, 4 + 8 + 16);
        addresses.insert(classrooms.at(1)["primarydisplay"]["address"].toString());
        const QStringList pods = simulator.podAddresses();
        QCOMPARE(addresses, QSet<QString>(pods.begin(), pods.end()));
        QVERIFY(classrooms.at(2)["furniture"].toArray().last()["name"].toString().endsWith(
            simulator.podAddress(15)));
        delete token;
        delete library;
    }

    void exitsWithTheProcessThatStartedIt()
    {
        QProcess shell;
        shell.start("sh",
            { "-c", R"("$0" --pods 1 --exit-with-parent >/dev/null & echo $!; sleep 0.5)",
                SimulatorFixture::executable() });
        QVERIFY(shell.waitForFinished(5000));
        const qint64 simulator = shell.readAllStandardOutput().trimmed().toLongLong();
        QVERIFY(simulator > 0);
        QTRY_VERIFY_WITH_TIMEOUT(!isRunning(simulator), 3000);
    }

    void listsAccountsAndRefusesBadArguments()
    {
        QProcess accounts;
        accounts.start(SimulatorFixture::executable(), { "--list-accounts" });
        QVERIFY(accounts.waitForFinished(5000));
        const QString listed = QString::fromUtf8(accounts.readAllStandardOutput());
        QVERIFY(listed.contains("editor@trellion.example"));
        QVERIFY(listed.contains("viewer@trellion.example"));

        for (const QStringList& arguments :
            { QStringList { "--pods", "0" }, QStringList { "--latency-ms", "soon" },
                QStringList { "--fault", R"({"target":"everything"})" },
                QStringList { "--config", "/nonexistent.json" } }) {
            SimulatorFixture simulator(arguments);
            QVERIFY(!simulator.start(5000));
            QVERIFY2(simulator.errorString().contains("trellion-sim:"), qPrintable(simulator.errorString()));
        }
    }
};

QTEST_MAIN(SimulatorProcessTest)
#include "SimulatorProcessTest.moc"
