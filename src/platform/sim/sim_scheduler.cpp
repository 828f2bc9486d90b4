#include "platform/sim/sim_scheduler.h"

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/date_format.h"

namespace velmor::sim {

namespace {
// The run loop's own floor for a non-positive interval.
constexpr double kMinimumInterval = 0.0001;
}  // namespace

struct SimScheduler::TimerState {
    double interval = 0.0;
    double origin = 0.0;  // the first due time in elapsed seconds; then origin + n * interval
    std::uint64_t firings = 0;
    platform::Block action;
    platform::TimerMode mode = platform::TimerMode::pausesDuringModal;
    std::uint64_t order = 0;
    bool valid = true;

    double due() const { return origin + static_cast<double>(firings) * interval; }
};

// The program's handle; the scheduler owns the state, so a handle that outlives the
// scheduler does no harm.
class SimScheduler::SimTimer final : public platform::Timer {
public:
    explicit SimTimer(std::weak_ptr<TimerState> state) : state_(std::move(state)) {}
    ~SimTimer() override { invalidate(); }
    void invalidate() override {
        if (auto state = state_.lock()) {
            state->valid = false;
        }
    }
    bool isValid() const override {
        auto state = state_.lock();
        return state && state->valid;
    }

private:
    std::weak_ptr<TimerState> state_;
};

SimScheduler::ModalScope::ModalScope(SimScheduler& scheduler) : scheduler_(scheduler) {
    ++scheduler_.modalDepth_;
}
SimScheduler::ModalScope::~ModalScope() {
    --scheduler_.modalDepth_;
}

SimScheduler::CallbackScope::CallbackScope(SimScheduler& scheduler) : scheduler_(scheduler) {
    ++scheduler_.callbackDepth_;
}
SimScheduler::CallbackScope::~CallbackScope() {
    --scheduler_.callbackDepth_;
}

void SimScheduler::asyncMain(platform::Block block) {
    main_.push_back(std::move(block));
}

void SimScheduler::asyncUserInitiated(platform::Block block) {
    background_.push_back(BackgroundBlock{{}, std::move(block)});
}

void SimScheduler::asyncSerial(const std::string& label, platform::Block block) {
    background_.push_back(BackgroundBlock{label, std::move(block)});
}

std::unique_ptr<platform::Timer> SimScheduler::scheduleRepeatingTimer(double intervalSeconds,
                                                                      platform::Block action,
                                                                      platform::TimerMode mode) {
    requireMainThread("scheduleRepeatingTimer");
    auto state = std::make_shared<TimerState>();
    state->interval = intervalSeconds > 0.0 ? intervalSeconds : kMinimumInterval;
    state->origin = clock_.elapsed() + state->interval;
    state->action = std::move(action);
    state->mode = mode;
    state->order = nextTimerOrder_++;
    pruneInvalidTimers();
    timers_.push_back(state);
    return std::make_unique<SimTimer>(state);
}

double SimScheduler::secondsSince1970() const {
    return clock_.absoluteTime() + kSecondsFrom1970To2001;
}

void SimScheduler::sleepMicroseconds(unsigned microseconds) {
    clock_.moveBy(static_cast<double>(microseconds) / 1e6);
}

namespace {

ThreadRuleHandler& threadRuleHandler() {
    static ThreadRuleHandler handler;
    return handler;
}

}  // namespace

ThreadRuleHandler setThreadRuleHandler(ThreadRuleHandler handler) {
    return std::exchange(threadRuleHandler(), std::move(handler));
}

void SimScheduler::requireMainThread(std::string_view call) const {
    if (!onBackgroundQueue()) {
        return;
    }
    if (const auto& handler = threadRuleHandler()) {
        handler(call);
        return;
    }
    std::fprintf(stderr,
                 "velmor: %.*s is main-thread only but was called from a background block\n",
                 static_cast<int>(call.size()), call.data());
    std::abort();
}

void SimScheduler::runMainLoop() {
    requireMainThread("runMainLoop");
    quitRequested_ = false;
    while (!quitRequested_ && !isIdle()) {
        runUntilIdle();
    }
}

void SimScheduler::runUntilIdle() {
    if (draining_ || callbackDepth_ > 0 || modalDepth_ > 0) {
        return;
    }
    draining_ = true;
    while (!isIdle()) {
        if (!main_.empty()) {
            platform::Block block = std::move(main_.front());
            main_.pop_front();
            runBlock(std::move(block));
        } else {
            platform::Block block = std::move(background_.front().block);
            background_.pop_front();
            ++backgroundDepth_;
            runBlock(std::move(block));
            --backgroundDepth_;
        }
    }
    draining_ = false;
}

void SimScheduler::runBlock(platform::Block block) {
    CallbackScope inside(*this);
    if (block) {
        block();
    }
}

void SimScheduler::advance(double seconds) {
    runUntilIdle();
    const double deadline = clock_.elapsed() + std::max(seconds, 0.0);
    while (auto timer = nextDueTimer(deadline)) {
        clock_.moveTo(timer->due());
        fire(timer);
        runUntilIdle();
    }
    clock_.moveTo(deadline);
    pruneInvalidTimers();
}

std::shared_ptr<SimScheduler::TimerState> SimScheduler::nextDueTimer(double deadline) const {
    std::shared_ptr<TimerState> earliest;
    for (const auto& timer : timers_) {
        const bool waitsForModal =
            inModal() && timer->mode == platform::TimerMode::pausesDuringModal;
        if (!timer->valid || waitsForModal || timer->due() > deadline) {
            continue;
        }
        if (!earliest || timer->due() < earliest->due() ||
            (timer->due() == earliest->due() && timer->order < earliest->order)) {
            earliest = timer;
        }
    }
    return earliest;
}

void SimScheduler::fire(const std::shared_ptr<TimerState>& timer) {
    // A repeating timer that could not fire for several intervals (a modal was open)
    // fires once and then keeps its original rhythm.
    ++timer->firings;
    while (timer->due() <= clock_.elapsed()) {
        ++timer->firings;
    }
    CallbackScope inside(*this);
    // The state stays alive through `timer` even when the action drops its own handle.
    if (timer->action) {
        timer->action();
    }
}

void SimScheduler::pruneInvalidTimers() {
    std::erase_if(timers_, [](const auto& timer) { return !timer->valid; });
}

std::vector<SimTimerInfo> SimScheduler::liveTimers() const {
    std::vector<SimTimerInfo> live;
    for (const auto& timer : timers_) {
        if (timer->valid) {
            live.push_back(SimTimerInfo{timer->interval,
                                        SimClock::kStartAbsoluteTime + timer->due(), timer->mode});
        }
    }
    return live;
}

}  // namespace velmor::sim
