#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/scheduler.h"
#include "platform/x11/connection_watch.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {

// The program's main loop, turned by hand on the test's thread: watched connections are
// served and blocks for the main thread run only in runUntil. The rest is a stub.
class TestMainLoop final : public ConnectionWatcher, public platform::Scheduler {
public:
    std::unique_ptr<ConnectionWatchToken> watchConnection(::Display*,
                                                          std::function<void()> dispatch) override {
        watches_.emplace(++lastWatch_, std::move(dispatch));
        return std::make_unique<Token>(watches_, lastWatch_);
    }
    void asyncMain(platform::Block block) override {
        const std::lock_guard lock(mutex_);
        mainQueue_.push_back(std::move(block));
    }
    void asyncUserInitiated(platform::Block block) override { block(); }
    void asyncSerial(const std::string&, platform::Block block) override { block(); }
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double, platform::Block,
                                                            platform::TimerMode) override {
        return nullptr;
    }
    void runMainLoop() override {}
    void quitMainLoop() override {}
    double absoluteTime() const override { return 1.0; }
    double secondsSince1970() const override { return 1.0; }
    void sleepMicroseconds(unsigned) override {}

    template <typename Condition>
    bool runUntil(Condition condition) {
        return waitUntil([&] {
            for (const auto& watch : Watches(watches_)) {  // a dispatch may drop a watch
                watch.second();
            }
            std::vector<platform::Block> blocks;
            {
                const std::lock_guard lock(mutex_);
                blocks.swap(mainQueue_);
            }
            for (platform::Block& block : blocks) {
                block();
            }
            return condition();
        });
    }

private:
    using Watches = std::map<int, std::function<void()>>;
    struct Token final : ConnectionWatchToken {
        Token(Watches& all, int watch) : watches(all), id(watch) {}
        ~Token() override { watches.erase(id); }
        Watches& watches;
        int id;
    };

    Watches watches_;
    int lastWatch_ = 0;
    std::mutex mutex_;
    std::vector<platform::Block> mainQueue_;
};

}  // namespace velmor::x11::testing
