#include <gtest/gtest.h>

#include <fstream>

#include "scenarios/replay_harness.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

std::filesystem::path writeSession(const TempHome& where, const std::string& name,
                                   const std::string& text) {
    const auto path = where.path() / name;
    std::ofstream(path) << text;
    return path;
}

TEST(ReplayCommandTest, ASyntaxErrorStopsBeforeAnythingRunsAndAnUnknownItemStopsThere) {
    TempHome scratch;
    const auto session =
        writeSession(scratch, "broken.session", "permission on\nlaunch\nright-down 10\n");
    const ReplayRun run = runReplay(session, scratch.path() / "home");
    EXPECT_FALSE(run.succeeded);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_NE(run.errors.find("broken.session:3: right-down: usage"), std::string::npos)
        << run.errors;
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "home"));

    const auto unknownItem =
        writeSession(scratch, "menu.session", "launch\n\nmenu \"No Such Item\"\n");
    const ReplayRun stopped = runReplay(unknownItem, scratch.path() / "home");
    EXPECT_FALSE(stopped.succeeded);
    EXPECT_NE(stopped.errors.find("menu.session:3: no menu item titled \"No Such Item\""),
              std::string::npos)
        << stopped.errors;
    EXPECT_FALSE(stopped.lines.empty());  // what ran before is in the transcript
}

TEST(ReplayCommandTest, AHomeCarriesOneMachineAcrossRunsAndUnreadableSettingsAreMovedAside) {
    TempHome scratch;
    const auto home = scratch.path() / "machine";
    const auto agent = home / "Library/LaunchAgents/com.brisvane.velmor.launcher.plist";
    const auto first = writeSession(scratch, "first.session",
                                    "permission on\nlaunch\nmenu \"로그인 시 자동 실행\"\n"
                                    "defaults set VLVolumeWheelReverseDirection true\n");
    const ReplayRun before = runReplay(first, home);
    ASSERT_TRUE(before.succeeded) << before.errors;
    ASSERT_FALSE(before.lines.empty());
    EXPECT_TRUE(matches(before.lines[0], {"home", {}}));
    EXPECT_FALSE(std::filesystem::exists(agent));

    const auto second = writeSession(
        scratch, "second.session",
        "launch\nshow defaults launchAtLogin\nshow defaults VLVolumeWheelReverseDirection\n"
        "show defaults NeverSet\nshow menu\n");
    const ReplayRun after = runReplay(second, home);
    ASSERT_TRUE(after.succeeded) << after.errors;
    EXPECT_TRUE(inOrder(after.lines,
                        {{"menu-title", {R"("title":"로그인 시 자동 실행")", R"("checked":false)"}},
                         {"defaults", {R"("value":false)"}},
                         {"defaults", {R"("value":true)"}},
                         {"defaults", {R"("key":"NeverSet")", R"("value":null)"}},
                         {"menu", {}}}));
    EXPECT_FALSE(std::filesystem::exists(agent));
    // Trust belongs to the system, not to the settings: the second session did not grant it.
    EXPECT_EQ(countRecords(after.lines, {"prompt", {}}), 1u);

    std::ofstream(home / "Library/Preferences/com.brisvane.velmor.plist") << "not a plist";
    const ReplayRun unreadable = runReplay(first, home);
    ASSERT_TRUE(unreadable.succeeded) << unreadable.errors;
    EXPECT_EQ(countContaining(unreadable.lines, "settings=unreadable"), 1u);
}

TEST(ReplayCommandTest, WithoutAHomeAFreshTemporaryOneIsNamed) {
    TempHome scratch;
    const ReplayRun run = runReplay(writeSession(scratch, "s.session", "launch\n"));
    ASSERT_TRUE(run.succeeded) << run.errors;
    ASSERT_FALSE(run.lines.empty());
    const std::string_view first = run.lines[0];
    const std::string pathField = R"("path":")";
    const auto start = first.find(pathField) + pathField.size();
    const std::filesystem::path home(first.substr(start, first.find('"', start) - start));
    EXPECT_TRUE(std::filesystem::is_directory(home / "Desktop"));
    EXPECT_TRUE(
        std::filesystem::exists(home / "Library/LaunchAgents/com.brisvane.velmor.launcher.plist"));
    std::filesystem::remove_all(home);
}

}  // namespace
}  // namespace velmor::testing
