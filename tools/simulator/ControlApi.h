#pragma once

namespace sim {

class AnalyticsEndpoint;
class CloudService;
class HttpServer;
class PodFleet;
struct ServerContext;

// Inspection and steering for tests, under /control on the cloud server. Its calls are neither
// recorded nor subject to faults, so a test can always look and change course.
//
//   GET    /control/requests[?since=SEQ]  {"requests": [{"seq", "time", "server", "address", "method",
//                                          "path", "query", "headers", "body"}]}
//   DELETE /control/requests              204
//   GET    /control/pods                  {"pods": [pod state with "index" and "address"]}
//   PATCH  /control/pods/N                pod identity keys -> 200 with the pod's state
//   GET    /control/faults                {"faults": [...]}
//   POST   /control/faults                a fault or an array of faults -> 200 {"faults": [...]}
//   DELETE /control/faults                204
//   GET    /control/analytics             the analytics summary
//   PUT    /control/rooms                 a JSON array of rooms -> 204; the library is served as sent
class ControlApi {
public:
    ControlApi(HttpServer& server, ServerContext& context, PodFleet& pods, const AnalyticsEndpoint& analytics,
        CloudService& service);
};

} // namespace sim
