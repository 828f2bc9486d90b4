#include "platform/macos_tables/quartz_time.h"

namespace velmor::macos {

namespace {

std::uint64_t distance(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : b - a;
}

}  // namespace

platform::InputTime inputTimeOfQuartzStamp(std::uint64_t stamp, const ClockReading& now) {
    std::uint64_t nanoseconds = stamp;
    const bool ticksDiffer = now.numerator != now.denominator && now.denominator != 0;
    if (ticksDiffer && distance(stamp, now.ticks) < distance(stamp, now.nanoseconds)) {
        // In two parts, so that the product cannot overflow.
        nanoseconds = stamp / now.denominator * now.numerator +
                      stamp % now.denominator * now.numerator / now.denominator;
    }
    return nanoseconds == 0 ? 1 : nanoseconds;
}

}  // namespace velmor::macos
