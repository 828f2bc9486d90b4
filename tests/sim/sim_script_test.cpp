#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::sim {
namespace {

using platform::ItemKind;
using platform::RunningApplication;

struct ScriptFixture : ::testing::Test {
    testing::TempHome home;
    SimPlatform sim{SimOptions{home.path(), true, home.path() / "Resources"}};
};

TEST_F(ScriptFixture, AlertsAndPanelsAnswerFromTheQueue) {
    auto& ui = sim.ui();
    const platform::Alert twoButtons{"m", "i", {"닫기", "자동 실행 전환"}, std::nullopt};
    sim.queueAlertAnswer(1001);
    sim.queueAlertAnswer(1005);
    EXPECT_EQ(ui.runModalAlert(twoButtons).button, 1001);
    EXPECT_EQ(ui.runModalAlert(twoButtons).button, 1001);  // clamped to the last button
    EXPECT_EQ(ui.runModalAlert(twoButtons).button, 1000);  // nothing queued: the first

    platform::Alert withField{"letter", "", {"OK"}, platform::AlertTextField{}};
    withField.field->text = "https://";
    sim.queueFieldText("https://example.org");
    EXPECT_EQ(ui.runModalAlert(withField).fieldText, "https://example.org");
    EXPECT_EQ(ui.runModalAlert(withField).fieldText, "https://");
    const auto alerts = sim.recordsOfKind("alert");
    ASSERT_EQ(alerts.size(), 5u);
    EXPECT_EQ(
        alerts[0].fields,
        (Value::Dictionary{{"message", Value("m")},
                           {"informative", Value("i")},
                           {"buttons", Value(Value::Array{Value("닫기"), Value("자동 실행 전환")})},
                           {"response", Value::integer(1001)}}));
    EXPECT_EQ(*alerts[4].fields.at("field").asString(), "https://");
    EXPECT_EQ(alerts[0].fields.count("field"), 0u);

    sim.queuePanelResult("/Applications/Notes.app");
    platform::OpenPanel panel;
    panel.title = "t";
    EXPECT_EQ(ui.runOpenPanel(panel), "/Applications/Notes.app");
    EXPECT_EQ(ui.runOpenPanel(panel), std::nullopt);
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

TEST_F(ScriptFixture, WorkspaceKnowsInstalledBundlesAndTheRealFilesUnderHome) {
    auto& workspace = sim.workspace();
    sim.installApplication("/System/Applications/Music.app", "com.apple.Music");
    EXPECT_EQ(workspace.itemAtPath("/System/Applications/Music.app/"), ItemKind::folder);
    EXPECT_EQ(workspace.itemAtPath("/System/Applications"), ItemKind::folder);
    EXPECT_EQ(workspace.itemAtPath("/System/Applications/Mus"), ItemKind::none);
    EXPECT_EQ(workspace.bundleIdentifierAtPath("/System/Applications/Music.app"),
              "com.apple.Music");
    EXPECT_EQ(workspace.bundleIdentifierAtPath("/System/Applications"), std::nullopt);
    std::ofstream(home.path() / "notes.txt") << "x";
    EXPECT_EQ(workspace.itemAtPath((home.path() / "notes.txt").string()), ItemKind::file);
    EXPECT_EQ(workspace.itemAtPath((home.path() / "Desktop").string()), ItemKind::folder);
    EXPECT_EQ(workspace.itemAtPath((home.path() / "gone.app").string()), ItemKind::none);
    EXPECT_FALSE(workspace.openFile((home.path() / "gone.app").string()));

    sim.addRunningApplication("com.apple.Music", 40, true);
    sim.setFrontmostApplication("com.apple.Safari", 41, "YouTube Music");
    sim.addRunningApplication("com.apple.Music", 42);
    EXPECT_EQ(workspace.frontmostApplication(), (RunningApplication{41, "com.apple.Safari"}));
    sim.quitApplication(41);
    EXPECT_EQ(workspace.frontmostApplication(), std::nullopt);
    EXPECT_TRUE(workspace.isTerminated({41, "com.apple.Safari"}));
    sim.quitApplication(42);
    const auto music = workspace.runningApplications("com.apple.Music");
    ASSERT_EQ(music, (std::vector<RunningApplication>{{40, "com.apple.Music"}}));
    workspace.unhide(music[0]);
    workspace.activate(music[0], 3);
    EXPECT_FALSE(sim.application(40)->hidden);
    EXPECT_EQ(workspace.frontmostApplication(), music[0]);
    EXPECT_EQ(sim.records().back().fields, (Value::Dictionary{{"bundle", Value("com.apple.Music")},
                                                              {"pid", Value::integer(40)},
                                                              {"options", Value::integer(3)}}));
}

TEST_F(ScriptFixture, AccessibilityAnswersFailuresAndTimeOuts) {
    auto& ax = sim.accessibility();
    sim.setFrontmostApplication("com.apple.Safari", 7, "YouTube Music - Song");
    EXPECT_EQ(ax.focusedWindow(7, 0.15), std::nullopt);  // untrusted
    sim.setTrusted(true);
    const auto window = ax.focusedWindow(7, 0.15);
    ASSERT_TRUE(window);
    EXPECT_EQ(ax.windowTitle(*window, 0.15), "YouTube Music - Song");
    EXPECT_EQ(sim.records().back().fields, (Value::Dictionary{{"pid", Value::integer(7)},
                                                              {"attribute", Value("AXTitle")},
                                                              {"timeout", Value::real(0.15)}}));
    sim.setFocusedWindow(7, std::nullopt);
    EXPECT_EQ(ax.windowTitle(*window, 0.15), std::nullopt);  // that window is gone

    sim.setAccessibilityOutcome(7, "AXFocusedWindow", AxOutcome::timeout);
    const double before = sim.elapsed();
    EXPECT_EQ(ax.focusedWindow(7, 0.5), std::nullopt);
    EXPECT_DOUBLE_EQ(sim.elapsed() - before, 0.5);

    sim.setAccessibilityOutcome(7, "AXFocusedWindow", AxOutcome::answer);
    EXPECT_TRUE(ax.setMinimized(*ax.focusedWindow(7, 0.5), true, 0.5));
    EXPECT_TRUE(sim.isWindowMinimized(7));
    EXPECT_EQ(sim.recordsOfKind("minimize").size(), 1u);
    EXPECT_EQ(ax.focusedWindow(7, 0.5), std::nullopt);  // a minimised window has no focus
}

TEST_F(ScriptFixture, ProcessesResourcesAndNotifications) {
    platform::ProcessRequest request{"/usr/bin/osascript", {"-e", "x"}, false, true};
    auto outcome = sim.processes().runAndWait(request);
    EXPECT_TRUE(outcome.launched);
    EXPECT_EQ(outcome.exitStatus, 0);
    sim.setProcessOutcome("/usr/bin/osascript", {true, 1, "out", "two\nlines\n", std::nullopt});
    outcome = sim.processes().runAndWait(request);
    EXPECT_EQ(outcome.exitStatus, 1);
    EXPECT_EQ(outcome.standardOutput, "");  // not piped
    EXPECT_EQ(outcome.standardError, "two\nlines\n");
    EXPECT_EQ(sim.records().back().fields,
              (Value::Dictionary{{"path", Value("/usr/bin/osascript")},
                                 {"args", Value(Value::Array{Value("-e"), Value("x")})}}));

    EXPECT_EQ(sim.ui().resourcePath("MenuVelmorTemplate", "png"), std::nullopt);
    std::filesystem::create_directories(home.path() / "Resources");
    std::ofstream(home.path() / "Resources" / "MenuVelmorTemplate.png") << "png";
    EXPECT_EQ(sim.ui().resourcePath("MenuVelmorTemplate", "png"),
              (home.path() / "Resources" / "MenuVelmorTemplate.png").string());

    std::vector<std::string> heard;
    auto& center = sim.notifications();
    center.addObserver("VLShowHelp", [&](const auto&) { heard.push_back("first"); });
    center.addObserver("VLShowHelp", [&](const auto&) {
        heard.push_back("second");
        center.addObserver("VLShowHelp", [&](const auto&) { heard.push_back("late"); });
    });
    center.post("VLShowHelp", std::nullopt);
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(sim.records().back().fields, (Value::Dictionary{{"name", Value("VLShowHelp")}}));
}

TEST(SimPlatformDefaults, FileDefaultsLiveUnderTheHomeFolder) {
    testing::TempHome home;
    {
        SimPlatform sim{SimOptions{home.path()}};
        sim.defaults().setBoolean("launchAtLogin", true);
        EXPECT_TRUE(sim.defaults().synchronize());
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(home.path() /
                                                 "Library/Preferences/com.brisvane.velmor.plist"));
    SimPlatform again{SimOptions{home.path()}};
    EXPECT_TRUE(again.defaults().boolean("launchAtLogin"));
}

}  // namespace
}  // namespace velmor::sim
