#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::sim {
namespace {

TEST(SimThreadRule, AMainThreadCallFromABackgroundBlockIsReportedByName) {
    testing::TempHome home;
    SimPlatform sim(SimOptions{home.path(), true, std::nullopt});
    std::vector<std::string> reported;
    const ThreadRuleHandler previous =
        setThreadRuleHandler([&reported](std::string_view call) { reported.emplace_back(call); });
    sim.scheduler().asyncUserInitiated([&sim] {
        sim.ui().activateIgnoringOtherApps();
        sim.notifications().post("VLOpenSettings", std::nullopt);
        (void)sim.loginItem().isEnabled();
        sim.events().isKeyDown(46);  // any thread
    });
    sim.runUntilIdle();
    sim.ui().activateIgnoringOtherApps();  // on the main thread: fine
    setThreadRuleHandler(previous);
    EXPECT_EQ(reported, (std::vector<std::string>{"activateIgnoringOtherApps", "post notification",
                                                  "isEnabled login item"}));
}

}  // namespace
}  // namespace velmor::sim
