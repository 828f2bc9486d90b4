#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "platform/scheduler.h"
#include "platform/sim/sim_clock.h"

namespace velmor::sim {

// Called with the operation's name when a main-thread-only operation is called from a
// background block. The default reports it and aborts; the tests make it fail the test.
using ThreadRuleHandler = std::function<void(std::string_view call)>;
// Gives the handler that was set before.
ThreadRuleHandler setThreadRuleHandler(ThreadRuleHandler handler);

// A live timer as the simulated run loop sees it.
struct SimTimerInfo {
    double interval = 0.0;
    double nextFireTime = 0.0;  // absolute time
    platform::TimerMode mode = platform::TimerMode::pausesDuringModal;
};

// The simulated main run loop and dispatch queues, on one thread and a virtual clock.
// Nothing runs by itself: blocks run when the queues are drained, timers when the clock
// is advanced. Blocks never run inside a callback (a block, a timer action, a tap
// callback) or inside a modal alert: the outermost drain runs them after it returns.
class SimScheduler : public platform::Scheduler {
public:
    explicit SimScheduler(SimClock& clock) : clock_(clock) {}

    void asyncMain(platform::Block block) override;
    void asyncUserInitiated(platform::Block block) override;
    void asyncSerial(const std::string& label, platform::Block block) override;
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double intervalSeconds,
                                                            platform::Block action,
                                                            platform::TimerMode mode) override;
    // Drains the queues until they are idle or the loop is quit; the virtual clock does not
    // move by itself.
    void runMainLoop() override;
    void quitMainLoop() override { quitRequested_ = true; }
    bool quitRequested() const { return quitRequested_; }
    double absoluteTime() const override { return clock_.absoluteTime(); }
    double secondsSince1970() const override;
    // Now on the input clock that stamps the user's events.
    platform::InputTime inputTime() const { return clock_.uptimeNanoseconds(); }
    // Moves the clock without firing timers, as a sleeping background thread would see it.
    void sleepMicroseconds(unsigned microseconds) override;

    // Runs the main queue, then one background block, and again, until all are empty.
    void runUntilIdle();
    // Moves the clock by the seconds, firing due timers in time order at their due times;
    // the queues run to idle before the clock moves and after each firing.
    void advance(double seconds);
    // Lets time pass with no timer firing, e.g. a request that waits for its time-out.
    void passTime(double seconds) { clock_.moveBy(seconds); }

    std::size_t pendingMainBlocks() const { return main_.size(); }
    std::size_t pendingBackgroundBlocks() const { return background_.size(); }
    bool isIdle() const { return main_.empty() && background_.empty(); }
    std::vector<SimTimerInfo> liveTimers() const;

    // While one exists, timers that pause during a modal wait and the queues are not drained.
    class [[nodiscard]] ModalScope {
    public:
        explicit ModalScope(SimScheduler& scheduler);
        ~ModalScope();
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        SimScheduler& scheduler_;
    };
    bool inModal() const { return modalDepth_ > 0; }

    // Whether a background block is running now, which on a real system is another thread.
    bool onBackgroundQueue() const { return backgroundDepth_ > 0; }
    // Reports the call to the thread-rule handler when made from a background block.
    void requireMainThread(std::string_view call) const;

    // Marks a callback of the program as running, so that no block runs inside it.
    class [[nodiscard]] CallbackScope {
    public:
        explicit CallbackScope(SimScheduler& scheduler);
        ~CallbackScope();
        CallbackScope(const CallbackScope&) = delete;
        CallbackScope& operator=(const CallbackScope&) = delete;

    private:
        SimScheduler& scheduler_;
    };

private:
    struct TimerState;
    class SimTimer;
    struct BackgroundBlock {
        std::string queueLabel;  // empty for the user-initiated global queue
        platform::Block block;
    };

    std::shared_ptr<TimerState> nextDueTimer(double deadline) const;
    void fire(const std::shared_ptr<TimerState>& timer);
    void pruneInvalidTimers();
    void runBlock(platform::Block block);

    SimClock& clock_;
    std::deque<platform::Block> main_;
    // The background queues as one list in submission order, which keeps every queue FIFO
    // and every serial queue strictly one block at a time.
    std::deque<BackgroundBlock> background_;
    std::vector<std::shared_ptr<TimerState>> timers_;
    std::uint64_t nextTimerOrder_ = 0;
    int callbackDepth_ = 0;
    int modalDepth_ = 0;
    int backgroundDepth_ = 0;
    bool draining_ = false;
    bool quitRequested_ = false;
};

}  // namespace velmor::sim
