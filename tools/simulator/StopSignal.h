#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace sim {

// Fired once when the simulator stops. Handlers that wait on purpose (added latency, a held
// connection) wait on it, so no request can keep the process from exiting.
class StopSignal {
public:
    void trigger();
    bool isTriggered() const;
    // Returns true when the signal fired before the time was up.
    bool waitFor(std::chrono::milliseconds duration);
    void wait();

private:
    mutable std::mutex mutex;
    std::condition_variable fired;
    bool triggered = false;
};

} // namespace sim
