#include "ControlApi.h"

#include "AnalyticsEndpoint.h"
#include "CloudService.h"
#include "HttpServer.h"
#include "JsonHttp.h"
#include "PodFleet.h"
#include "ServerContext.h"

namespace sim {

namespace {

// Applies every fault of the body, or none when one of them is invalid.
bool setFaults(FaultTable& faults, const QJsonDocument& body, QString* error)
{
    const QJsonArray list = body.isArray() ? body.array() : QJsonArray { body.object() };
    QList<Fault> parsed;
    for (const QJsonValue& value : list) {
        const auto fault = Fault::fromJson(value.toObject(), error);
        if (!fault)
            return false;
        parsed.append(*fault);
    }
    for (const Fault& fault : parsed)
        faults.set(fault);
    return true;
}

} // namespace

ControlApi::ControlApi(HttpServer& server, ServerContext& context, PodFleet& pods,
    const AnalyticsEndpoint& analytics, CloudService& service)
{
    server.control(
        "GET", "/control/requests", [&context](const ServerRequest& request, ServerResponse& response) {
            const qint64 since = QByteArray::fromStdString(request.parameter("since")).toLongLong();
            JsonHttp::reply(response, 200, QJsonObject { { "requests", context.requests.entries(since) } });
        });
    server.control("DELETE", "/control/requests", [&context](const ServerRequest&, ServerResponse& response) {
        context.requests.clear();
        response.status = 204;
    });

    server.control("GET", "/control/pods", [&pods](const ServerRequest&, ServerResponse& response) {
        JsonHttp::reply(response, 200, QJsonObject { { "pods", pods.states() } });
    });
    server.control(
        "PATCH", R"(/control/pods/(\d+))", [&pods](const ServerRequest& request, ServerResponse& response) {
            bool isNumber = false;
            const int index = QString::fromStdString(request.matches[1]).toInt(&isNumber);
            const auto changes = JsonHttp::bodyObject(request);
            QString error = "expected a JSON object of pod identity keys";
            if (!isNumber || index >= pods.count())
                return JsonHttp::replyError(response, 404, "no such pod");
            if (!changes || !pods.pod(index).changeIdentity(*changes, &error))
                return JsonHttp::replyError(response, 400, error);
            JsonHttp::reply(response, 200, pods.states().at(index).toObject());
        });

    server.control("POST", R"(/control/pods/(\d+)/power-cycle)",
        [&pods](const ServerRequest& request, ServerResponse& response) {
            const int index = QString::fromStdString(request.matches[1]).toInt();
            const QJsonObject body = JsonHttp::bodyObject(request).value_or(QJsonObject());
            const int silentMs = body.value("silentMs").toInt(-1);
            const int afterMs = body.value("afterMs").toInt(0);
            if (index >= pods.count())
                return JsonHttp::replyError(response, 404, "no such pod");
            if (silentMs < 0 || afterMs < 0)
                return JsonHttp::replyMalformed(response, R"({"silentMs": number, "afterMs": number})");
            pods.pod(index).powerCycle(
                std::chrono::milliseconds(afterMs), std::chrono::milliseconds(silentMs));
            JsonHttp::reply(response, 200, QJsonObject { { "silentMs", silentMs }, { "afterMs", afterMs } });
        });

    server.control("GET", "/control/faults", [&context](const ServerRequest&, ServerResponse& response) {
        JsonHttp::reply(response, 200, QJsonObject { { "faults", context.faults.toJson() } });
    });
    server.control(
        "POST", "/control/faults", [&context](const ServerRequest& request, ServerResponse& response) {
            const auto body = JsonHttp::bodyDocument(request);
            QString error = "expected a fault object or an array of them";
            if (!body || !setFaults(context.faults, *body, &error))
                return JsonHttp::replyError(response, 400, error);
            JsonHttp::reply(response, 200, QJsonObject { { "faults", context.faults.toJson() } });
        });
    server.control("DELETE", "/control/faults", [&context](const ServerRequest&, ServerResponse& response) {
        context.faults.clear();
        response.status = 204;
    });

    server.control("GET", "/control/analytics", [&analytics](const ServerRequest&, ServerResponse& response) {
        JsonHttp::reply(response, 200, analytics.summary());
    });

    // Any rooms at all, as another tool might have stored them: ids of any type or none, any keys.
    server.control(
        "PUT", "/control/rooms", [&service](const ServerRequest& request, ServerResponse& response) {
            if (!service.replaceRooms(QString::fromStdString(request.body)))
                return JsonHttp::replyMalformed(response, "an array of rooms");
            response.status = 204;
        });
}

} // namespace sim
