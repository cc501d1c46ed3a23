#include "FuzzEnvironment.h"
#include "NetworkManager.h"
#include "PodAccessManager.h"
#include "PodReplies.h"
#include "ReplyLimits.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <cstdlib>
#include <spdlog/spdlog.h>

// A pod answers with whatever bytes it likes: status line, headers (chunked or not, any
// encoding named) and body go through the pod transport, then through every reader of pod
// answers. The engine must hand back at most the reply limit, and the readers take anything.

namespace {

// Answers each connection's first request with the input, then hangs up.
class RawPod : public QTcpServer {
public:
    QByteArray answer;

    RawPod()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().contains("\r\n\r\n"))
                        return;
                    socket->write(answer);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString address() const { return QString("127.0.0.1:%1").arg(serverPort()); }
};

NetworkManager* network;
RawPod* pod;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    makePrivateHome();
    static int qtArgc = 1;
    static QCoreApplication app(qtArgc, qtArguments((*argv)[0]));
    spdlog::set_level(spdlog::level::off);
    network = new NetworkManager;
    pod = new RawPod;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    pod->answer = QByteArray(reinterpret_cast<const char*>(data), int(size));
    // A fresh connection each time: a kept-alive one would carry the last input's leftovers.
    network->podAccessManager()->closeIdleConnections();
    QEventLoop loop;
    HttpResponse response;
    QObject::connect(network->requestServerVersion(pod->address()), &HttpRequest::finished, &loop,
        [&](const HttpResponse& answered) {
            response = answered;
            loop.quit();
        });
    loop.exec();
    if (response.data.size() > ReplyLimits::podCallBytes
        || (response.httpCode == 0 && !response.data.isEmpty()))
        std::abort();
    PodReplies::apiVersion(response.data);
    PodReplies::connectionGuid(response.data);
    PodReplies::deviceId(response.data);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
