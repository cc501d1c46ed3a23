#pragma once

#include "FaultTable.h"
#include "RequestLog.h"
#include "EventLoop.h"

namespace sim {

// What all simulated servers share.
struct ServerContext {
    EventLoop loop;
    RequestLog requests;
    FaultTable faults;
    // Added to every simulated answer (not to the control API).
    int latencyMs = 0;
    // Up to this much more, drawn anew for every answer.
    int jitterMs = 0;
};

} // namespace sim
