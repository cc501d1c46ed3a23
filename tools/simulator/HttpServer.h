#pragma once

#include <QString>
#include <atomic>
#include <httplib.h>
#include <thread>

namespace sim {

struct ServerContext;

// One of the simulator's HTTP servers, on 127.0.0.1. Requests to routes added with route() are
// recorded and pass through fault injection; handlers added on control() bypass both, so tests
// can always inspect and steer. Requests that match no route are recorded and answered 404.
class HttpServer {
public:
    using Handler = httplib::Server::Handler;

    // `name` identifies the server in the request log and in fault targets ("cloud", "pod:3");
    // a fault aimed at `group` ("pods") hits it too.
    HttpServer(QString name, ServerContext& context, QString group = {});
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    void route(const std::string& method, const std::string& pattern, Handler handler);
    httplib::Server& control() { return server; }

    // Port 0 picks a free one.
    bool bind(int port);
    void start();
    // Stops accepting connections; stop() also waits for the open ones to finish.
    void stopAccepting();
    void stop();

    QString name() const { return serverName; }
    int port() const { return boundPort; }
    QString address() const;
    QString url() const;

private:
    // cpp-httplib listens with a backlog of 5: a client opening more connections at once would
    // see some of them wait a second for a retried SYN.
    struct WideBacklogServer : httplib::Server {
        void widenBacklog();
    };

    void serve(const httplib::Request& request, httplib::Response& response, const Handler& handler);

    const QString serverName;
    const QString group;
    ServerContext& context;
    WideBacklogServer server;
    std::thread listener;
    std::atomic_bool listenerDone { false };
    std::atomic_bool stopRequested { false };
    int boundPort = 0;
};

} // namespace sim
