#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/scheduler.h"
#include "platform/x11/connection_watch.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {

// The program's main loop as the tests turn it by hand on their own thread: the watched
// connections are served and the blocks handed to the main thread run in turn(), nowhere
// else. Only what the event services use is more than a stub.
class TestMainLoop final : public ConnectionWatcher, public platform::Scheduler {
public:
    std::unique_ptr<ConnectionWatchToken> watchConnection(::Display* display,
                                                          std::function<void()> dispatch) override;
    void asyncMain(platform::Block block) override;
    void asyncUserInitiated(platform::Block block) override { block(); }
    void asyncSerial(const std::string&, platform::Block block) override { block(); }
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double, platform::Block,
                                                            platform::TimerMode) override {
        return nullptr;
    }
    void runMainLoop() override {}
    void quitMainLoop() override {}
    double absoluteTime() const override;
    double secondsSince1970() const override { return absoluteTime() + 978307200.0; }
    void sleepMicroseconds(unsigned microseconds) override {
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
    }

    // One turn: every watched connection, then the blocks queued for the main thread.
    void turn();
    std::size_t watched() const { return watches_.size(); }
    // Turns the loop until `condition` holds or the patience has gone by.
    template <typename Condition>
    bool runUntil(Condition condition) {
        return waitUntil([&] {
            turn();
            return condition();
        });
    }

private:
    class Token;

    std::map<int, std::function<void()>> watches_;
    int nextWatch_ = 0;
    std::mutex queueMutex_;
    std::vector<platform::Block> mainQueue_;
};

}  // namespace velmor::x11::testing
