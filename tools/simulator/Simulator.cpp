#include "Simulator.h"

#include <algorithm>
#include <csignal>
#include <utility>

namespace sim {

Simulator::Simulator(const SimulatorOptions& options)
    : options(options)
    , pods(options.pods, context)
    , cloud("cloud", context)
    , service(cloud, options.accounts, options.authClaim, options.dataDirectory, options.tokenTtlSeconds)
    , analytics(cloud)
    , control(cloud, context, pods, analytics, service)
{
    context.latencyMs = options.latencyMs;
    context.jitterMs = options.jitterMs;
    for (const Fault& fault : options.faults)
        context.faults.set(fault);
}

Simulator::~Simulator()
{
    stop();
}

bool Simulator::start(QString* error)
{
    // libevent writes without MSG_NOSIGNAL: a client hanging up mid-answer must not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    if (!pods.bind(options.podBasePort, error))
        return false;
    if (!cloud.bind(options.cloudPort)) {
        *error = QString("the cloud server cannot listen on 127.0.0.1:%1").arg(options.cloudPort);
        return false;
    }
    if (!service.open(PodAddressCodec(pods.addresses()), options.library, error))
        return false;
    context.loop.start();
    for (const SimulatorOptions::PowerCycle& cycle : options.powerCycles)
        pods.pod(cycle.pod).powerCycle(
            std::chrono::milliseconds(cycle.afterMs), std::chrono::milliseconds(cycle.silentMs));
    return true;
}

void Simulator::stop()
{
    context.loop.stop();
    pods.close();
    cloud.close();
}

QJsonObject Simulator::endpoints() const
{
    QJsonObject endpoints {
        { "authUrl", cloud.url() },
        { "backendUrl", cloud.url() },
        { "analyticsUrl", cloud.url() + "/track/?data=" },
        { "controlUrl", cloud.url() + "/control" },
        { "authClaim", options.authClaim },
        { "pods", QJsonArray::fromStringList(pods.addresses()) },
    };
    // The demo switches off a pod of the room a user sees first.
    QList<QJsonObject> rooms;
    for (const QJsonValue& room : service.rooms())
        rooms << room.toObject();
    const auto key = [](const QJsonObject& room) {
        return std::make_pair(room.value("name").toString().toLower(), room.value("id").toString());
    };
    std::sort(rooms.begin(), rooms.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
    if (rooms.isEmpty())
        return endpoints;
    for (const QJsonValue& team : rooms.first().value("teamblocks").toArray()) {
        const int pod = pods.addresses().indexOf(team["address"].toString());
        if (pod < 0)
            continue;
        endpoints.insert("firstRoom", rooms.first().value("name"));
        endpoints.insert("firstRoomTeam", team["name"]);
        endpoints.insert("firstRoomPod", pod);
        break;
    }
    return endpoints;
}

} // namespace sim
