#include "Simulator.h"

#include <csignal>

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
    return {
        { "authUrl", cloud.url() },
        { "backendUrl", cloud.url() },
        { "analyticsUrl", cloud.url() + "/track/?data=" },
        { "controlUrl", cloud.url() + "/control" },
        { "authClaim", options.authClaim },
        { "pods", QJsonArray::fromStringList(pods.addresses()) },
    };
}

} // namespace sim
