#pragma once

#include <atomic>
#include <chrono>
#include <span>

namespace velmor::x11 {

// What the tap last saw of the modifier keys, for the keys a gesture posts a moment later.
// The release that ends a gesture carries the modifier state, so when it shows none down,
// the shortcut need not ask the keyboard again. Any thread.
class SeenModifiers {
public:
    using Clock = std::chrono::steady_clock;
    // Long enough for a gesture's action to start; a modifier pressed in between would take a
    // faster hand than any.
    static constexpr std::chrono::milliseconds kFresh{250};

    // The tap, at a button event: its state, and the combinations of the lock modifiers,
    // whose bits are no keys held down.
    void saw(unsigned int state, std::span<const unsigned int> lockCombinations,
             Clock::time_point at = Clock::now());
    // Whether the last event, seen less than kFresh before `now`, showed no modifier down.
    bool noneDown(Clock::time_point now = Clock::now()) const;

private:
    std::atomic<Clock::rep> noneDownAt_{0};  // 0: a modifier was down
};

}  // namespace velmor::x11
