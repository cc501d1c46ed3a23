#include "PodFleet.h"

namespace sim {

PodFleet::PodFleet(const QList<PodIdentity>& identities, ServerContext& context)
{
    pods.reserve(identities.size());
    for (const PodIdentity& identity : identities)
        pods.push_back(std::make_unique<Pod>(count(), identity, context, *this));
}

bool PodFleet::bind(int basePort, QString* error)
{
    for (int index = 0; index < count(); ++index) {
        const int port = basePort == 0 ? 0 : basePort + index;
        if (!pods[index]->server().bind(port)) {
            *error = QString("pod %1 cannot listen on 127.0.0.1:%2").arg(index).arg(port);
            return false;
        }
    }
    return true;
}

void PodFleet::close()
{
    for (const auto& pod : pods)
        pod->server().close();
}

QStringList PodFleet::addresses() const
{
    QStringList result;
    for (const auto& pod : pods)
        result.append(pod->address());
    return result;
}

QJsonArray PodFleet::states() const
{
    QJsonArray result;
    for (int index = 0; index < count(); ++index) {
        QJsonObject state = pods[index]->state().toJson();
        state.insert("index", index);
        state.insert("address", pods[index]->address());
        result.append(state);
    }
    return result;
}

std::optional<PodConnection> PodFleet::incomingTo(const QString& address) const
{
    for (const auto& pod : pods) {
        if (auto connection = pod->connectionTo(address))
            return connection;
    }
    return std::nullopt;
}

} // namespace sim
