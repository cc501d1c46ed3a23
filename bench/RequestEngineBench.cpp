// Engine overhead against a bare QNetworkAccessManager on the same loopback traffic.
#include "Deployment.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/spdlog.h>

namespace {

constexpr int requestCount = 2000;
constexpr int rounds = 5;

// Runs `issue` (which must call `done` once per finished request) and returns elapsed ms.
double timeRequests(const std::function<void(const std::function<void()>&)>& issue)
{
    int finished = 0;
    QElapsedTimer clock;
    clock.start();
    issue([&finished] { ++finished; });
    while (finished < requestCount)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // Measure the engine, not the console: lines go to a null sink.
    spdlog::set_default_logger(
        std::make_shared<spdlog::logger>("bench", std::make_shared<spdlog::sinks::null_sink_mt>()));

    LoopbackServer server;
    Deployment::current().backendUrl = server.url();
    NetworkManager engine;
    engine.setFullAccessToken("bench-token");
    QNetworkAccessManager raw;
    // The raw side sends exactly what the engine sends.
    const QNetworkRequest podRequest(QUrl(server.url() + "/api/v2/content/activerouting/version"));
    QNetworkRequest cloudRequest(QUrl(server.url() + "/trellion/api/rooms"));
    engine.addJsonHeaders(cloudRequest, {});
    engine.addUserToken(cloudRequest);

    const auto rawRun = [&](const QNetworkRequest& request) {
        return timeRequests([&](const std::function<void()>& done) {
            for (int i = 0; i < requestCount; ++i) {
                QNetworkReply* reply = raw.get(request);
                QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done] {
                    reply->readAll();
                    reply->deleteLater();
                    done();
                });
            }
        });
    };
    const auto engineRun = [&](const std::function<HttpRequest*()>& build, bool barrier) {
        return timeRequests([&](const std::function<void()>& done) {
            for (int i = 0; i < requestCount; ++i)
                QObject::connect(
                    build(), &HttpRequest::finished, &engine, [done](const HttpResponse&) { done(); });
            if (barrier)
                engine.queueFlushRequest();
        });
    };

    std::vector<double> rawPod, enginePod, rawCloud, engineCloud;
    for (int round = 0; round < rounds; ++round) {
        rawPod.push_back(rawRun(podRequest));
        enginePod.push_back(engineRun([&] { return engine.requestServerVersion(server.address()); }, true));
        rawCloud.push_back(rawRun(cloudRequest));
        engineCloud.push_back(engineRun([&] { return engine.orbethGetClassrooms(); }, false));
    }

    std::printf("%d requests to a loopback server, median of %d rounds\n", requestCount, rounds);
    std::printf("pod requests up to one barrier: raw %.1f ms, engine %.1f ms, ratio engine/raw %.2f\n",
        median(rawPod), median(enginePod), median(enginePod) / median(rawPod));
    std::printf("direct cloud requests:          raw %.1f ms, engine %.1f ms, ratio engine/raw %.2f\n",
        median(rawCloud), median(engineCloud), median(engineCloud) / median(rawCloud));
    const QJsonObject result { { "requests", requestCount }, { "rounds", rounds },
        { "podRawMs", median(rawPod) }, { "podEngineMs", median(enginePod) },
        { "cloudRawMs", median(rawCloud) }, { "cloudEngineMs", median(engineCloud) } };
    std::printf("RESULT %s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    return 0;
}
