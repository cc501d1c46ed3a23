#pragma once

#include <QObject>
#include <QTimer>
#include <curl/curl.h>
#include <functional>
#include <map>
#include <vector>

class QSocketNotifier;

// One libcurl multi handle driven by the Qt event loop: its sockets through one epoll set that a
// single QSocketNotifier watches, its time-outs through a QTimer. A notifier per socket would cost
// an allocation per connection and a pass over every socket on each turn of the event loop, which
// grows with the classroom. Every transfer shares the handle's pool of kept-alive connections.
class CurlMulti : public QObject {
    Q_OBJECT
public:
    // What Qt allows per host, so a pod never sees more from this transport either.
    static constexpr long maxConnectionsPerHost = 6;

    explicit CurlMulti(QObject* parent = nullptr);
    ~CurlMulti() override;

    // A handle with curl's defaults, reused from an earlier transfer when one is spare.
    CURL* takeHandle();
    // Stops `easy` as remove() does and keeps it for a later transfer.
    void recycle(CURL* easy);
    // Starts `easy`; `done` runs once with curl's result, from the event loop, unless removed first.
    void add(CURL* easy, std::function<void(CURLcode)> done);
    // Stops `easy` at once; a connection in the middle of a transfer is closed, not reused.
    void remove(CURL* easy);
    // Closes the kept-alive connections once the transfers running or started right after are done,
    // unless more start meanwhile.
    void closeIdleConnections();

private:
    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* self, void* watched);
    static int onTimer(CURLM* multi, long timeoutMs, void* self);
    void act(curl_socket_t socket, int events);
    void watch(curl_socket_t socket, int what, bool watched);
    // Hands curl every socket the epoll set reports ready.
    void actOnReady();
    void deliverFinished();
    void open();
    void dropConnections();

    CURLM* multi;
    const int poller;
    QSocketNotifier* pollerReady;
    enum class Closing { No, Asked, WhenRunningDone };
    Closing closing = Closing::No;
    std::vector<CURL*> spareHandles;
    QTimer timer;
    std::map<CURL*, std::function<void(CURLcode)>> running;
};
