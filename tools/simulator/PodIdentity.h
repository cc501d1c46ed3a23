#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <optional>

namespace sim {

// What makes one pod itself, set by the configuration and changeable at run time.
//
// JSON form (every key optional): {"name": "Pod 1", "apiVersion": "2", "screenKey": "K7QM",
//                                  "deviceId": "SIMPOD0001"}
// "apiVersion" is answered exactly as given: 1, "2" and 2 are three different answers.
struct PodIdentity {
    QString name;
    QJsonValue apiVersion;
    QString screenKey;
    QString deviceId;

    // Stable defaults per index, so stored layouts and screen keys stay valid across runs.
    static PodIdentity defaultFor(int index);
    // This identity with the keys of `changes` applied.
    std::optional<PodIdentity> changedBy(const QJsonObject& changes, QString* error) const;
    QJsonObject toJson() const;
};

} // namespace sim
