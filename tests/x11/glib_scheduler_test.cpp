// The GLib main loop and its queues on real threads, without an X server.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <future>
#include <map>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "platform/x11/glib_scheduler.h"
#include "platform/x11/quit_signals.h"
#include "x11/loop_guard.h"

namespace velmor::x11::testing {
namespace {

using platform::TimerMode;
using namespace std::chrono_literals;

// That a block runs after the one that posted it returns is a conformance case.
TEST(GlibSchedulerTest, MainBlocksKeepEachThreadsOrder) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    constexpr int kThreads = 4;
    constexpr int kBlocks = 300;
    std::map<int, std::vector<int>> seen;  // main thread only
    std::vector<std::jthread> posters;
    for (int thread = 0; thread < kThreads; ++thread) {
        posters.emplace_back([&, thread] {
            for (int block = 0; block < kBlocks; ++block) {
                scheduler.asyncMain([&seen, thread, block] { seen[thread].push_back(block); });
            }
        });
    }
    posters.clear();
    // Quits from a block that another block posted.
    scheduler.asyncMain([&] { scheduler.asyncMain([&] { scheduler.quitMainLoop(); }); });
    scheduler.runMainLoop();

    ASSERT_FALSE(guard.expired());
    for (int thread = 0; thread < kThreads; ++thread) {
        std::vector<int> expected(kBlocks);
        std::iota(expected.begin(), expected.end(), 0);
        EXPECT_EQ(seen[thread], expected) << "thread " << thread;
    }
}

TEST(GlibSchedulerTest, DestructionFinishesQueuedBackgroundBlocksAndDropsMainOnes) {
    std::atomic<int> finished = 0;
    auto captured = std::make_shared<int>(0);
    bool mainBlockRan = false;
    {
        GlibScheduler scheduler;
        for (int block = 0; block < 50; ++block) {
            scheduler.asyncSerial("slow", [&] {
                std::this_thread::sleep_for(1ms);
                finished.fetch_add(1);
            });
            scheduler.asyncUserInitiated([&] { finished.fetch_add(1); });
        }
        scheduler.asyncMain([&mainBlockRan, captured] { mainBlockRan = true; });
    }
    EXPECT_EQ(finished.load(), 100);
    EXPECT_FALSE(mainBlockRan);
    EXPECT_EQ(captured.use_count(), 1) << "a dropped block must still be destroyed";
}

TEST(GlibSchedulerTest, QuitBeforeRunReturnsAfterPendingWorkAndIsUsedUp) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    std::vector<int> ran;
    scheduler.quitMainLoop();
    scheduler.asyncMain([&] {
        ran.push_back(1);
        scheduler.asyncMain([&] { ran.push_back(2); });
    });
    scheduler.runMainLoop();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));

    // The quit was used up: the next run goes on until it is quit again.
    int firings = 0;
    const auto timer = scheduler.scheduleRepeatingTimer(
        0.01,
        [&] {
            if (++firings == 3) {
                scheduler.quitMainLoop();
            }
        },
        TimerMode::firesAlways);
    scheduler.runMainLoop();
    ASSERT_FALSE(guard.expired());
    EXPECT_EQ(firings, 3);
}

TEST(GlibSchedulerTest, TimerDroppedInItsOwnActionStopsThere) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    int firings = 0;
    int ticks = 0;
    std::unique_ptr<platform::Timer> dropped = scheduler.scheduleRepeatingTimer(
        0.005,
        [&] {
            if (++firings == 3) {
                dropped.reset();
            }
        },
        TimerMode::firesAlways);
    const auto ticker = scheduler.scheduleRepeatingTimer(
        0.01,
        [&] {
            if (++ticks == 20) {
                scheduler.quitMainLoop();
            }
        },
        TimerMode::firesAlways);
    scheduler.runMainLoop();

    ASSERT_FALSE(guard.expired());
    EXPECT_EQ(firings, 3);
    ticker->invalidate();
    EXPECT_FALSE(ticker->isValid());
}

TEST(GlibSchedulerTest, PausingTimerWaitsOutNestedModalsThenFiresOnce) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    std::vector<int> pausedFiredAt;  // the ticks counted when the pausing timer fired
    int ticks = 0;
    // Long, so a second regular firing cannot follow the catch-up before the loop is quit.
    const auto paused = scheduler.scheduleRepeatingTimer(
        1.0,
        [&] {
            pausedFiredAt.push_back(ticks);
            scheduler.asyncMain([&] { scheduler.quitMainLoop(); });
        },
        TimerMode::pausesDuringModal);
    scheduler.beginModal();
    scheduler.beginModal();
    // Ticks of 0.1 s never come early: at tick 11 the pausing timer has come due.
    const auto ticker = scheduler.scheduleRepeatingTimer(
        0.1,
        [&] {
            ++ticks;
            if (ticks == 6 || ticks == 11) {
                scheduler.endModal();
            }
        },
        TimerMode::firesAlways);
    scheduler.runMainLoop();

    ASSERT_FALSE(guard.expired());
    ASSERT_EQ(pausedFiredAt.size(), 1u);
    EXPECT_EQ(pausedFiredAt.front(), 11) << "it fires as soon as the last modal closes";
}

TEST(GlibSchedulerTest, MainThreadCallsFromAnotherThreadAreCarriedOutOnTheMainThread) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    const auto mainThread = std::this_thread::get_id();
    std::unique_ptr<platform::Timer> timer;  // set from the background, used on main
    std::mutex timerMutex;
    bool firedOnMain = false;

    ::testing::internal::CaptureStderr();
    scheduler.asyncUserInitiated([&] {
        const std::lock_guard lock(timerMutex);
        timer = scheduler.scheduleRepeatingTimer(
            0.01,
            [&] {
                firedOnMain = std::this_thread::get_id() == mainThread;
                scheduler.quitMainLoop();
            },
            TimerMode::firesAlways);
    });
    scheduler.runMainLoop();
    const std::string warnings = ::testing::internal::GetCapturedStderr();

    ASSERT_FALSE(guard.expired());
    EXPECT_TRUE(firedOnMain);
    EXPECT_NE(warnings.find("scheduleRepeatingTimer called off the main thread"), std::string::npos)
        << warnings;
    const std::lock_guard lock(timerMutex);
    timer.reset();
}

TEST(GlibSchedulerTest, TerminationAndInterruptSignalsEndTheLoop) {
    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    const QuitSignals signals(scheduler);
    for (const int number : {SIGTERM, SIGINT}) {
        bool raised = false;
        scheduler.asyncMain([&] { raised = std::raise(number) == 0; });
        scheduler.runMainLoop();
        ASSERT_FALSE(guard.expired()) << number;
        EXPECT_TRUE(raised);
    }
}

}  // namespace
}  // namespace velmor::x11::testing
