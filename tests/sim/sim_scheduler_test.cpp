#include "platform/sim/sim_scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "platform/sim/sim_ui.h"
#include "support/temp_home.h"

namespace velmor::sim {
namespace {

using platform::TimerMode;

struct SchedulerFixture : ::testing::Test {
    SimClock clock;
    SimRecorder recorder{clock};
    SimScheduler scheduler{clock};
    std::vector<std::string> log;

    platform::Block note(std::string what) {
        return [this, what] { log.push_back(what + "@" + std::to_string(clock.elapsed())); };
    }
};

TEST_F(SchedulerFixture, TimersFireInTimeOrderOncePerIntervalAndStopWhenInvalid) {
    auto slow = scheduler.scheduleRepeatingTimer(1.0, note("slow"), TimerMode::pausesDuringModal);
    auto fast = scheduler.scheduleRepeatingTimer(0.5, note("fast"), TimerMode::pausesDuringModal);
    scheduler.advance(2.25);
    // At equal due times the older timer fires first.
    EXPECT_EQ(log, (std::vector<std::string>{"fast@0.500000", "slow@1.000000", "fast@1.000000",
                                             "fast@1.500000", "slow@2.000000", "fast@2.000000"}));
    EXPECT_DOUBLE_EQ(clock.elapsed(), 2.25);

    log.clear();
    slow->invalidate();
    EXPECT_FALSE(slow->isValid());
    fast.reset();
    scheduler.advance(5.0);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(scheduler.liveTimers().empty());

    // A timer that drops its own handle while it runs fires no more, and nothing breaks.
    std::unique_ptr<platform::Timer> self;
    int firings = 0;
    self = scheduler.scheduleRepeatingTimer(
        1.0,
        [&] {
            ++firings;
            self.reset();
        },
        TimerMode::pausesDuringModal);
    scheduler.advance(3.0);
    EXPECT_EQ(firings, 1);
}

TEST_F(SchedulerFixture, DefaultModeTimersWaitWhileAModalRuns) {
    SimUi ui(scheduler, recorder, std::nullopt);
    auto watchdog =
        scheduler.scheduleRepeatingTimer(1.0, note("default"), TimerMode::pausesDuringModal);
    auto common = scheduler.scheduleRepeatingTimer(1.0, note("common"), TimerMode::firesAlways);
    ui.queueAlertAnswer(1000, 2.5);
    ui.runModalAlert(platform::Alert{"m", "i", {"OK"}, std::nullopt});
    EXPECT_EQ(log, (std::vector<std::string>{"common@1.000000", "common@2.000000"}));

    // Once the alert is closed the late timer fires once, then keeps its rhythm.
    log.clear();
    scheduler.advance(1.0);
    EXPECT_EQ(
        log, (std::vector<std::string>{"default@2.500000", "default@3.000000", "common@3.000000"}));
}

TEST_F(SchedulerFixture, QueuesRunMainFirstInOrderAndNeverInsideACallback) {
    scheduler.asyncSerial("volume", note("serial1"));
    scheduler.asyncUserInitiated(note("global"));
    scheduler.asyncSerial("volume", [this] {
        log.push_back("serial2");
        scheduler.asyncMain(note("main-from-background"));
        scheduler.runUntilIdle();  // inside a block: must not run anything
        log.push_back("serial2-end");
    });
    scheduler.asyncSerial("volume", note("serial3"));
    scheduler.asyncMain([this] {
        scheduler.asyncMain(note("main2"));
        log.push_back("main1");
    });
    EXPECT_TRUE(log.empty());
    scheduler.runUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"main1", "main2@0.000000", "serial1@0.000000",
                                             "global@0.000000", "serial2", "serial2-end",
                                             "main-from-background@0.000000", "serial3@0.000000"}));
    EXPECT_TRUE(scheduler.isIdle());
}

}  // namespace
TEST(SimThreadRule, AMainThreadCallFromABackgroundBlockIsReportedByName) {
    testing::TempHome home;
    SimPlatform sim(SimOptions{home.path(), true, std::nullopt});
    std::vector<std::string> reported;
    const ThreadRuleHandler previous =
        setThreadRuleHandler([&reported](std::string_view call) { reported.emplace_back(call); });
    sim.scheduler().asyncUserInitiated([&sim] {
        sim.ui().activateIgnoringOtherApps();
        sim.events().isKeyDown(46);  // any thread
    });
    sim.runUntilIdle();
    sim.ui().activateIgnoringOtherApps();  // on the main thread: fine
    setThreadRuleHandler(previous);
    EXPECT_EQ(reported, std::vector<std::string>{"activateIgnoringOtherApps"});
}

}  // namespace velmor::sim
