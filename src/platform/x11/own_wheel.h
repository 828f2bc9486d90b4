#pragma once

#include <atomic>
#include <chrono>

namespace velmor::x11 {

// What the tap and the program's own wheel clicks tell each other, across threads. XTest
// clicks look like the user's: the scroll burst runs on a worker for about a quarter of a
// second, and once a hold begins the pointer is grabbed and every click would reach the tap.
// So the burst stops when a hold begins, and a wheel click the tap meets in a hold shortly
// after the program's last one is taken as the program's own.
class OwnWheel {
public:
    using Clock = std::chrono::steady_clock;
    // Long enough to cover the clicks already on their way when the hold began.
    static constexpr std::chrono::milliseconds kEcho{50};

    void holdBegan() { holding_.store(true); }
    void holdEnded() { holding_.store(false); }

    // The poster asks before each click: false while a hold lasts.
    bool mayPost() const { return !holding_.load(); }
    void posted(Clock::time_point at = Clock::now()) {
        lastPost_.store(at.time_since_epoch().count());
    }

    // A wheel click the tap meets at `now`: whether it may be one of the program's own.
    bool isEcho(Clock::time_point now = Clock::now()) const {
        const auto last = Clock::time_point(Clock::duration(lastPost_.load()));
        return last.time_since_epoch().count() != 0 && now - last <= kEcho;
    }

private:
    std::atomic<bool> holding_{false};
    std::atomic<Clock::rep> lastPost_{0};
};

}  // namespace velmor::x11
