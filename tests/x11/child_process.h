#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace velmor::x11::testing {

// A program the tests run beside themselves, on the given display, its output thrown away.
// Ended (TERM, then KILL) and reaped when the value goes.
class ChildProcess {
public:
    // `passFd`, when not -1, is handed to the program as its descriptor 3.
    ChildProcess(const std::vector<std::string>& argv, const std::string& display, int passFd = -1);
    ~ChildProcess();
    ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ChildProcess& operator=(ChildProcess&&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int number) const;
    // Waits for the program to end; its exit status, or -1 when it outlived the patience.
    int wait(std::chrono::milliseconds patience);

private:
    pid_t pid_ = -1;
};

// Runs a program to its end (xdotool and the like); its exit status, -1 when it hung.
int runToEnd(const std::vector<std::string>& argv, const std::string& display);

}  // namespace velmor::x11::testing
