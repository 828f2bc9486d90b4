#pragma once

#include <filesystem>

#include "platform/macos_tables/launch_agent.h"
#include "platform/sim/sim_scheduler.h"

namespace velmor::sim {

// The launch agent as the macOS program writes it, with the main-thread rule checked.
class SimLoginItem : public platform::LoginItem {
public:
    SimLoginItem(SimScheduler& scheduler, std::filesystem::path home)
        : scheduler_(scheduler), agent_(std::move(home)) {}

    bool enable() override {
        scheduler_.requireMainThread("enable login item");
        return agent_.enable();
    }
    void disable() override {
        scheduler_.requireMainThread("disable login item");
        agent_.disable();
    }
    bool isEnabled() const override {
        scheduler_.requireMainThread("isEnabled login item");
        return agent_.isEnabled();
    }
    bool turnedOffElsewhere() const override {
        scheduler_.requireMainThread("turnedOffElsewhere login item");
        return turnedOffElsewhere_;
    }
    // A Mac has no switch outside the program; a desktop that has one is played with true.
    void setTurnedOffElsewhere(bool off) { turnedOffElsewhere_ = off; }

private:
    SimScheduler& scheduler_;
    macos::LaunchAgentLoginItem agent_;
    bool turnedOffElsewhere_ = false;
};

}  // namespace velmor::sim
