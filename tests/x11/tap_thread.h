#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/x11/display.h"
#include "platform/x11/pointer_grab.h"
#include "platform/x11/tap_pump.h"
#include "platform/x11/xtest_poster.h"

namespace velmor::x11::testing {

// The tap as the program will run it: its own connection with the grab, a pump on a thread
// of its own, and a poster on that connection for what the callback posts. Records every
// event the callback was asked about and every press it had to drop.
class TapThread {
public:
    using Decide = std::function<TapAnswer(XTestPoster& poster, const platform::Event& event)>;

    TapThread(const std::string& display, Decide decide);
    ~TapThread();
    TapThread(const TapThread&) = delete;
    TapThread& operator=(const TapThread&) = delete;

    // Whether the connection opened and the grab was accepted.
    bool grabbed() const { return grabbed_; }
    std::vector<std::uint32_t> seenTypes() const;
    std::vector<platform::Event> dropped() const;
    bool waitForSeen(std::uint32_t type, int times = 1) const;
    // Waits until the pump has finished taking a hold (the M key is the tap's from then on),
    // or, with false, ending one.
    bool waitForHold(bool holding = true) const;

private:
    TapAnswer onEvent(const platform::Event& event);
    void run();

    Decide decide_;
    std::optional<Display> display_;
    std::optional<PointerGrab> grab_;
    std::optional<XTestPoster> poster_;
    std::optional<TapPump> pump_;
    bool grabbed_ = false;
    mutable std::mutex mutex_;
    std::vector<std::uint32_t> seen_;
    std::vector<platform::Event> dropped_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> holding_{false};
    std::thread thread_;
};

}  // namespace velmor::x11::testing
