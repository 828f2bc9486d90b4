#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::sim {
namespace {

using platform::ItemKind;

struct ScriptFixture : ::testing::Test {
    testing::TempHome home;
    SimPlatform sim{SimOptions{home.path(), true, std::nullopt}};
};

TEST_F(ScriptFixture, AlertsAndPanelsAnswerFromTheQueue) {
    auto& ui = sim.ui();
    const platform::Alert twoButtons{"m", "i", {"닫기", "자동 실행 전환"}, std::nullopt};
    sim.queueAlertAnswer(1005);
    EXPECT_EQ(ui.runModalAlert(twoButtons).button, 1001);  // clamped to the last button
    EXPECT_EQ(ui.runModalAlert(twoButtons).button, 1000);  // nothing queued: the first
    platform::Alert withField{"letter", "", {"OK"}, platform::AlertTextField{}};
    withField.field->text = "https://";
    sim.queueFieldText("https://example.org");
    EXPECT_EQ(ui.runModalAlert(withField).fieldText, "https://example.org");
    const auto alerts = sim.recordsOfKind("alert");
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_EQ(
        alerts[0].fields,
        (Value::Dictionary{{"message", Value("m")},
                           {"informative", Value("i")},
                           {"buttons", Value(Value::Array{Value("닫기"), Value("자동 실행 전환")})},
                           {"response", Value::integer(1001)}}));
    EXPECT_EQ(alerts[2].fields.at("field"), Value("https://example.org"));

    sim.queuePanelResult("/Applications/Notes.app");
    EXPECT_EQ(ui.runOpenPanel({}), "/Applications/Notes.app");
    EXPECT_EQ(ui.runOpenPanel({}), std::nullopt);
    const auto panels = sim.recordsOfKind("panel");
    EXPECT_EQ(panels[0].fields.at("result"), Value("/Applications/Notes.app"));
    EXPECT_EQ(panels[1].fields.at("result"), Value::boolean(false));
}

TEST_F(ScriptFixture, MenuChangesAreRecordedAndKept) {
    platform::MenuItem status;
    status.title = "입력 감지 상태: 확인 중";
    status.identifier = "input-status";
    platform::MenuItem login;
    login.title = "로그인 시 자동 실행";
    login.action = "toggleLaunchAtLogin:";
    sim.ui().showStatusItem(platform::StatusItem{}, {status, login});
    status.title = "입력 감지 상태: 동작 중";
    sim.ui().menuItemChanged(status);
    login.checked = true;
    sim.ui().menuItemChanged(login);

    EXPECT_EQ(sim.inputStatusTitle(), "입력 감지 상태: 동작 중");
    EXPECT_TRUE(sim.simUi().menu()[1].checked);
    const auto& records = sim.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].kind, "status-title");
    EXPECT_EQ(records[2].fields, (Value::Dictionary{{"title", Value("로그인 시 자동 실행")},
                                                    {"checked", Value::boolean(true)}}));
}

TEST_F(ScriptFixture, WorkspaceAccessibilityAndNotificationsFollowTheScript) {
    auto& workspace = sim.workspace();
    sim.installApplication("/System/Applications/Music.app", "com.apple.Music");
    EXPECT_EQ(workspace.itemAtPath("/System/Applications"), ItemKind::folder);
    EXPECT_EQ(workspace.itemAtPath("/System/Applications/Mus"), ItemKind::none);
    EXPECT_EQ(workspace.applicationIdAtPath("/System/Applications/Music.app"), "com.apple.Music");
    std::ofstream(home.path() / "notes.txt") << "x";
    EXPECT_EQ(workspace.itemAtPath((home.path() / "notes.txt").string()), ItemKind::file);
    sim.setFrontmostApplication("com.apple.Safari", 41, "YouTube Music");
    sim.quitApplication(41);
    EXPECT_EQ(workspace.frontmostApplication(), std::nullopt);
    EXPECT_TRUE(workspace.isTerminated({41, "com.apple.Safari"}));

    auto& ax = sim.accessibility();
    sim.setFrontmostApplication("com.apple.Safari", 7, "YouTube Music - Song");
    EXPECT_EQ(ax.focusedWindow(7, 0.15), std::nullopt);  // untrusted
    sim.setTrusted(true);
    EXPECT_EQ(ax.windowTitle(*ax.focusedWindow(7, 0.15), 0.15), "YouTube Music - Song");
    sim.setAccessibilityOutcome(7, "AXFocusedWindow", AxOutcome::timeout);
    const double before = sim.elapsed();
    EXPECT_EQ(ax.focusedWindow(7, 0.5), std::nullopt);
    EXPECT_DOUBLE_EQ(sim.elapsed() - before, 0.5);
}

}  // namespace
}  // namespace velmor::sim
