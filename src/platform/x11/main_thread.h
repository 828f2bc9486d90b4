#pragma once

#include <string_view>
#include <thread>

namespace velmor::x11 {

// The thread that made the scheduler: the one that runs the main loop.
class MainThread {
public:
    MainThread() : id_(std::this_thread::get_id()) {}

    bool isCurrent() const { return std::this_thread::get_id() == id_; }

    // One line on standard error when `call` runs on the wrong thread; whether it did. A
    // program that gets the threads wrong keeps running, and the line says where.
    bool warnUnlessCurrent(std::string_view call, std::string_view outcome) const;
    bool warnIfCurrent(std::string_view call, std::string_view outcome) const;

private:
    std::thread::id id_;
};

}  // namespace velmor::x11
