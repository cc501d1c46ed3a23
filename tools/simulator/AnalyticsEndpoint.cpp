#include "AnalyticsEndpoint.h"

#include "HttpServer.h"

#include <QJsonDocument>

namespace sim {

namespace {

// The uploader appends raw Base64 to the URL; decoding the query turned its "+" into spaces,
// and Base64 itself never holds a space.
QByteArray payloadOf(const ServerRequest& request)
{
    QByteArray base64 = QByteArray::fromStdString(request.parameter("data"));
    base64.replace(' ', '+');
    const auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

} // namespace

AnalyticsEndpoint::AnalyticsEndpoint(HttpServer& server)
{
    server.route("GET", "/track/", [this](const ServerRequest& request, ServerResponse& response) {
        const QJsonObject batch = QJsonDocument::fromJson(payloadOf(request)).object();
        const bool valid = batch.value("event").isString() && batch.value("properties").isObject();

        std::lock_guard lock(mutex);
        if (!valid) {
            ++rejected;
            response.status = 400;
            return response.setContent("0", "text/plain");
        }
        received.append(batch);
        events += batch.value("properties").toObject().value("routing events").toArray().size();
        response.setContent("1", "text/plain");
    });
}

QJsonObject AnalyticsEndpoint::summary() const
{
    std::lock_guard lock(mutex);
    return { { "batches", received.size() }, { "events", events }, { "rejected", rejected },
        { "received", received } };
}

} // namespace sim
