#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "log/gesture_log.h"
#include "platform/sim/sim_platform.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class GestureLog : public ::testing::Test {
protected:
    std::filesystem::path logPath() { return VLGestureLogPath(platform); }
    std::filesystem::path previousPath() {
        auto path = logPath();
        path += ".previous";
        return path;
    }
    void fillLog(std::size_t bytes) {
        std::ofstream(logPath(), std::ios::binary) << std::string(bytes, 'x');
    }

    TempHome home;
    sim::SimPlatform platform{sim::SimOptions{home.path(), true, std::nullopt}};
};

TEST_F(GestureLog, FirstLineCreatesTheFileWithATimeStamp) {
    EXPECT_EQ(logPath(), home.path() / "Desktop" / "Velmor_GestureLog.txt");
    VLStudioLog(platform, "studio=A hello");
    const auto text = readAll(logPath());
    EXPECT_TRUE(std::regex_match(
        text, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \+0000: studio=A hello\n)")))
        << text;
}

// A value that came from elsewhere cannot start a line of its own, nor drive the terminal a
// user reads the log in.
TEST_F(GestureLog, ControlCharactersAreWrittenAsEscapes) {
    VLStudioLog(
        platform,
        "velmor-sync action=https://x.example/\n2025-01-31 09:15:02 +0000: forged\x1b]0;t\x07");
    VLAppendToGestureLog(platform,
                         "whole\r\tline \xc2\x9b"
                         "2J \xc2\xa0kept \x7f\n");
    const auto text = readAll(logPath());
    EXPECT_NE(text.find(": velmor-sync action=https://x.example/\\n2025-01-31 09:15:02 +0000: "
                        "forged\\x1B]0;t\\x07\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nwhole\\r\\tline \\u009B2J \xc2\xa0kept \\x7F\n"), std::string::npos)
        << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(VLEscapedForLog("Qué? 한글 \\ ok"), "Qué? 한글 \\ ok");
    EXPECT_EQ(VLEscapedForLog("trailing \xc2"), "trailing \xc2");
}

TEST_F(GestureLog, RotatesOnlyAboveTheLimit) {
    fillLog(262144);
    VLStudioLog(platform, "stays");
    EXPECT_FALSE(std::filesystem::exists(previousPath()));
    EXPECT_GT(std::filesystem::file_size(logPath()), 262144u);

    fillLog(262145);
    std::ofstream(previousPath()) << "older generation";
    VLStudioLog(platform, "fresh");
    EXPECT_EQ(std::filesystem::file_size(previousPath()), 262145u);
    EXPECT_NE(readAll(logPath()).find(": fresh\n"), std::string::npos);
    EXPECT_EQ(readAll(logPath()).find('x'), std::string::npos);
}

TEST_F(GestureLog, WholeLinesAreAppendedWithoutRotation) {
    fillLog(262145);
    VLAppendToGestureLog(platform, "complete line\n");
    EXPECT_FALSE(std::filesystem::exists(previousPath()));
    EXPECT_EQ(std::filesystem::file_size(logPath()), 262145u + 14u);
}

TEST_F(GestureLog, MissingOrUnsearchableDesktopLosesTheLineQuietly) {
    const auto desktop = home.path() / "Desktop";
    std::filesystem::remove_all(desktop);
    VLStudioLog(platform, "lost");
    EXPECT_FALSE(std::filesystem::exists(desktop));

    // A Desktop that is a link to itself cannot be searched by anyone, root included.
    std::filesystem::create_directory_symlink("Desktop", desktop);
    EXPECT_NO_THROW(VLStudioLog(platform, "lost"));
    EXPECT_NO_THROW(VLAppendToGestureLog(platform, "lost\n"));
}

// Whether file modes stop this process; they do not stop root, which CI runs as.
bool modesAreEnforced(const std::filesystem::path& scratch) {
    std::filesystem::create_directory(scratch);
    std::filesystem::permissions(scratch, std::filesystem::perms::none);
    std::error_code error;
    std::filesystem::directory_iterator probe(scratch, error);
    std::filesystem::permissions(scratch, std::filesystem::perms::owner_all);
    return static_cast<bool>(error);
}

TEST_F(GestureLog, AnotherUsersDesktopOrLogLosesNewLinesAtWorstAndOldOnesNever) {
    if (!modesAreEnforced(home.path() / "probe")) {
        GTEST_SKIP() << "file modes do not stop root; ReplayCommandTest runs this as another user";
    }
    const auto desktop = home.path() / "Desktop";
    std::filesystem::permissions(desktop, std::filesystem::perms::none);
    EXPECT_NO_THROW(VLStudioLog(platform, "lost"));
    EXPECT_NO_THROW(VLAppendToGestureLog(platform, "lost\n"));
    std::filesystem::permissions(desktop, std::filesystem::perms::owner_all);
    EXPECT_FALSE(std::filesystem::exists(logPath()));

    // A read-only log is kept whole as the previous generation; logging goes on.
    std::ofstream(logPath()) << "old line\n";
    std::filesystem::permissions(logPath(), std::filesystem::perms::owner_read);
    VLAppendToGestureLog(platform, "first\n");
    VLStudioLog(platform, "second");
    EXPECT_EQ(readAll(previousPath()), "old line\n");
    EXPECT_TRUE(readAll(logPath()).starts_with("first\n")) << readAll(logPath());
    EXPECT_TRUE(readAll(logPath()).ends_with(": second\n")) << readAll(logPath());
}

TEST_F(GestureLog, ConcurrentWritersNeverLoseOrInterleaveLines) {
    constexpr int kThreads = 4;
    constexpr int kLines = 300;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([this, t] {
            const std::string body(200, static_cast<char>('a' + t));
            for (int i = 0; i < kLines; ++i) {
                VLAppendToGestureLog(platform, "line " + body + "\n");
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    std::istringstream lines(readAll(logPath()));
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_EQ(line.size(), 205u);
        EXPECT_EQ(line.find_first_not_of(line[5], 5), std::string::npos) << line;
    }
    EXPECT_EQ(count, kThreads * kLines);
}

}  // namespace
}  // namespace velmor::testing
