#include <gtest/gtest.h>

#include "gestures/browser_actions.h"
#include "gestures/synthetic_input.h"
#include "platform/macos_tables/macos_keys.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

using macos::kSyntheticEventMarker;
namespace keys = macos::keys;
namespace media = macos::media;

class WindowActions : public GestureFixture {
protected:
    void strokeRight() {
        rightDown(100, 100);
        dragTo(300, 100, 5);
        rightUp(300, 100);
        platform.runUntilIdle();
    }
    void strokeDownLeft() {
        rightDown(100, 100);
        dragTo(100, 160, 5);
        dragTo(40, 160, 5);
        rightUp(40, 160);
        platform.runUntilIdle();
    }
    std::int64_t firstMedia() const {
        return *records("media").at(0).fields.at("media").numberAsInteger();
    }
};

TEST_F(WindowActions, BrowserPagesUnlessItShowsYouTubeMusic) {
    for (const auto& [title, music] :
         std::vector<std::pair<std::string, bool>>{{"Home - YouTube Music", true},
                                                   {"Mix - YOUTUBE MUSIC", true},
                                                   {"youtubemusic", false},
                                                   {"유튜브 뮤직", true}}) {
        platform.clearRecords();
        platform.setFrontmostApplication("com.apple.Safari", 20, title);
        strokeRight();
        if (music) {
            EXPECT_EQ(firstMedia(), media::kNext) << title;
        } else {
            ASSERT_EQ(records("key").size(), 2u);
            EXPECT_EQ(records("key")[0].fields.at("key"), Value::integer(keys::kRightBracket));
        }
        ASSERT_EQ(records("ax-request").size(), 2u);  // the window, then its title
        for (const auto& request : records("ax-request")) {
            EXPECT_EQ(request.fields.at("timeout"), Value::real(0.15));
        }
    }
}

TEST_F(WindowActions, OnlyListedBrowsersAreAskedForTheirTitle) {
    platform.setFrontmostApplication("com.example.Player", 21, "YouTube Music");
    strokeRight();
    EXPECT_EQ(firstMedia(), media::kNext);
    EXPECT_TRUE(records("ax-request").empty());

    EXPECT_FALSE(
        VLIsForegroundBrowser(platform, platform::RunningApplication{1, "com.google.chrome"}));
    EXPECT_TRUE(
        VLIsForegroundBrowser(platform, platform::RunningApplication{1, "com.google.Chrome"}));
    EXPECT_FALSE(VLIsForegroundBrowser(platform, platform::RunningApplication{1, std::nullopt}));
    EXPECT_FALSE(VLIsForegroundBrowser(platform, std::nullopt));
}

TEST_F(WindowActions, QuitAsksTheTargetOrPostsCommandQForItself) {
    platform.setFrontmostApplication("com.example.Editor", 30);
    strokeDownLeft();
    ASSERT_EQ(records("terminate").size(), 1u);
    EXPECT_EQ(records("terminate")[0].fields.at("pid"), Value::integer(30));

    platform.clearRecords();
    platform.setFrontmostApplication("com.brisvane.velmor", 31);
    strokeDownLeft();
    EXPECT_TRUE(records("terminate").empty());
    ASSERT_EQ(records("key").size(), 2u);
    EXPECT_EQ(records("key")[0].fields.at("key"), Value::integer(keys::kQ));
}

TEST_F(WindowActions, MinimiseWaitsHalfASecondAndSkipsATargetThatHasQuit) {
    const auto strokeRightDown = [this](bool quitMeanwhile) {
        platform.clearRecords();
        platform.setFrontmostApplication("com.example.Editor", 40, "Draft");
        rightDown(100, 100);
        if (quitMeanwhile) {
            platform.quitApplication(40);
        }
        dragTo(160, 100, 5);
        dragTo(160, 160, 5);
        rightUp(160, 160);
        platform.runUntilIdle();
    };
    strokeRightDown(false);
    ASSERT_EQ(records("minimize").size(), 1u);
    for (const auto& request : records("ax-request")) {
        EXPECT_EQ(request.fields.at("timeout"), Value::real(0.5));
    }
    strokeRightDown(true);
    EXPECT_TRUE(records("ax-request").empty());
    EXPECT_TRUE(records("minimize").empty());
}

}  // namespace
}  // namespace velmor::testing
