#pragma once

#include "Pod.h"

#include <QJsonArray>
#include <QStringList>
#include <memory>
#include <vector>

namespace sim {

// All simulated pods, each on its own port.
class PodFleet {
public:
    PodFleet(const QList<PodIdentity>& identities, ServerContext& context);

    // Free ports when `basePort` is 0, else basePort, basePort + 1, ...
    bool bind(int basePort, QString* error);
    void close();

    int count() const { return static_cast<int>(pods.size()); }
    Pod& pod(int index) { return *pods.at(index); }
    QStringList addresses() const;
    QJsonArray states() const;
    // A stream some pod sends to the display at `address`.
    std::optional<PodConnection> incomingTo(const QString& address) const;

private:
    std::vector<std::unique_ptr<Pod>> pods;
};

} // namespace sim
