#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <mutex>

namespace sim {

class HttpServer;

// The analytics track endpoint: GET /track/?data=<Base64 of a JSON object>. Keeps every batch
// so tests can see what the app reported.
class AnalyticsEndpoint {
public:
    explicit AnalyticsEndpoint(HttpServer& server);

    // {"batches": n, "events": total of the batches' "routing events", "rejected": n, "received": [...]}
    QJsonObject summary() const;

private:
    mutable std::mutex mutex;
    QJsonArray received;
    int events = 0;
    int rejected = 0;
};

} // namespace sim
