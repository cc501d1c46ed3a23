#pragma once

#include "Fault.h"

#include <QJsonArray>
#include <mutex>
#include <vector>

namespace sim {

// The fault rules in force, changed at start-up and at run time from any thread.
class FaultTable {
public:
    // Replaces the rule with the same target, method and path; a fault without effect removes it.
    void set(const Fault& fault);
    void clear();
    QJsonArray toJson() const;

    // The newest rule matching the request, with one of its remaining hits used up.
    std::optional<Fault> take(
        const QString& server, const QString& group, const QString& method, const QString& path);

private:
    mutable std::mutex mutex;
    std::vector<Fault> rules; // oldest first
};

} // namespace sim
