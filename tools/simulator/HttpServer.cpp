#include "HttpServer.h"

#include "ConnectionThreads.h"
#include "JsonHttp.h"
#include "ServerContext.h"

#include <QDir>
#include <QRandomGenerator>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>

namespace sim {

namespace {

const std::string methods[] = { "GET", "POST", "PUT", "PATCH", "DELETE" };
const std::string garbage = "\x89\x01<garbage>{\"unterminated: ";

int portOf(const sockaddr_in& address)
{
    return ntohs(address.sin_port);
}

// cpp-httplib always writes an answer once a handler returns, never hands out the socket and
// lets idle keep-alive connections linger after a stop. To hang up, find the accepted sockets
// by their ports and shut them down; whatever is written afterwards goes nowhere.
void hangUp(int localPort, std::optional<int> remotePort = std::nullopt)
{
    const QStringList descriptors
        = QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : descriptors) {
        const int descriptor = entry.toInt();
        sockaddr_in local {};
        sockaddr_in peer {};
        socklen_t localSize = sizeof local;
        socklen_t peerSize = sizeof peer;
        if (getsockname(descriptor, reinterpret_cast<sockaddr*>(&local), &localSize) != 0
            || getpeername(descriptor, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0
            || local.sin_family != AF_INET)
            continue;
        if (portOf(local) == localPort && (!remotePort || portOf(peer) == *remotePort))
            shutdown(descriptor, SHUT_RDWR);
    }
}

// Promises the whole body but writes only its first half: the provider's refusal makes
// cpp-httplib drop the connection mid-answer.
void cutShort(httplib::Response& response)
{
    const std::string body = response.body.empty() ? std::string("{}") : response.body;
    const std::string type = response.get_header_value("Content-Type");
    response.body.clear();
    response.set_content_provider(body.size(), type, [body](size_t offset, size_t, httplib::DataSink& sink) {
        if (offset == 0)
            sink.write(body.data(), body.size() / 2);
        return false;
    });
}

} // namespace

void HttpServer::WideBacklogServer::widenBacklog()
{
    ::listen(svr_sock_, SOMAXCONN);
}

HttpServer::HttpServer(QString name, ServerContext& context, QString group)
    : serverName(std::move(name))
    , group(std::move(group))
    , context(context)
{
    server.new_task_queue = [] { return new ConnectionThreads; };
    // The default closes a client's connection after five requests; the app reuses them far longer.
    server.set_keep_alive_max_count(1000);
    // Answers go out in several writes; with Nagle each one waits for the client's delayed ACK.
    server.set_tcp_nodelay(true);
    // An idle keep-alive connection polls in its own thread; with hundreds of pods that adds up,
    // so idle connections close sooner than cpp-httplib's default of five seconds.
    server.set_keep_alive_timeout(2);
}

HttpServer::~HttpServer()
{
    stop();
}

void HttpServer::route(const std::string& method, const std::string& pattern, Handler handler)
{
    Handler served = [this, handler = std::move(handler)](const httplib::Request& request,
                         httplib::Response& response) { serve(request, response, handler); };
    if (method == "GET")
        server.Get(pattern, served);
    else if (method == "POST")
        server.Post(pattern, served);
    else if (method == "PUT")
        server.Put(pattern, served);
    else if (method == "PATCH")
        server.Patch(pattern, served);
    else if (method == "DELETE")
        server.Delete(pattern, served);
}

bool HttpServer::bind(int port)
{
    if (port == 0)
        boundPort = server.bind_to_any_port("127.0.0.1");
    else
        boundPort = server.bind_to_port("127.0.0.1", port) ? port : -1;
    if (boundPort <= 0)
        return false;
    server.widenBacklog();
    return true;
}

void HttpServer::start()
{
    for (const std::string& method : methods) {
        route(method, ".*", [](const httplib::Request&, httplib::Response& response) {
            JsonHttp::replyError(response, 404, "no such call");
        });
    }
    listener = std::thread([this] {
        server.listen_after_bind();
        listenerDone = true;
    });
    // cpp-httplib ignores stop() until its accept loop runs; wait for it so stop() always works.
    while (!server.is_running() && !listenerDone)
        std::this_thread::yield();
}

void HttpServer::stopAccepting()
{
    // cpp-httplib must not be stopped twice.
    if (!listener.joinable() || stopRequested.exchange(true))
        return;
    server.stop();
    hangUp(boundPort);
}

void HttpServer::stop()
{
    stopAccepting();
    if (listener.joinable())
        listener.join();
}

QString HttpServer::address() const
{
    return QString("127.0.0.1:%1").arg(boundPort);
}

QString HttpServer::url() const
{
    return "http://" + address();
}

void HttpServer::serve(const httplib::Request& request, httplib::Response& response, const Handler& handler)
{
    context.requests.record(serverName, address(), request);
    const Fault fault = context.faults
                            .take(serverName, group, QString::fromStdString(request.method),
                                QString::fromStdString(request.path))
                            .value_or(Fault {});

    const int jitterMs = context.jitterMs > 0 ? QRandomGenerator::global()->bounded(context.jitterMs + 1) : 0;
    bool stopped
        = context.stop.waitFor(std::chrono::milliseconds(context.latencyMs + jitterMs + fault.latencyMs));
    if (!stopped && fault.action == Fault::Action::Hold) {
        context.stop.wait();
        stopped = true;
    }
    if (stopped || fault.action == Fault::Action::Close) {
        hangUp(request.local_port, request.remote_port);
        return;
    }

    if (fault.status != 0)
        JsonHttp::replyError(response, fault.status, "injected fault");
    else
        handler(request, response);
    if (fault.action == Fault::Action::Garbage)
        response.body = garbage;
    if (fault.action == Fault::Action::Cut)
        cutShort(response);
}

} // namespace sim
