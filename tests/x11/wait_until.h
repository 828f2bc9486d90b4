#pragma once

#include <chrono>
#include <thread>

namespace velmor::x11::testing {

// Generous: the tests share two cores with other builds and an X server.
inline constexpr std::chrono::milliseconds kPatience{20000};

// Polls `condition` until it holds or `patience` has gone by; whether it held.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds patience = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return condition();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace velmor::x11::testing
