#include <gmock/gmock.h>

#include <fstream>

#include "app/app_fixture.h"
#include "app/app_texts.h"
#include "app/status_menu.h"
#include "platform/macos_tables/launch_agent.h"
#include "platform/property_list_file.h"

namespace velmor::testing {
namespace {

using ::testing::ElementsAre;

using LaunchAtLoginTest = AppFixture;

constexpr const char* kLoginItem = "로그인 시 자동 실행";

const Value kExpectedAgent(Value::Dictionary{
    {"Label", Value("com.brisvane.velmor.launcher")},
    {"ProgramArguments", Value(Value::Array{Value("/usr/bin/open"), Value("-a"), Value("Velmor")})},
    {"RunAtLoad", Value::boolean(true)},
});

TEST_F(LaunchAtLoginTest, FirstStartTurnsItOnAndTheMenuTurnsItOffAndOnAgain) {
    const auto agent = home.path() / "Library/LaunchAgents/com.brisvane.velmor.launcher.plist";
    launch();
    EXPECT_EQ(sim.defaults().object("launchAtLogin"), Value::boolean(true));
    EXPECT_EQ(files::readPropertyListFile(agent), kExpectedAgent);
    EXPECT_EQ(macos::VLLaunchAgentPath(home.path()), agent);
    EXPECT_TRUE(sim.loginItem().isEnabled());
    EXPECT_TRUE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);

    choose(kLoginItem);
    EXPECT_FALSE(std::filesystem::exists(agent));
    EXPECT_FALSE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);
    EXPECT_FALSE(sim.defaults().boolean("launchAtLogin"));

    std::filesystem::remove_all(home.path() / "Library/LaunchAgents");  // created when missing
    choose(kLoginItem);
    EXPECT_EQ(files::readPropertyListFile(agent), kExpectedAgent);
    EXPECT_TRUE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);
    EXPECT_TRUE(alertMessages().empty());
}

TEST_F(LaunchAtLoginTest, OffSettingRemovesAHandMadeAgentAtStart) {
    ASSERT_TRUE(macos::VLWriteLaunchAgent(home.path()));
    sim.defaults().setBoolean("launchAtLogin", false);
    launch();
    EXPECT_FALSE(std::filesystem::exists(macos::VLLaunchAgentPath(home.path())));
    EXPECT_FALSE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);
}

// A desktop's own startup settings switched it off while the program was away: that is the
// user's choice, and the start neither rewrites the entry nor keeps the setting on.
TEST_F(LaunchAtLoginTest, SwitchedOffInTheDesktopsSettingsStaysOff) {
    sim.defaults().setBoolean("launchAtLogin", true);
    sim.simLoginItem().setTurnedOffElsewhere(true);
    launch();
    EXPECT_FALSE(sim.defaults().boolean("launchAtLogin"));
    EXPECT_FALSE(std::filesystem::exists(macos::VLLaunchAgentPath(home.path())));
    EXPECT_FALSE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);
    EXPECT_TRUE(alertMessages().empty());
}

TEST_F(LaunchAtLoginTest, UnwritableFolderFailsSilentlyAtStartAndLoudlyFromTheMenu) {
    // A regular file where the LaunchAgents folder must be: nothing can go in it.
    std::filesystem::create_directories(home.path() / "Library");
    std::ofstream(home.path() / "Library/LaunchAgents") << "in the way";
    launch();
    EXPECT_TRUE(sim.defaults().boolean("launchAtLogin"));  // stays on, tried again next start
    EXPECT_TRUE(alertMessages().empty());

    choose(kLoginItem);  // off
    choose(kLoginItem);  // on fails
    EXPECT_FALSE(sim.defaults().boolean("launchAtLogin"));
    EXPECT_FALSE(VLFindMenuItem(app->statusMenu(), menu_id::kLaunchAtLogin)->checked);
    EXPECT_THAT(alertMessages(), ElementsAre(app_text::kLaunchAgentFailedMessage));
    EXPECT_EQ(texts("alert", "informative").back(), "로그인 항목 파일을 만들지 못했습니다.");
    EXPECT_TRUE(std::filesystem::is_regular_file(home.path() / "Library/LaunchAgents"));
}

}  // namespace
}  // namespace velmor::testing
