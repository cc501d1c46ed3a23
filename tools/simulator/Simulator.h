#pragma once

#include "AnalyticsEndpoint.h"
#include "CloudService.h"
#include "ControlApi.h"
#include "HttpServer.h"
#include "PodFleet.h"
#include "ServerContext.h"
#include "SimulatorOptions.h"

namespace sim {

// The whole simulator: the cloud server (sign-in, backend, analytics and the control API) and
// the pods, all on 127.0.0.1. Usable in-process by tests and benchmarks.
class Simulator {
public:
    explicit Simulator(const SimulatorOptions& options);
    ~Simulator();

    bool start(QString* error);
    // Hangs up on held requests and stops every server.
    void stop();

    // {"authUrl", "backendUrl", "analyticsUrl", "controlUrl", "authClaim", "pods": ["127.0.0.1:P", ...]},
    // and "firstRoom", "firstRoomTeam", "firstRoomPod": the first room of the library as the app
    // lists it (by name), its first team on one of these pods and that pod's index, when there is one.
    QJsonObject endpoints() const;

private:
    const SimulatorOptions options;
    ServerContext context;
    PodFleet pods;
    HttpServer cloud;
    CloudService service;
    AnalyticsEndpoint analytics;
    ControlApi control;
};

} // namespace sim
