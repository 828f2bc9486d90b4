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
    EXPECT_TRUE(inOrder(
        after.lines, {{"menu-title", {R"("title":"로그인 시 자동 실행")", R"("checked":false})"}},
                      {"defaults", {R"("value":false})"}},
                      {"defaults", {R"("value":true})"}},
                      {"defaults", {R"("key":"NeverSet")", R"("value":null})"}},
                      {"menu", {}}}));
    EXPECT_FALSE(std::filesystem::exists(agent));
    // Trust belongs to the system, not to the settings: the second session did not grant it.
    EXPECT_EQ(countContaining(after.lines, R"("kind":"prompt")"), 1u);

    std::ofstream(home / "Library/Preferences/com.brisvane.velmor.plist") << "not a plist";
    const ReplayRun unreadable = runReplay(first, home);
    ASSERT_TRUE(unreadable.succeeded) << unreadable.errors;
    EXPECT_EQ(countContaining(unreadable.lines, "settings=unreadable"), 1u);
}

TEST(ReplayCommandTest, WithoutAHomeAFreshTemporaryOneIsNamedAndRemoved) {
    TempHome scratch;
    const ReplayRun run = runReplay(writeSession(scratch, "s.session", "launch\n"));
    ASSERT_TRUE(run.succeeded) << run.errors;
    ASSERT_FALSE(run.lines.empty());
    const std::string_view first = run.lines[0];
    const std::string pathField = R"("path":")";
    const auto start = first.find(pathField) + pathField.size();
    const std::filesystem::path home(first.substr(start, first.find('"', start) - start));
    EXPECT_TRUE(home.filename().string().starts_with("velmor-replay-")) << home;
    EXPECT_FALSE(std::filesystem::exists(home)) << home;
}

TEST(ReplayCommandTest, AnotherUsersFoldersNeitherStopTheGestureNorLoseTheLog) {
    // File modes stop only an ordinary user: as root, the program runs as user 65534.
    TempHome scratch;
    const std::string asNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    if (std::system((asNobody + "test -x '" VELMOR_BINARY "'").c_str()) != 0) {
        GTEST_SKIP() << "not root, or the program is out of user 65534's reach; "
                        "the gesture-log tests check this as the current user";
    }
    namespace fs = std::filesystem;
    const auto session = writeSession(scratch, "s.session",
                                      "permission on\nlaunch\nright-down 600 300\n"
                                      "drag-to 600 380 25\ndrag-to 600 300 25\nright-up 600 300\n");
    const auto home = scratch.path() / "home";
    fs::create_directories(home / "Desktop");
    fs::permissions(home, fs::perms::all);
    fs::permissions(home / "Desktop", fs::perms::none);
    ReplayRun run = runReplay(session, home, asNobody);
    EXPECT_TRUE(run.succeeded) << run.errors;
    EXPECT_EQ(countContaining(run.lines, R"("key":15,"flags":1048576,"down":true)"), 1u);  // ⌘R

    // The Desktop is searchable now, but the log in it is root's and read-only to the user.
    fs::permissions(home / "Desktop", fs::perms::all);
    const auto log = home / "Desktop" / "Velmor_GestureLog.txt";
    std::ofstream(log) << "root's line\n";
    run = runReplay(session, home, asNobody);
    EXPECT_TRUE(run.succeeded) << run.errors;
    std::ostringstream previous;
    previous << std::ifstream(log.string() + ".previous").rdbuf();
    EXPECT_EQ(previous.str(), "root's line\n");
    EXPECT_EQ(countContaining(run.lines, "gesture=down-up"), 1u);
}

}  // namespace
}  // namespace velmor::testing
