#include "LoopbackServer.h"

#include <chrono>
#include <httplib.h>

QByteArray LoopbackServer::Request::header(const std::string& name) const
{
    const auto it = headers.find(name);
    return it == headers.end() ? QByteArray() : QByteArray::fromStdString(it->second);
}

LoopbackServer::LoopbackServer()
    : server(std::make_unique<httplib::Server>())
{
    // Replies go out in more than one write; without this, Nagle holds each one back.
    server->set_tcp_nodelay(true);
    server->set_keep_alive_max_count(1000);
    // Stopping waits for idle keep-alive connections to time out; keep that short.
    server->set_keep_alive_timeout(1);
    // Idle keep-alive connections each hold a worker; several clients at once need more than the default.
    server->new_task_queue = [] { return new httplib::ThreadPool(32); };
    server->set_payload_max_length(64 * 1024 * 1024);
    const auto handle = [this](const httplib::Request& in, httplib::Response& out) {
        Request request { QString::fromStdString(in.method), QString::fromStdString(in.path),
            QByteArray::fromStdString(in.body), {}, QString::fromStdString(in.target) };
        for (const auto& [name, value] : in.headers)
            request.headers.emplace(name, value);
        {
            std::lock_guard lock(mutex);
            received.append(request);
        }
        const Reply reply = replyFor(request.method, request.path);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(reply.delayMs);
        while ((reply.hang || std::chrono::steady_clock::now() < deadline) && !stopping)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        out.status = reply.status;
        out.set_content(reply.body.toStdString(), "application/json");
    };
    const std::string any = ".*";
    server->Get(any, handle);
    server->Post(any, handle);
    server->Put(any, handle);
    server->Patch(any, handle);
    server->Delete(any, handle);
    port = server->bind_to_any_port("127.0.0.1");
    thread = std::thread([this] { server->listen_after_bind(); });
    // Stopping a server that is not listening yet would leave its thread running forever.
    while (!server->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer()
{
    stopping = true;
    server->stop();
    thread.join();
}

QString LoopbackServer::address() const
{
    return QString("127.0.0.1:%1").arg(port);
}

void LoopbackServer::setReply(const QString& method, const QString& path, const Reply& reply)
{
    std::lock_guard lock(mutex);
    replies[method + ' ' + path] = reply;
}

LoopbackServer::Reply LoopbackServer::replyFor(const QString& method, const QString& path) const
{
    std::lock_guard lock(mutex);
    const auto it = replies.find(method + ' ' + path);
    return it == replies.end() ? Reply() : it->second;
}

QList<LoopbackServer::Request> LoopbackServer::requests() const
{
    std::lock_guard lock(mutex);
    return received;
}

int LoopbackServer::requestCount() const
{
    std::lock_guard lock(mutex);
    return received.size();
}
