#include "EventLoop.h"

#include <event2/event.h>
#include <event2/thread.h>
#include <mutex>

namespace sim {

namespace {

event_base* newBase()
{
    // Stopping comes from another thread; libevent must lock and wake the loop for it.
    static std::once_flag threadsEnabled;
    std::call_once(threadsEnabled, [] { evthread_use_pthreads(); });
    return event_base_new();
}

} // namespace

EventLoop::EventLoop()
    : eventBase(newBase())
    , stopEvent(event_new(eventBase, -1, 0, &EventLoop::breakLoop, eventBase))
{
}

EventLoop::~EventLoop()
{
    stop();
    for (Timer* timer : timers) {
        event_free(timer->timeout);
        delete timer;
    }
    event_free(stopEvent);
    event_base_free(eventBase);
}

void EventLoop::start()
{
    thread = std::thread([this] { event_base_loop(eventBase, EVLOOP_NO_EXIT_ON_EMPTY); });
}

void EventLoop::stop()
{
    if (!thread.joinable())
        return;
    event_active(stopEvent, EV_READ, 0);
    thread.join();
}

void EventLoop::after(std::chrono::milliseconds delay, std::function<void()> task)
{
    auto* timer = new Timer { this, std::move(task) };
    timer->timeout = evtimer_new(eventBase, &EventLoop::fire, timer);
    const timeval wait { static_cast<time_t>(delay.count() / 1000),
        static_cast<suseconds_t>(delay.count() % 1000 * 1000) };
    evtimer_add(timer->timeout, &wait);
    timers.insert(timer);
}

void EventLoop::fire(int, short, void* pending)
{
    auto* timer = static_cast<Timer*>(pending);
    timer->loop->timers.erase(timer);
    event_free(timer->timeout);
    timer->task();
    delete timer;
}

void EventLoop::breakLoop(int, short, void* base)
{
    event_base_loopbreak(static_cast<event_base*>(base));
}

} // namespace sim
