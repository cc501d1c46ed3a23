#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <deque>
#include <mutex>

namespace sim {

struct ServerRequest;

// Every request the simulated servers received, in arrival order, for tests to assert on.
// Passwords and bearer tokens are masked before anything is kept.
class RequestLog {
public:
    void record(const QString& server, const QString& address, const ServerRequest& request);
    // The entries whose sequence number is above `since`.
    QJsonArray entries(qint64 since = 0) const;
    void clear();

private:
    // Bounds memory in long demo sessions; far more than any test sends.
    static constexpr size_t capacity = 50000;

    mutable std::mutex mutex;
    std::deque<QJsonObject> recorded;
    qint64 lastSequence = 0;
};

} // namespace sim
