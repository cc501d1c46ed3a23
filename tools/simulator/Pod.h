#pragma once

#include "HttpServer.h"
#include "PodState.h"

#include <functional>
#include <mutex>
#include <optional>

namespace sim {

class PodFleet;

// One simulated display receiver on its own server. Answers every call of the pod control API,
// checks each body strictly (a malformed one gets 400) and keeps the state the calls imply.
class Pod {
public:
    Pod(int index, PodIdentity identity, ServerContext& context, const PodFleet& fleet);

    HttpServer& server() { return http; }
    QString address() const { return http.address(); }

    PodState state() const;
    bool changeIdentity(const QJsonObject& changes, QString* error);
    // This pod's stream to the display at `sink`, if it sends one.
    std::optional<PodConnection> connectionTo(const QString& sink) const;

private:
    void connect(const httplib::Request& request, httplib::Response& response);
    void disconnect(const httplib::Request& request, httplib::Response& response);
    void disconnectAll(const httplib::Request& request, httplib::Response& response);
    void configure(const httplib::Request& request, httplib::Response& response);
    void showOverlay(const httplib::Request& request, httplib::Response& response);
    void checkScreenKey(const httplib::Request& request, httplib::Response& response);
    void answerVersion(const httplib::Request& request, httplib::Response& response) const;
    // The test page, with the DeviceId row the app reads.
    void describe(const httplib::Request& request, httplib::Response& response) const;
    void snapshot(const httplib::Request& request, httplib::Response& response) const;
    void change(const std::function<void(PodState&)>& apply);

    const PodFleet& fleet;
    HttpServer http;
    mutable std::mutex mutex;
    PodState current;
};

} // namespace sim
