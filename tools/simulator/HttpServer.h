#pragma once

#include "ServerRequest.h"
#include "ServerResponse.h"

#include <QString>
#include <functional>
#include <regex>
#include <set>

struct evhttp;
struct evhttp_request;

namespace sim {

struct Fault;
struct ServerContext;

// One of the simulator's HTTP servers, on 127.0.0.1, answering on the shared event loop. Requests
// to routes added with route() are recorded and pass through fault injection; routes added with
// control() bypass both, so tests can always inspect and steer. Requests that match no route are
// recorded and answered 404.
class HttpServer {
public:
    using Handler = std::function<void(const ServerRequest&, ServerResponse&)>;

    // `name` identifies the server in the request log and in fault targets ("cloud", "pod:3");
    // a fault aimed at `group` ("pods") hits it too.
    HttpServer(QString name, ServerContext& context, QString group = {});
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // `pattern` matches the whole decoded path; its groups land in the request's matches.
    void route(const std::string& method, const std::string& pattern, Handler handler);
    void control(const std::string& method, const std::string& pattern, Handler handler);

    // Where a "redirect" fault sends the client: a path of this server.
    void redirectTo(std::string path) { redirectPath = std::move(path); }

    // Port 0 picks a free one. Call before the event loop starts.
    bool bind(int port);
    // Hangs up every connection and stops listening. Call once the event loop has stopped.
    void close();

    QString name() const { return serverName; }
    int port() const { return boundPort; }
    QString address() const;
    QString url() const;

private:
    struct Route {
        std::string method;
        std::regex pattern;
        Handler handler;
        bool recorded;
    };

    static void dispatch(evhttp_request* exchange, void* server);
    void serve(evhttp_request* exchange);
    // Runs once the answer's delay is over.
    void answer(
        evhttp_request* exchange, const ServerRequest& request, const Handler& handler, const Fault& fault);
    // Starts an answer that never completes: a chunked body without end, or a Content-Length far
    // beyond the few bytes that follow.
    void stream(evhttp_request* exchange, const ServerResponse& response, bool endless);
    // Keeps a streamed answer going until its client hangs up, then releases it.
    void feed(evhttp_request* exchange, bool endless);

    const QString serverName;
    const QString group;
    ServerContext& context;
    std::vector<Route> routes;
    // Streamed answers not yet released.
    std::set<evhttp_request*> streams;
    std::string redirectPath = "/";
    evhttp* http = nullptr;
    int boundPort = 0;
};

} // namespace sim
