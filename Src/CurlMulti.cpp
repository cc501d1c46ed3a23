#include "CurlMulti.h"

#include <QSocketNotifier>
#include <sys/epoll.h>
#include <unistd.h>
#include <vector>

namespace {

// A classroom's pods with room to spare: past this, curl closes the longest-idle connection.
constexpr long connectionCacheSize = 512;
// Enough for the calls of a large classroom's round without holding much memory when idle.
constexpr size_t spareHandleLimit = 256;

} // namespace

CurlMulti::CurlMulti(QObject* parent)
    : QObject(parent)
    , poller(epoll_create1(EPOLL_CLOEXEC))
    , pollerReady(new QSocketNotifier(poller, QSocketNotifier::Read, this))
{
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    Q_UNUSED(initialised)
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    connect(pollerReady, &QSocketNotifier::activated, this, &CurlMulti::actOnReady);
    open();
}

void CurlMulti::open()
{
    multi = curl_multi_init();
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::onSocket);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::onTimer);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);
    curl_multi_setopt(multi, CURLMOPT_MAX_HOST_CONNECTIONS, maxConnectionsPerHost);
    curl_multi_setopt(multi, CURLMOPT_MAXCONNECTS, connectionCacheSize);
}

CurlMulti::~CurlMulti()
{
    // Transfers still running belong to replies that outlive us; they only free their handles.
    for (const auto& transfer : running)
        curl_multi_remove_handle(multi, transfer.first);
    curl_multi_cleanup(multi);
    for (CURL* easy : spareHandles)
        curl_easy_cleanup(easy);
    delete pollerReady;
    close(poller);
}

CURL* CurlMulti::takeHandle()
{
    if (spareHandles.empty())
        return curl_easy_init();
    CURL* easy = spareHandles.back();
    spareHandles.pop_back();
    return easy;
}

void CurlMulti::recycle(CURL* easy)
{
    remove(easy);
    if (spareHandles.size() >= spareHandleLimit) {
        curl_easy_cleanup(easy);
        return;
    }
    curl_easy_reset(easy);
    spareHandles.push_back(easy);
}

void CurlMulti::add(CURL* easy, std::function<void(CURLcode)> done)
{
    // A call after the last ones of a session: the connections are in use again (the next session
    // opening), and closing them once idle would land in the middle of its rounds.
    if (closing == Closing::WhenRunningDone)
        closing = Closing::No;
    running.emplace(easy, std::move(done));
    curl_multi_add_handle(multi, easy);
}

void CurlMulti::remove(CURL* easy)
{
    if (!running.erase(easy))
        return;
    curl_multi_remove_handle(multi, easy);
    if (closing == Closing::WhenRunningDone && running.empty())
        dropConnections();
}

void CurlMulti::closeIdleConnections()
{
    closing = Closing::Asked;
    // Calls sent in the same breath (a session's last ones) start first and are waited for.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (closing != Closing::Asked)
                return;
            closing = Closing::WhenRunningDone;
            if (running.empty())
                dropConnections();
        },
        Qt::QueuedConnection);
}

void CurlMulti::dropConnections()
{
    // Only the pool is left: a fresh multi handle drops it, and closing its sockets takes them
    // out of the epoll set.
    closing = Closing::No;
    timer.stop();
    curl_multi_cleanup(multi);
    open();
}

int CurlMulti::onSocket(CURL*, curl_socket_t socket, int what, void* self, void* watched)
{
    static_cast<CurlMulti*>(self)->watch(socket, what, watched != nullptr);
    return 0;
}

int CurlMulti::onTimer(CURLM*, long timeoutMs, void* self)
{
    // curl may not be re-entered from here; the timer calls it back from the event loop.
    auto& timer = static_cast<CurlMulti*>(self)->timer;
    if (timeoutMs < 0)
        timer.stop();
    else
        timer.start(int(timeoutMs));
    return 0;
}

void CurlMulti::watch(curl_socket_t socket, int what, bool watched)
{
    if (what == CURL_POLL_REMOVE) {
        epoll_ctl(poller, EPOLL_CTL_DEL, socket, nullptr);
        return;
    }
    epoll_event wanted {};
    wanted.events = (what & CURL_POLL_IN ? EPOLLIN : 0u) | (what & CURL_POLL_OUT ? EPOLLOUT : 0u);
    wanted.data.fd = socket;
    if (watched) {
        epoll_ctl(poller, EPOLL_CTL_MOD, socket, &wanted);
        return;
    }
    // curl hands the mark back with this socket's later calls, and forgets it when the socket goes.
    epoll_ctl(poller, EPOLL_CTL_ADD, socket, &wanted);
    curl_multi_assign(multi, socket, this);
}

void CurlMulti::actOnReady()
{
    epoll_event ready[64];
    const int count = epoll_wait(poller, ready, 64, 0);
    int stillRunning = 0;
    for (int i = 0; i < count; ++i) {
        const uint32_t events = ready[i].events;
        const int flags = (events & (EPOLLIN | EPOLLHUP) ? CURL_CSELECT_IN : 0)
            | (events & EPOLLOUT ? CURL_CSELECT_OUT : 0) | (events & EPOLLERR ? CURL_CSELECT_ERR : 0);
        curl_multi_socket_action(multi, ready[i].data.fd, flags, &stillRunning);
    }
    deliverFinished();
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    int stillRunning = 0;
    curl_multi_socket_action(multi, socket, events, &stillRunning);
    deliverFinished();
}

void CurlMulti::deliverFinished()
{
    std::vector<std::pair<CURL*, CURLcode>> finished;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
        if (message->msg == CURLMSG_DONE)
            finished.emplace_back(message->easy_handle, message->data.result);
    }
    // Outside curl now: a reply's signals may abort or delete other transfers, so look each one up again.
    for (const auto& [easy, result] : finished) {
        const auto it = running.find(easy);
        if (it == running.end())
            continue;
        const auto done = std::move(it->second);
        remove(easy);
        done(result);
    }
}
