#pragma once

#include <glib.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "platform/scheduler.h"
#include "platform/x11/glib_source.h"

namespace velmor::x11 {

// How many modals are open. Main thread only.
struct ModalDepth {
    int open = 0;
};

// What a repeating timer shares with the main context's source that fires it.
class TimerState {
public:
    TimerState(double intervalSeconds, platform::Block action, platform::TimerMode mode,
               std::shared_ptr<const ModalDepth> modal);

    // Any thread: GLib attaches and destroys sources under the context's lock.
    void attach(GMainContext* context, const std::shared_ptr<TimerState>& self);
    void invalidate();
    bool isValid() const { return valid_.load(); }

    // Main thread, when the last modal closes: a firing missed meanwhile happens once, on the
    // next iteration, and the interval counts from there.
    void catchUpAfterModal();

private:
    static gboolean fire(gpointer weakState);

    guint intervalMilliseconds_;
    platform::Block action_;
    platform::TimerMode mode_;
    std::shared_ptr<const ModalDepth> modal_;
    std::atomic<bool> valid_{true};
    bool missedDuringModal_ = false;  // main thread
    std::mutex sourceMutex_;
    OwnedSource source_;
};

// The timer the scheduler hands out: dropping it stops the firing.
class GlibTimer : public platform::Timer {
public:
    explicit GlibTimer(std::shared_ptr<TimerState> state) : state_(std::move(state)) {}
    ~GlibTimer() override { state_->invalidate(); }
    GlibTimer(const GlibTimer&) = delete;
    GlibTimer& operator=(const GlibTimer&) = delete;

    // Any thread; an action already running on the main thread finishes.
    void invalidate() override { state_->invalidate(); }
    bool isValid() const override { return state_->isValid(); }

private:
    std::shared_ptr<TimerState> state_;
};

}  // namespace velmor::x11
