#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

// A real HTTP server on 127.0.0.1 with canned replies, recording what it receives.
class LoopbackServer {
public:
    struct Request {
        QString method;
        QString path;
        QByteArray body;
        std::multimap<std::string, std::string> headers;
        QString target; // the path with its query, exactly as sent
        QByteArray header(const std::string& name) const;
        bool hasHeader(const std::string& name) const { return headers.count(name) > 0; }
    };
    struct Reply {
        int status = 200;
        QByteArray body = "{}";
        int delayMs = 0;
        bool hang = false; // hold the connection until the server stops
    };

    LoopbackServer();
    ~LoopbackServer();

    QString address() const; // "127.0.0.1:PORT"
    QString url() const { return "http://" + address(); }
    void setReply(const QString& method, const QString& path, const Reply& reply);
    QList<Request> requests() const;
    int requestCount() const;

private:
    Reply replyFor(const QString& method, const QString& path) const;

    std::unique_ptr<httplib::Server> server;
    std::thread thread;
    int port = 0;
    std::atomic_bool stopping { false };
    mutable std::mutex mutex;
    std::map<QString, Reply> replies;
    QList<Request> received;
};
