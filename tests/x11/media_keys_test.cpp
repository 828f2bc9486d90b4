// Media keys as the session bus's players and, without a player, the front window see them.
// Runs on a private session bus (ctest starts it under dbus-run-session).
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <memory>

#include "platform/x11/child_processes.h"
#include "platform/x11/ewmh.h"
#include "platform/x11/x11_system_actions.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using platform::MediaKey;

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class MediaKeysTest : public DesktopTest {
protected:
    void SetUp() override {
        if (getenv("VELMOR_PRIVATE_BUS") == nullptr) {
            GTEST_SKIP() << "needs a private session bus: run it under dbus-run-session with "
                            "VELMOR_PRIVATE_BUS=1";
        }
        DesktopTest::SetUp();
    }

    // A fake player on the bus; its log lists the methods called, after "ready".
    std::unique_ptr<ChildProcess> startPlayer(const std::string& name, const std::string& status) {
        const std::filesystem::path log = folder_ / (name + ".log");
        std::filesystem::remove(log);
        auto player = std::make_unique<ChildProcess>(
            session_.start({VELMOR_FAKE_MEDIA_PLAYER, name, status, log.string()}));
        EXPECT_TRUE(waitUntil([&] { return !linesOf(log).empty(); })) << name << " not on the bus";
        return player;
    }

    std::vector<std::string> calls(const std::string& name) const {
        std::vector<std::string> lines = linesOf(folder_ / (name + ".log"));
        std::erase(lines, "ready");
        return lines;
    }

    ChildProcesses processes_;
    X11SystemActions actions_{session_.name(), processes_, [] { return std::nullopt; }};
};

TEST_F(MediaKeysTest, GoToThePlayingPlayerElseToTheFrontWindowAsKeys) {
    Ewmh ewmh(*display_);
    ewmh.activate(client_->window());
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == client_->window(); }));
    {
        // The playing one in the middle: neither the first nor the last on the bus.
        const auto stopped = startPlayer("stopped", "Stopped");
        const auto playing = startPlayer("playing", "Playing");
        const auto paused = startPlayer("paused", "Paused");
        actions_.pressMediaKey(MediaKey::next);
        actions_.pressMediaKey(MediaKey::previous);
        actions_.pressMediaKey(MediaKey::playPause);
        EXPECT_TRUE(waitUntil([&] { return calls("playing").size() >= 3; }));
        EXPECT_EQ(calls("playing"), (std::vector<std::string>{"Next", "Previous", "PlayPause"}));
        EXPECT_TRUE(calls("paused").empty());
        EXPECT_TRUE(calls("stopped").empty());
    }
    {
        // Without a playing one, a paused player is the one meant.
        const auto paused = startPlayer("paused", "Paused");
        const auto stopped = startPlayer("stopped", "Stopped");
        actions_.pressMediaKey(MediaKey::playPause);
        EXPECT_TRUE(waitUntil([&] { return calls("paused").size() == 1; }));
        EXPECT_TRUE(calls("stopped").empty());
    }

    actions_.pressMediaKey(MediaKey::playPause);
    actions_.pressMediaKey(MediaKey::next);
    EXPECT_TRUE(client_->waitFor("KeyPress XF86AudioNext state=0x0"))
        << ::testing::PrintToString(client_->received());
    EXPECT_EQ(client_->count("KeyPress XF86AudioPlay state=0x0"), 1);
}

}  // namespace
}  // namespace velmor::x11::testing
