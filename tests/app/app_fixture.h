#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_delegate.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::testing {

// The whole program on the simulated platform, in a fresh home folder.
struct AppFixture : ::testing::Test {
    TempHome home;
    sim::SimPlatform sim{
        sim::SimOptions{home.path(), true, std::filesystem::path(VELMOR_SOURCE_DIR) / "resources"}};
    std::unique_ptr<VLAppDelegate> app;

    void launch(bool trusted = true) {
        sim.setTrusted(trusted);
        app = std::make_unique<VLAppDelegate>(sim);
        app->applicationDidFinishLaunching();
        sim.runUntilIdle();
    }

    // Chooses a status-menu item (or an item of its submenu) by title.
    void choose(const std::string& title, const std::string& subtitle = {}) {
        for (const platform::MenuItem& item : app->statusMenu()) {
            if (item.title != title) {
                continue;
            }
            for (const platform::MenuItem& inner : item.submenu) {
                if (inner.title == subtitle) {
                    const platform::MenuItem chosen = inner;
                    app->performMenuAction(chosen);
                    sim.runUntilIdle();
                    return;
                }
            }
            const platform::MenuItem chosen = item;
            ASSERT_TRUE(app->performMenuAction(chosen)) << title;
            sim.runUntilIdle();
            return;
        }
        FAIL() << "no menu item " << title << " " << subtitle;
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
        std::size_t count = 0;
        for (const sim::SimTimerInfo& timer : sim.simScheduler().liveTimers()) {
            count += timer.interval == 1.0 ? 1 : 0;
        }
        return count;
    }
};

}  // namespace velmor::testing
