#include "StopSignal.h"

namespace sim {

void StopSignal::trigger()
{
    std::lock_guard lock(mutex);
    triggered = true;
    fired.notify_all();
}

bool StopSignal::isTriggered() const
{
    std::lock_guard lock(mutex);
    return triggered;
}

bool StopSignal::waitFor(std::chrono::milliseconds duration)
{
    std::unique_lock lock(mutex);
    return fired.wait_for(lock, duration, [this] { return triggered; });
}

void StopSignal::wait()
{
    std::unique_lock lock(mutex);
    fired.wait(lock, [this] { return triggered; });
}

} // namespace sim
