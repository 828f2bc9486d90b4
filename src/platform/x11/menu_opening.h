#pragma once

#include <functional>
#include <utility>

namespace velmor::x11 {

// Tells the program once per opening of the exported menu. Hosts ask AboutToShow before
// they show it, tell "opened" after, or do both; the program hears the first sign only.
// Main thread only.
class MenuOpening {
public:
    explicit MenuOpening(std::function<void()> willOpen) : willOpen_(std::move(willOpen)) {}

    void aboutToShow() {
        announced_ = true;
        tell();
    }
    void opened() {
        if (!std::exchange(announced_, false)) {
            tell();
        }
    }
    void tell() const {
        if (willOpen_) {
            willOpen_();
        }
    }

private:
    std::function<void()> willOpen_;
    bool announced_ = false;
};

}  // namespace velmor::x11
