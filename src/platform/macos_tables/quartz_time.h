#pragma once

#include <cstdint>

#include "platform/event.h"

namespace velmor::macos {

// The clocks read at one moment: the machine's absolute clock in its ticks, its uptime in
// nanoseconds, and the ratio of ticks to nanoseconds.
struct ClockReading {
    std::uint64_t ticks = 0;
    std::uint64_t nanoseconds = 0;
    std::uint32_t numerator = 1;
    std::uint32_t denominator = 1;
};

// An event's Quartz timestamp on the input clock. Quartz says it counts nanoseconds since
// the machine started, but some machines hand out ticks of the absolute clock instead; the
// stamp is read as whichever of the two clocks it lies nearer to now. Never 0.
platform::InputTime inputTimeOfQuartzStamp(std::uint64_t stamp, const ClockReading& now);

}  // namespace velmor::macos
