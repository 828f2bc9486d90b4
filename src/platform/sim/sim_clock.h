#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velmor::sim {

// The virtual clock of the simulated platform. It starts at a realistic moment, because the
// program treats an absolute time of 0 as "never happened", and it only moves forward.
// It counts whole nanoseconds since the start, so that small steps such as 1.8 ms sleeps
// stay exact in the records instead of drowning in the size of the absolute time.
class SimClock {
public:
    // 2026-12-06 09:00:00 UTC in seconds since 2001-01-01.
    static constexpr double kStartAbsoluteTime = 818240400.0;
    // Three hours after the machine started.
    static constexpr std::uint64_t kStartUptimeNanoseconds = 3ULL * 3600 * 1'000'000'000;

    double absoluteTime() const { return kStartAbsoluteTime + elapsed(); }
    // The machine's uptime, as input events are stamped: it too starts at a realistic moment.
    std::uint64_t uptimeNanoseconds() const {
        return kStartUptimeNanoseconds + static_cast<std::uint64_t>(nanoseconds_);
    }
    // Virtual seconds since the simulation started.
    double elapsed() const { return static_cast<double>(nanoseconds_) / 1e9; }

    // Moves to that many seconds after the start, unless the clock is already past it.
    void moveTo(double elapsedSeconds) {
        nanoseconds_ = std::max(nanoseconds_, std::llround(elapsedSeconds * 1e9));
    }
    void moveBy(double seconds) { nanoseconds_ += std::max(0LL, std::llround(seconds * 1e9)); }

private:
    long long nanoseconds_ = 0;
};

}  // namespace velmor::sim
