#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/app_delegate.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::testing {

// Three drawings of a letter, as the letter store keeps them.
inline Value threeSamples() {
    const Value point(Value::Array{Value::real(0.5), Value::real(0.5)});
    return Value(Value::Array(3, Value(Value::Array(48, point))));
}

// The whole program on the simulated platform, in a fresh home folder; its settings in
// memory, or in the settings file under the home folder.
template <bool InMemoryDefaults>
struct AppFixtureWith : ::testing::Test {
    TempHome home;
    sim::SimPlatform sim{sim::SimOptions{home.path(), InMemoryDefaults,
                                         std::filesystem::path(VELMOR_SOURCE_DIR) / "resources"}};
    std::unique_ptr<VLAppDelegate> app;

    void launch(bool trusted = true) {
        sim.setTrusted(trusted);
        app = std::make_unique<VLAppDelegate>(sim);
        app->applicationDidFinishLaunching();
        sim.runUntilIdle();
    }

    // Chooses a status-menu item, or an item of its submenu, by title, as the user would.
    void choose(std::string_view title, std::string_view subtitle = {}) {
        std::vector<std::string> path{std::string(title)};
        if (!subtitle.empty()) {
            path.emplace_back(subtitle);
        }
        ASSERT_EQ(sim.simUi().chooseMenuItem(path), sim::SimUi::MenuChoice::chosen)
            << title << " " << subtitle;
        sim.runUntilIdle();
    }

    std::vector<std::string> texts(std::string_view kind, std::string_view field) const {
        std::vector<std::string> found;
        for (const sim::SimRecord& record : sim.recordsOfKind(kind)) {
            const auto entry = record.fields.find(field);
            if (entry != record.fields.end() && entry->second.asString()) {
                found.push_back(*entry->second.asString());
            }
        }
        return found;
    }
    std::vector<std::string> alertMessages() const { return texts("alert", "message"); }
    std::vector<std::string> statusTitles() const { return texts("status-title", "title"); }

    // Live one-second timers: the permission poll, and the tap watchdog once a tap runs.
    std::size_t oneSecondTimers() {
        const auto timers = sim.simScheduler().liveTimers();
        return static_cast<std::size_t>(
            std::ranges::count(timers, 1.0, &sim::SimTimerInfo::interval));
    }
};

using AppFixture = AppFixtureWith<true>;

}  // namespace velmor::testing
