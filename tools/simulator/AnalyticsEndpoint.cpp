#include "AnalyticsEndpoint.h"

#include "HttpServer.h"

#include <QJsonDocument>
#include <httplib.h>

namespace sim {

namespace {

// The uploader appends raw Base64 to the URL; decoding the query turned its "+" into spaces,
// and Base64 itself never holds a space.
QByteArray payloadOf(const httplib::Request& request)
{
    QByteArray base64 = QByteArray::fromStdString(request.get_param_value("data"));
    base64.replace(' ', '+');
    const auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

} // namespace

AnalyticsEndpoint::AnalyticsEndpoint(HttpServer& server)
{
    server.route("GET", "/track/", [this](const httplib::Request& request, httplib::Response& response) {
        const QJsonObject batch = QJsonDocument::fromJson(payloadOf(request)).object();
        const bool valid = batch.value("event").isString() && batch.value("properties").isObject();

        std::lock_guard lock(mutex);
        if (!valid) {
            ++rejected;
            response.status = 400;
            return response.set_content("0", "text/plain");
        }
        received.append(batch);
        events += batch.value("properties").toObject().value("routing events").toArray().size();
        response.set_content("1", "text/plain");
    });
}

QJsonObject AnalyticsEndpoint::summary() const
{
    std::lock_guard lock(mutex);
    return { { "batches", received.size() }, { "events", events }, { "rejected", rejected },
        { "received", received } };
}

} // namespace sim
