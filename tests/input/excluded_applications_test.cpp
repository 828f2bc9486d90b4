#include <gtest/gtest.h>

#include "input/excluded_applications.h"
#include "platform/macos_tables/macos_keys.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

using platform::TapResult;
namespace type = platform::event_type;
namespace keys = macos::keys;

constexpr const char* kGame = "com.example.game";
constexpr const char* kBrowser = "com.google.Chrome";

class ExcludedApplications : public GestureFixture {
protected:
    ExcludedApplications() {
        platform.defaults().set(kExcludedApplicationsKey,
                                Value(Value::Array{Value("org.other"), Value(kGame)}));
        platform.setFrontmostApplication(kGame, 41, std::nullopt);
    }

    std::size_t postedEvents() const {
        return records("mouse").size() + records("key").size() + records("media").size() +
               records("process").size();
    }
};

TEST_F(ExcludedApplications, EveryEventOfAHoldInAnExcludedApplicationPasses) {
    EXPECT_EQ(rightDown(100, 100), TapResult::pass);
    EXPECT_EQ(rightDrag(200, 100), TapResult::pass);
    EXPECT_EQ(send(makeWheelEvent(-3)), TapResult::pass);
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseDown, 2)), TapResult::pass);
    EXPECT_EQ(send(makeKeyEvent(true, keys::kM)), TapResult::pass);
    EXPECT_EQ(send(makeKeyEvent(false, keys::kM)), TapResult::pass);
    EXPECT_EQ(rightUp(300, 100), TapResult::pass);
    // The middle button pressed during the hold is released after it: still the game's.
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseUp, 2)), TapResult::pass);
    platform.runUntilIdle();
    EXPECT_EQ(postedEvents(), 0u);  // no volume, play/pause, capture, action or click
    EXPECT_TRUE(controller.stroke().trace.size() <= 1u);

    // A middle click after the hold is a capture again.
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseDown, 2)), TapResult::swallow);
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseUp, 2)), TapResult::swallow);
    EXPECT_EQ(records("key").size(), 2u);
}

TEST_F(ExcludedApplications, TheDecisionIsMadeAtThePressAndKeptForTheHold) {
    // Pressed in the game, released after the browser came to the front: still passed.
    rightDown(100, 100);
    platform.setFrontmostApplication(kBrowser, 42, std::nullopt);
    EXPECT_EQ(rightDrag(10, 100), TapResult::pass);
    EXPECT_EQ(rightUp(10, 100), TapResult::pass);

    // The next press, in the browser, is a gesture: back a page.
    EXPECT_EQ(rightDown(600, 400), TapResult::swallow);
    dragTo(450, 400, 25);
    platform.setFrontmostApplication(kGame, 41, std::nullopt);  // mid-hold: still a gesture
    EXPECT_EQ(rightDrag(450, 400), TapResult::swallow);
    EXPECT_EQ(rightUp(450, 400), TapResult::swallow);
    EXPECT_FALSE(records("key").empty());
    EXPECT_EQ(controller.stroke().gestureTargetApp->applicationId, kBrowser);
}

TEST_F(ExcludedApplications, ListsThatAreNotArraysOfIdsExcludeNothingAndCrashNothing) {
    for (const Value& stored : {Value(kGame), Value::integer(7), Value(Value::Dictionary{})}) {
        platform.defaults().set(kExcludedApplicationsKey, stored);
        EXPECT_TRUE(VLExcludedApplications(platform.defaults()).empty());
        EXPECT_EQ(rightDown(10, 10), TapResult::swallow);
        rightUp(10, 10);
    }
    // Entries that are not strings are skipped, the others still count, and changes through
    // the list keep what they do not understand.
    platform.defaults().set(kExcludedApplicationsKey,
                            Value(Value::Array{Value::integer(3), Value(kGame)}));
    EXPECT_EQ(rightDown(10, 10), TapResult::pass);
    rightUp(10, 10);
    EXPECT_TRUE(VLAddExcludedApplication(platform.defaults(), kBrowser));
    EXPECT_FALSE(VLAddExcludedApplication(platform.defaults(), kBrowser));
    EXPECT_TRUE(VLRemoveExcludedApplication(platform.defaults(), kGame));
    EXPECT_FALSE(VLRemoveExcludedApplication(platform.defaults(), kGame));
    EXPECT_EQ(platform.defaults().object(kExcludedApplicationsKey),
              Value(Value::Array{Value::integer(3), Value(kBrowser)}));

    // An application without an id can never be excluded.
    platform.setFrontmostApplication(std::nullopt, 43, std::nullopt);
    EXPECT_EQ(rightDown(10, 10), TapResult::swallow);
}

}  // namespace
}  // namespace velmor::testing
