#pragma once

#include <chrono>
#include <functional>
#include <set>
#include <thread>

struct event;
struct event_base;

namespace sim {

// The one thread every simulated server answers on. Waiting (an answer's delay, a held call) is a
// timer on this loop or nothing at all, so hundreds of pods cost neither threads nor polling.
class EventLoop {
public:
    EventLoop();
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    event_base* base() const { return eventBase; }
    void start();
    // Returns once the loop has ended; tasks still waiting never run.
    void stop();
    // Runs `task` on the loop after `delay`. Call it on the loop.
    void after(std::chrono::milliseconds delay, std::function<void()> task);

private:
    struct Timer {
        EventLoop* loop;
        std::function<void()> task;
        event* timeout = nullptr;
    };

    static void fire(int, short, void* timer);
    static void breakLoop(int, short, void* base);

    event_base* eventBase;
    // Activated from any thread; unlike a bare loop break it is not lost when the loop starts later.
    event* stopEvent;
    std::thread thread;
    std::set<Timer*> timers;
};

} // namespace sim
