#include "platform/x11/glib_timer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmor::x11 {

namespace {

guint toMilliseconds(double seconds) {
    // Never 0: a zero timeout would make the loop spin.
    const double milliseconds = std::round(seconds * 1000.0);
    if (!(milliseconds >= 1.0)) {
        return 1;
    }
    return static_cast<guint>(
        std::min(milliseconds, static_cast<double>(std::numeric_limits<guint>::max())));
}

}  // namespace

TimerState::TimerState(double intervalSeconds, platform::Block action, platform::TimerMode mode,
                       std::shared_ptr<const ModalDepth> modal)
    : intervalMilliseconds_(toMilliseconds(intervalSeconds)),
      action_(std::move(action)),
      mode_(mode),
      modal_(std::move(modal)) {}

void TimerState::attach(GMainContext* context, const std::shared_ptr<TimerState>& self) {
    const std::lock_guard lock(sourceMutex_);
    if (!valid_.load() || source_) {
        return;
    }
    source_.reset(g_timeout_source_new(intervalMilliseconds_));
    g_source_set_name(source_.get(), "velmor timer");
    // Weak: the source must not keep the timer alive, but a firing holds it until it returns.
    setOwnedCallback(source_.get(), &TimerState::fire, std::weak_ptr<TimerState>(self));
    g_source_attach(source_.get(), context);
}

void TimerState::invalidate() {
    OwnedSource source;
    {
        const std::lock_guard lock(sourceMutex_);
        valid_.store(false);
        source = std::move(source_);
    }
}

void TimerState::catchUpAfterModal() {
    if (!missedDuringModal_) {
        return;
    }
    missedDuringModal_ = false;
    const std::lock_guard lock(sourceMutex_);
    if (source_) {
        g_source_set_ready_time(source_.get(), 0);
    }
}

gboolean TimerState::fire(gpointer weakState) {
    const std::shared_ptr<TimerState> state =
        static_cast<std::weak_ptr<TimerState>*>(weakState)->lock();
    if (!state || !state->isValid()) {
        return G_SOURCE_REMOVE;
    }
    if (state->mode_ == platform::TimerMode::pausesDuringModal && state->modal_->open > 0) {
        state->missedDuringModal_ = true;
        return G_SOURCE_CONTINUE;
    }
    if (state->action_) {
        state->action_();
    }
    return G_SOURCE_CONTINUE;
}

}  // namespace velmor::x11
