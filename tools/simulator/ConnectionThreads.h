#pragma once

#include <condition_variable>
#include <httplib.h>
#include <mutex>

namespace sim {

// Gives every accepted connection a thread of its own. A fixed pool per server would keep
// thousands of idle threads across hundreds of pods, and a few held connections would starve it.
class ConnectionThreads : public httplib::TaskQueue {
public:
    void enqueue(std::function<void()> connection) override;
    // Waits for the connections still being served.
    void shutdown() override;

private:
    std::mutex mutex;
    std::condition_variable allDone;
    int running = 0;
};

} // namespace sim
