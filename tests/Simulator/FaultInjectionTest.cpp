#include "InProcessSimulator.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTest>
#include <curl/curl.h>
#include <functional>
#include <future>
#include <zlib.h>

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

// What reached the wire, undecoded: libcurl neither inflates nor follows a redirect unless told to.
struct WireReply {
    long status = 0;
    QMap<QByteArray, QByteArray> headers; // by lower-case name
    QByteArray body;
    qint64 hangUpAfter = 0; // body bytes, 0 for the whole body
};

size_t takeBody(char* data, size_t size, size_t count, void* reply)
{
    auto* wire = static_cast<WireReply*>(reply);
    wire->body.append(data, static_cast<int>(size * count));
    return wire->hangUpAfter > 0 && wire->body.size() >= wire->hangUpAfter ? 0 : size * count;
}

size_t takeHeader(char* data, size_t size, size_t count, void* reply)
{
    const QByteArray line(data, static_cast<int>(size * count));
    const int colon = line.indexOf(':');
    if (colon > 0)
        static_cast<WireReply*>(reply)->headers.insert(
            line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed());
    return size * count;
}

WireReply fetch(const QString& url, const std::string& authorization, qint64 hangUpAfter)
{
    WireReply reply;
    reply.hangUpAfter = hangUpAfter;
    CURL* curl = curl_easy_init();
    curl_slist* headers = curl_slist_append(nullptr, ("Authorization: " + authorization).c_str());
    curl_easy_setopt(curl, CURLOPT_URL, url.toUtf8().constData());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, takeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, takeHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply);
    curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);
    return reply;
}

// Inflates a gzip body piece by piece; false unless it is one whole gzip stream.
bool inflateGzip(const QByteArray& gzip, const std::function<void(const QByteArray&)>& take)
{
    z_stream stream {};
    inflateInit2(&stream, 15 + 16);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
    stream.avail_in = static_cast<uInt>(gzip.size());
    QByteArray piece(1024 * 1024, Qt::Uninitialized);
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_out = static_cast<uInt>(piece.size());
        result = inflate(&stream, Z_NO_FLUSH);
        take(piece.left(piece.size() - static_cast<int>(stream.avail_out)));
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END;
}

QByteArray inflated(const QByteArray& gzip)
{
    QByteArray result;
    return inflateGzip(gzip, [&](const QByteArray& piece) { result += piece; }) ? result : QByteArray();
}

int openFiles()
{
    return QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size();
}

// One hostile answer and what must reach the client; `server` is the faulted server's URL.
struct HostileCase {
    QString target;
    std::string path;
    QString action;
    qint64 hangUpAfter;
    long status;
    std::function<bool(const WireReply&, const QString& server)> arrived;
};

} // namespace

Q_DECLARE_METATYPE(HostileCase)

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

    void hostileAnswersReachTheWire_data()
    {
        const std::string snapshot = "/lookin/thedisplay.jpg";
        const std::string rooms = "/trellion/api/rooms";
        const auto gzip
            = [](const WireReply& reply) { return reply.headers.value("content-encoding") == "gzip"; };
        const auto redirectsTo = [](const QString& path) {
            return [path](const WireReply& reply, const QString& server) {
                return reply.headers.value("location") == server + path && reply.body.isEmpty();
            };
        };
        const auto hugeLength = [](const WireReply& reply, const QString&) {
            return reply.headers.value("content-length") == "10000000000" && !reply.body.isEmpty()
                && reply.body.size() <= 16;
        };
        const auto endless = [](const WireReply& reply, const QString&) {
            return reply.headers.value("transfer-encoding") == "chunked" && reply.body.size() >= 4 << 20;
        };

        QTest::addColumn<HostileCase>("hostile");
        QTest::newRow("gzip bomb") << HostileCase { "pod:0", version, "gzipBomb", 0, 200,
            [=](const WireReply& reply, const QString&) {
                qint64 size = 0;
                bool zeros = true;
                const bool whole = inflateGzip(reply.body, [&](const QByteArray& piece) {
                    size += piece.size();
                    zeros = zeros && piece.count('\0') == piece.size();
                });
                return gzip(reply) && reply.body.size() < 400 * 1024 && whole && zeros && size == 256 << 20;
            } };
        QTest::newRow("endless") << HostileCase { "pod:0", version, "endless", 4 << 20, 200, endless };
        QTest::newRow("endless, cloud") << HostileCase { "cloud", rooms, "endless", 4 << 20, 200, endless };
        QTest::newRow("huge image") << HostileCase { "pod:0", snapshot, "hugeImage", 0, 200,
            [](const WireReply& reply, const QString&) {
                QBuffer image;
                image.setData(reply.body);
                return reply.headers.value("content-type") == "image/jpeg" && reply.body.size() < 1024
                    && QImageReader(&image, "jpeg").size() == QSize(20000, 20000);
            } };
        QTest::newRow("redirect") << HostileCase { "pod:0", version, "redirect", 0, 302,
            redirectsTo("/api/v2/content/activerouting/connections") };
        QTest::newRow("redirect, cloud")
            << HostileCase { "cloud", rooms, "redirect", 0, 302, redirectsTo("/trellion/api/user_messages") };
        QTest::newRow("gzip body") << HostileCase { "pod:0", snapshot, "gzipBody", 0, 200,
            [=](const WireReply& reply, const QString&) {
                return gzip(reply) && reply.headers.value("content-type") == "image/jpeg"
                    && !QImage::fromData(inflated(reply.body), "JPG").isNull();
            } };
        QTest::newRow("gzip body, cloud")
            << HostileCase { "cloud", rooms, "gzipBody", 0, 200, [=](const WireReply& reply, const QString&) {
                                return gzip(reply) && QJsonDocument::fromJson(inflated(reply.body)).isArray();
                            } };
        QTest::newRow("huge length") << HostileCase { "pod:0", version, "hugeLength", 1, 200, hugeLength };
        QTest::newRow("huge length, cloud")
            << HostileCase { "cloud", rooms, "hugeLength", 1, 200, hugeLength };
        QTest::newRow("room list not JSON")
            << HostileCase { "cloud", rooms, "garbage", 0, 200, [](const WireReply& reply, const QString&) {
                                QJsonParseError error;
                                QJsonDocument::fromJson(reply.body, &error);
                                return error.error != QJsonParseError::NoError;
                            } };
    }

    // Once the client hangs up, nothing of the answer is left open, and the server answers on.
    void hostileAnswersReachTheWire()
    {
        QFETCH(HostileCase, hostile);
        InProcessSimulator simulator;
        const bool cloud = hostile.target == "cloud";
        const QString server = cloud ? simulator.endpoints().value("backendUrl").toString()
                                     : "http://" + simulator.podAddress(0);
        const std::string authorization
            = simulator.signIn("editor@trellion.example", "editor-pass").begin()->second;
        QVERIFY(simulator.setFault(
            { { "target", hostile.target }, { "path", QString::fromStdString(hostile.path) },
                { "action", hostile.action }, { "times", 1 } }));
        const int before = openFiles();

        const WireReply reply
            = fetch(server + QString::fromStdString(hostile.path), authorization, hostile.hangUpAfter);
        QCOMPARE(reply.status, hostile.status);
        QVERIFY2(hostile.arrived(reply, server),
            qPrintable(QString("%1 bytes, headers %2")
                           .arg(reply.body.size())
                           .arg(QString::fromLatin1(reply.headers.keys().join(", ")))));

        QTRY_VERIFY(openFiles() <= before);
        QCOMPARE(fetch(server + QString::fromStdString(hostile.path), authorization, 0).status, 200);
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
