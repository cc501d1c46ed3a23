#include "ConnectionThreads.h"

#include <thread>

namespace sim {

void ConnectionThreads::enqueue(std::function<void()> connection)
{
    {
        std::lock_guard lock(mutex);
        ++running;
    }
    std::thread([this, connection = std::move(connection)] {
        connection();
        // Notify under the lock: shutdown() may return and destroy this queue right after.
        std::lock_guard lock(mutex);
        if (--running == 0)
            allDone.notify_all();
    }).detach();
}

void ConnectionThreads::shutdown()
{
    std::unique_lock lock(mutex);
    allDone.wait(lock, [this] { return running == 0; });
}

} // namespace sim
