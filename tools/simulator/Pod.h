#pragma once

#include "HttpServer.h"
#include "PodState.h"

#include <chrono>
#include <functional>
#include <mutex>
#include <optional>

namespace sim {

class PodFleet;
struct ServerContext;

// One simulated display receiver on its own server. Answers every call of the pod control API,
// checks each body strictly (a malformed one gets 400) and keeps the state the calls imply.
class Pod {
public:
    using Handler = HttpServer::Handler;

    Pod(int index, PodIdentity identity, ServerContext& context, const PodFleet& fleet);

    HttpServer& server() { return http; }
    QString address() const { return http.address(); }

    PodState state() const;
    bool changeIdentity(const QJsonObject& changes, QString* error);
    // This pod's stream to the display at `sink`, if it sends one.
    std::optional<PodConnection> connectionTo(const QString& sink) const;
    // After `after`, the pod falls silent for `silence` and comes back as after a reboot: no
    // connections, overlay, banners or presence. Calls meanwhile are never answered.
    void powerCycle(std::chrono::milliseconds after, std::chrono::milliseconds silence);

private:
    void connect(const ServerRequest& request, ServerResponse& response);
    void disconnect(const ServerRequest& request, ServerResponse& response);
    void disconnectAll(const ServerRequest& request, ServerResponse& response);
    void configure(const ServerRequest& request, ServerResponse& response);
    void showOverlay(const ServerRequest& request, ServerResponse& response);
    void checkScreenKey(const ServerRequest& request, ServerResponse& response);
    void answerVersion(const ServerRequest& request, ServerResponse& response) const;
    // The test page, with the DeviceId row the app reads.
    void describe(const ServerRequest& request, ServerResponse& response) const;
    void snapshot(const ServerRequest& request, ServerResponse& response) const;
    void change(const std::function<void(PodState&)>& apply);
    // Serves a call unless the pod is powered off; then it is held until the simulator stops.
    Handler whilePowered(Handler handler);
    // Whether the pod is off now; entering the off time wipes what a reboot loses.
    bool isPoweredOff() const;

    const PodFleet& fleet;
    HttpServer http;
    mutable std::mutex mutex;
    mutable PodState current;
    using Clock = std::chrono::steady_clock;
    Clock::time_point powerOff;
    Clock::time_point powerOn;
    mutable bool rebootPending = false;
};

} // namespace sim
