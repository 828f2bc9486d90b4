#pragma once

#include <memory>

#include "platform/x11/glib_scheduler.h"

namespace velmor::x11::testing {

// Ends a main loop that a broken scheduler would never end, so a fault fails the test
// instead of hanging it.
class LoopGuard {
public:
    explicit LoopGuard(GlibScheduler& scheduler)
        : timer_(scheduler.scheduleRepeatingTimer(
              30.0,
              [this, &scheduler] {
                  expired_ = true;
                  scheduler.quitMainLoop();
              },
              platform::TimerMode::firesAlways)) {}

    bool expired() const { return expired_; }

private:
    bool expired_ = false;
    std::unique_ptr<platform::Timer> timer_;
};

}  // namespace velmor::x11::testing
