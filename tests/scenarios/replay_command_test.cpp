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

TEST(ReplayCommandTest, ASyntaxErrorStopsBeforeAnythingRuns) {
    TempHome scratch;
    const auto session =
        writeSession(scratch, "broken.session", "permission on\nlaunch\nright-down 10\n");
    const ReplayRun run = runReplay(session, scratch.path() / "home");
    EXPECT_FALSE(run.succeeded);
    EXPECT_EQ(run.output, "");
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
    EXPECT_FALSE(stopped.records.empty());  // what ran before is in the transcript
}

TEST(ReplayCommandTest, AHomeCarriesOneMachineAcrossRuns) {
    TempHome scratch;
    const auto home = scratch.path() / "machine";
    const auto agent = home / "Library/LaunchAgents/com.brisvane.velmor.launcher.plist";
    const auto first = writeSession(scratch, "first.session",
                                    "permission on\nlaunch\nmenu \"로그인 시 자동 실행\"\n"
                                    "defaults set VLVolumeWheelReverseDirection true\n");
    const ReplayRun before = runReplay(first, home);
    ASSERT_TRUE(before.succeeded) << before.errors;
    ASSERT_FALSE(before.records.empty());
    EXPECT_EQ(before.records[0].kind, "home");
    EXPECT_FALSE(std::filesystem::exists(agent));

    const auto second = writeSession(
        scratch, "second.session",
        "launch\nshow defaults launchAtLogin\nshow defaults VLVolumeWheelReverseDirection\n"
        "show defaults NeverSet\nshow menu\n");
    const ReplayRun after = runReplay(second, home);
    ASSERT_TRUE(after.succeeded) << after.errors;
    EXPECT_TRUE(
        inOrder(after.records,
                {{"menu-title",
                  {{"title", Value("로그인 시 자동 실행")}, {"checked", Value::boolean(false)}}},
                 {"defaults", {{"value", Value::boolean(false)}}},
                 {"defaults", {{"value", Value::boolean(true)}}},
                 {"defaults", {{"key", Value("NeverSet")}, {"value", Value(Value::Data{})}}},
                 {"menu", {}}}));
    EXPECT_FALSE(std::filesystem::exists(agent));
    // Trust belongs to the system, not to the settings: the second session did not grant it.
    EXPECT_EQ(countRecords(after.records, {"prompt", {}}), 1u);
}

TEST(ReplayCommandTest, UnreadableSettingsAreMovedAsideAndLogged) {
    TempHome scratch;
    const auto home = scratch.path() / "machine";
    std::filesystem::create_directories(home / "Library/Preferences");
    std::ofstream(home / "Library/Preferences/com.brisvane.velmor.plist") << "not a plist";
    const auto session = writeSession(scratch, "s.session", "permission on\nlaunch\n");
    const ReplayRun run = runReplay(session, home);
    ASSERT_TRUE(run.succeeded) << run.errors;
    bool logged = false;
    for (const auto& record : run.records) {
        const Value* line = record.fields.find("line");
        logged = logged || (record.kind == "log" &&
                            line->asString()->find("settings=unreadable") != std::string::npos);
    }
    EXPECT_TRUE(logged);
}

TEST(ReplayCommandTest, WithoutAHomeAFreshTemporaryOneIsNamed) {
    TempHome scratch;
    const auto session = writeSession(scratch, "s.session", "launch\n");
    const ReplayRun run = runReplay(session);
    ASSERT_TRUE(run.succeeded) << run.errors;
    ASSERT_FALSE(run.records.empty());
    const std::string home = *run.records[0].fields.find("path")->asString();
    EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(home) / "Desktop"));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(home) /
                                        "Library/LaunchAgents/com.brisvane.velmor.launcher.plist"));
    std::filesystem::remove_all(home);
}

}  // namespace
}  // namespace velmor::testing
