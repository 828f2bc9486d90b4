#include "platform/x11/glib_scheduler.h"

#include <chrono>
#include <cmath>

#include "platform/x11/connection_source.h"

namespace velmor::x11 {

namespace {

constexpr std::size_t kUserInitiatedThreads = 4;
constexpr double kSecondsFrom1970To2001 = 978'307'200.0;
// Work that keeps posting work would otherwise never let a quit taken before the run return.
constexpr int kMostPendingIterations = 10'000;

}  // namespace

GlibScheduler::GlibScheduler()
    : context_(g_main_context_default()),
      mainQueue_(context_),
      userInitiated_(std::make_unique<WorkerPool>(kUserInitiatedThreads)) {}

GlibScheduler::~GlibScheduler() {
    std::unique_ptr<WorkerPool> userInitiated;
    std::map<std::string, std::unique_ptr<WorkerPool>> serial;
    {
        const std::lock_guard lock(backgroundMutex_);
        closing_ = true;
        userInitiated = std::move(userInitiated_);
        serial = std::move(serial_);
    }
    // Outside the lock: a finishing block may still post, and is then dropped.
    userInitiated.reset();
    serial.clear();

    const std::lock_guard lock(timersMutex_);
    for (const auto& weak : timers_) {
        if (const auto timer = weak.lock()) {
            timer->invalidate();
        }
    }
}

void GlibScheduler::asyncMain(platform::Block block) {
    mainQueue_.post(std::move(block));
}

void GlibScheduler::asyncUserInitiated(platform::Block block) {
    const std::lock_guard lock(backgroundMutex_);
    if (!closing_) {
        userInitiated_->post(std::move(block));
    }
}

void GlibScheduler::asyncSerial(const std::string& label, platform::Block block) {
    const std::lock_guard lock(backgroundMutex_);
    if (closing_) {
        return;
    }
    auto& queue = serial_[label];
    if (!queue) {
        queue = std::make_unique<WorkerPool>(1);
    }
    queue->post(std::move(block));
}

std::unique_ptr<platform::Timer> GlibScheduler::scheduleRepeatingTimer(double intervalSeconds,
                                                                       platform::Block action,
                                                                       platform::TimerMode mode) {
    auto state = std::make_shared<TimerState>(intervalSeconds, std::move(action), mode, modal_);
    {
        const std::lock_guard lock(timersMutex_);
        std::erase_if(timers_, [](const auto& weak) { return weak.expired(); });
        timers_.push_back(state);
    }
    if (mainThread_.warnUnlessCurrent("scheduleRepeatingTimer",
                                      "the timer starts on the main thread")) {
        asyncMain([this, weak = std::weak_ptr(state)] {
            if (const auto timer = weak.lock()) {
                timer->attach(context_, timer);
            }
        });
    } else {
        state->attach(context_, state);
    }
    return std::make_unique<GlibTimer>(std::move(state));
}

void GlibScheduler::runMainLoop() {
    if (mainThread_.warnUnlessCurrent("runMainLoop", "it returns without running")) {
        return;
    }
    if (quitRequested_.exchange(false)) {
        runPendingWork();
        return;
    }
    while (!quitRequested_.exchange(false)) {
        g_main_context_iteration(context_, TRUE);
    }
}

void GlibScheduler::runPendingWork() {
    for (int i = 0; i < kMostPendingIterations && !quitRequested_.load() &&
                    g_main_context_iteration(context_, FALSE);
         ++i) {
    }
    quitRequested_.store(false);
}

void GlibScheduler::quitMainLoop() {
    quitRequested_.store(true);
    g_main_context_wakeup(context_);
    g_main_context_invoke(context_, &GlibScheduler::endOpenModals, this);
}

gboolean GlibScheduler::endOpenModals(gpointer scheduler) {
    auto& self = *static_cast<GlibScheduler*>(scheduler);
    if (self.modal_->open > 0 && self.endModals_) {
        self.endModals_();
    }
    return G_SOURCE_REMOVE;
}

double GlibScheduler::absoluteTime() const {
    const double seconds = secondsSince1970() - kSecondsFrom1970To2001;
    // 0 means "never happened"; the one instant the clock could say so is moved aside.
    return seconds == 0.0 ? std::nextafter(0.0, 1.0) : seconds;
}

double GlibScheduler::secondsSince1970() const {
    const std::chrono::duration<double> sinceEpoch =
        std::chrono::system_clock::now().time_since_epoch();
    return sinceEpoch.count();
}

void GlibScheduler::sleepMicroseconds(unsigned microseconds) {
    mainThread_.warnIfCurrent("sleepMicroseconds", "the main loop stalls while it sleeps");
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void GlibScheduler::beginModal() {
    if (mainThread_.warnUnlessCurrent("beginModal", "the modal begins on the main thread")) {
        asyncMain([this] { ++modal_->open; });
        return;
    }
    ++modal_->open;
}

void GlibScheduler::endModal() {
    if (mainThread_.warnUnlessCurrent("endModal", "the modal ends on the main thread")) {
        asyncMain([this] { closeModal(); });
        return;
    }
    closeModal();
}

void GlibScheduler::closeModal() {
    if (modal_->open == 0) {
        return;  // unbalanced: nothing to close
    }
    if (--modal_->open > 0) {
        return;
    }
    const std::lock_guard lock(timersMutex_);
    for (const auto& weak : timers_) {
        if (const auto timer = weak.lock()) {
            timer->catchUpAfterModal();
        }
    }
}

std::unique_ptr<ConnectionWatchToken> GlibScheduler::watchConnection(
    ::Display* display, std::function<void()> dispatch) {
    return watchConnectionIn(context_, display, std::move(dispatch));
}

}  // namespace velmor::x11
