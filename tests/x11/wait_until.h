#pragma once

#include <glib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
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

// Turns this thread's default main context until `condition` holds; whether it did. A
// bounded turn, so a source that is always ready cannot keep the condition from being asked.
template <typename Condition>
bool turnUntil(Condition condition) {
    return waitUntil([&] {
        for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {
        }
        return condition();
    });
}

// A file's whole text; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace velmor::x11::testing
