#include <gtest/gtest.h>

#include "gestures/synthetic_input.h"
#include "platform/macos_tables/macos_keys.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

using macos::kSyntheticEventMarker;
namespace keys = macos::keys;
namespace media = macos::media;

class SyntheticInput : public GestureFixture {};

TEST_F(SyntheticInput, KeyFlagsReplaceHeldModifiers) {
    platform.setKeyDown(56, true);  // a held shift on the real keyboard
    platform.systemActions().pressShortcut(platform::Shortcut::closeTab);
    const auto posted = records("key");
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0].fields.at("down"), Value::boolean(true));
    EXPECT_EQ(posted[1].fields.at("down"), Value::boolean(false));
    for (const auto& key : posted) {
        EXPECT_EQ(key.fields.at("key"), Value::integer(13));
        EXPECT_EQ(key.fields.at("flags"), Value::integer(0x100000));
    }
}

TEST_F(SyntheticInput, MediaKeysArePressAndRelease) {
    platform.systemActions().pressMediaKey(platform::MediaKey::playPause);
    platform.systemActions().pressMediaKey(platform::MediaKey::previous);
    const auto posted = records("media");
    ASSERT_EQ(posted.size(), 4u);
    EXPECT_EQ(posted[0].fields, (Value::Dictionary{{"media", Value::integer(16)},
                                                   {"data1", Value::integer(0x100A00)},
                                                   {"data2", Value::integer(-1)},
                                                   {"subtype", Value::integer(8)},
                                                   {"flags", Value::integer(0)},
                                                   {"x", Value::real(0)},
                                                   {"y", Value::real(0)},
                                                   {"timestamp", Value::real(0)},
                                                   {"window", Value::integer(0)}}));
    EXPECT_EQ(posted[1].fields.at("data1"), Value::integer(0x100B00));
    EXPECT_EQ(posted[2].fields.at("data1"), Value::integer(0x120A00));
    EXPECT_EQ(posted[3].fields.at("media"), Value::integer(18));
}

TEST_F(SyntheticInput, NothingIsPostedWithoutAnEventSource) {
    platform.failEventSources(true);
    platform.systemActions().pressShortcut(platform::Shortcut::closeTab);
    VLPostRightClick(platform, {1, 2});
    EXPECT_TRUE(records("key").empty());
    EXPECT_TRUE(records("mouse").empty());
}

TEST_F(SyntheticInput, SlowWorkReturnsBeforeItRuns) {
    VLScrollToEdge(platform, true);
    VLShowDesktopViaAppleScript(platform);
    EXPECT_TRUE(records("scroll").empty());
    EXPECT_TRUE(records("process").empty());
    platform.runUntilIdle();
    const auto scrolls = records("scroll");
    ASSERT_EQ(scrolls.size(), 140u);
    EXPECT_EQ(scrolls[0].fields, (Value::Dictionary{{"delta", Value::integer(2000)},
                                                    {"units", Value::integer(0)},  // pixels
                                                    {"wheels", Value::integer(1)}}));
    EXPECT_NEAR(scrolls[1].t - scrolls[0].t, 0.0018, 1e-9);
    EXPECT_EQ(records("process").size(), 1u);
}

TEST_F(SyntheticInput, ShowDesktopLogsExitAndDetail) {
    platform::ProcessOutcome failed;
    failed.launched = true;
    failed.exitStatus = 1;
    failed.standardError = "  execution error: first\nsecond line\n";
    platform.setProcessOutcome("/usr/bin/osascript", failed);
    VLShowDesktopViaAppleScript(platform);
    platform.runUntilIdle();
    const auto process = records("process");
    ASSERT_EQ(process.size(), 1u);
    EXPECT_EQ(process[0].fields.at("stdout-piped"), Value::boolean(false));
    EXPECT_EQ(process[0].fields.at("stderr-piped"), Value::boolean(true));
    const auto& arguments = *process[0].fields.at("args").asArray();
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[1], Value("tell application \"System Events\" to key code 105"));
    EXPECT_NE(logText().find(": action=F13_APPLESCRIPT exit=1 detail=execution error: first | "
                             "second line\n"),
              std::string::npos);

    platform::ProcessOutcome neverStarted;
    neverStarted.failureReason = "launch path not accessible";
    platform.setProcessOutcome("/usr/bin/osascript", neverStarted);
    VLShowDesktopViaAppleScript(platform);
    platform.runUntilIdle();
    EXPECT_NE(logText().find("exit=-1 detail=launch path not accessible\n"), std::string::npos);

    platform.setProcessOutcome("/usr/bin/osascript", platform::ProcessOutcome{});
    VLShowDesktopViaAppleScript(platform);
    platform.runUntilIdle();
    EXPECT_NE(logText().find("exit=-1 detail=osascript launch failed\n"), std::string::npos);
}

}  // namespace
}  // namespace velmor::testing
