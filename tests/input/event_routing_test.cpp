#include <gtest/gtest.h>

#include "gestures/synthetic_input.h"
#include "input/volume_wheel.h"
#include "platform/macos_tables/macos_keys.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

using macos::kSyntheticEventMarker;
namespace keys = macos::keys;
namespace media = macos::media;

using platform::TapResult;
namespace type = platform::event_type;
namespace field = platform::event_field;

class EventRouting : public GestureFixture {};

TEST_F(EventRouting, MarkedEventsPassWithoutTouchingTheStroke) {
    rightDown(100, 100);
    dragTo(160, 100, 10);
    const auto directionsBefore = controller.stroke().directions;
    const auto traceBefore = controller.stroke().trace.size();

    for (auto eventType : {type::kRightMouseDown, type::kRightMouseUp, type::kRightMouseDragged}) {
        auto marked = makeEvent(eventType, {500, 500});
        marked.setIntegerField(field::kSourceUserData, kSyntheticEventMarker);
        EXPECT_EQ(send(marked), TapResult::pass);
    }
    EXPECT_EQ(controller.stroke().directions, directionsBefore);
    EXPECT_EQ(controller.stroke().trace.size(), traceBefore);
    EXPECT_EQ(controller.stroke().startPoint, (Point{100, 100}));
    EXPECT_EQ(rightDrag(170, 100), TapResult::swallow);  // the hold goes on
}

TEST_F(EventRouting, RightButtonRoutes) {
    // A release with no tapped press (the tap started while the button was held) passes.
    EXPECT_EQ(rightUp(10, 10), TapResult::pass);
    EXPECT_EQ(rightDrag(20, 20), TapResult::pass);
    EXPECT_TRUE(records("mouse").empty());

    EXPECT_EQ(rightDown(10, 10), TapResult::swallow);
    EXPECT_EQ(rightDrag(12, 10), TapResult::swallow);
    EXPECT_EQ(rightUp(12, 10), TapResult::swallow);
    EXPECT_EQ(rightDrag(20, 20), TapResult::pass);  // the hold is over
}

TEST_F(EventRouting, WheelDuringHoldStepsVolumeThroughTheGate) {
    EXPECT_EQ(send(makeWheelEvent(-3)), TapResult::pass);  // no hold: the application scrolls
    rightDown(10, 10);
    EXPECT_EQ(send(makeWheelEvent(-3)), TapResult::swallow);
    const platform::InputTime firstTick = controller.volumeWheelLastTick();
    platform.simScheduler().passTime(0.05);
    EXPECT_EQ(send(makeWheelEvent(-3)), TapResult::swallow);
    platform.simScheduler().passTime(0.2);
    EXPECT_EQ(send(makeWheelEvent(0)), TapResult::swallow);
    EXPECT_EQ(controller.volumeWheelLastTick(), firstTick);  // delta 0 leaves the gate as it was
    platform.simScheduler().passTime(0.2);
    send(makeWheelEvent(4));

    const auto processes = records("process");
    ASSERT_EQ(processes.size(), 2u);
    const auto& louder = *processes[0].fields.at("args").asArray();
    ASSERT_EQ(louder.size(), 4u);
    EXPECT_EQ(louder[0], Value("-e"));
    EXPECT_EQ(louder[1], Value("set v to output volume of (get volume settings)"));
    EXPECT_EQ(louder[3], Value("set volume output volume (v + 5)"));
    EXPECT_EQ(processes[0].fields.at("stdout-piped"), Value::boolean(true));
    EXPECT_EQ(processes[0].fields.at("stderr-piped"), Value::boolean(true));
    EXPECT_EQ((*processes[1].fields.at("args").asArray())[3],
              Value("set volume output volume (v - 5)"));

    // The wheel took the hold: no gesture and no replayed click on release.
    rightUp(10, 10);
    EXPECT_TRUE(records("mouse").empty());
    rightDown(10, 10);
    rightUp(10, 10);
    EXPECT_EQ(records("mouse").size(), 2u);
}

TEST_F(EventRouting, WheelGateOpensExactlyAfterItsInterval) {
    rightDown(10, 10);
    send(makeWheelEvent(-1));
    platform.simScheduler().passTime(0.109);
    send(makeWheelEvent(-1));
    EXPECT_EQ(records("process").size(), 1u);
    platform.simScheduler().passTime(0.001);  // 0.11 s after the step it gated on
    send(makeWheelEvent(-1));
    EXPECT_EQ(records("process").size(), 2u);
}

TEST_F(EventRouting, ReversedDirectionAndFailedStepsAreReadAtEveryStep) {
    platform.defaults().setBoolean(kVolumeWheelReverseDirectionKey, true);
    platform.setProcessOutcome("/usr/bin/osascript", platform::ProcessOutcome{});  // no launch
    rightDown(10, 10);
    send(makeWheelEvent(-1));
    platform.simScheduler().passTime(0.2);
    send(makeWheelEvent(-1));
    const auto processes = records("process");
    ASSERT_EQ(processes.size(), 2u);  // the lost step does not stop the next one
    EXPECT_EQ((*processes[1].fields.at("args").asArray())[3],
              Value("set volume output volume (v - 5)"));
}

TEST_F(EventRouting, MiddleButton) {
    // Alone: both halves swallowed, the area capture posted on the up.
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseDown, 2)), TapResult::swallow);
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseUp, 2)), TapResult::swallow);
    auto keysPosted = records("key");
    ASSERT_EQ(keysPosted.size(), 2u);
    EXPECT_EQ(keysPosted[0].fields.at("key"), Value::integer(21));
    EXPECT_EQ(keysPosted[0].fields.at("flags"), Value::integer(0x120000));

    // During a hold, even released after the right button: play/pause, no gesture.
    platform.clearRecords();
    rightDown(10, 10);
    send(makeButtonEvent(type::kOtherMouseDown, 2));
    rightUp(10, 10);
    send(makeButtonEvent(type::kOtherMouseUp, 2));
    const auto mediaPosted = records("media");
    ASSERT_EQ(mediaPosted.size(), 2u);
    EXPECT_EQ(mediaPosted[0].fields.at("data1"), Value::integer(0x100A00));
    EXPECT_TRUE(records("mouse").empty());
    EXPECT_TRUE(records("key").empty());

    // A middle click inside a hold, then the release: the hold's middle state is over, and
    // the next middle click alone takes the capture again instead of playing or pausing.
    rightDown(10, 10);
    send(makeButtonEvent(type::kOtherMouseDown, 2));
    send(makeButtonEvent(type::kOtherMouseUp, 2));
    rightUp(10, 10);
    platform.clearRecords();
    send(makeButtonEvent(type::kOtherMouseDown, 2));
    send(makeButtonEvent(type::kOtherMouseUp, 2));
    EXPECT_EQ(records("key").size(), 2u);
    EXPECT_TRUE(records("media").empty());

    // Other buttons pass.
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseDown, 3)), TapResult::pass);
    EXPECT_EQ(send(makeButtonEvent(type::kOtherMouseUp, 4)), TapResult::pass);
}

TEST_F(EventRouting, MKeyDuringHoldNeverReachesApplications) {
    rightDown(10, 10);
    EXPECT_EQ(send(makeKeyEvent(true, keys::kM)), TapResult::swallow);
    EXPECT_TRUE(controller.stroke().mComboActive);
    rightUp(10, 10);
    EXPECT_EQ(send(makeKeyEvent(false, keys::kM)), TapResult::swallow);  // after the release too
    EXPECT_EQ(send(makeKeyEvent(true, keys::kM)), TapResult::pass);
    EXPECT_EQ(send(makeKeyEvent(false, keys::kM)), TapResult::pass);

    rightDown(10, 10);
    EXPECT_EQ(send(makeKeyEvent(true, 0)), TapResult::pass);  // other keys pass during a hold
    EXPECT_EQ(send(makeKeyEvent(false, 0)), TapResult::pass);
    EXPECT_EQ(send(makeEvent(type::kSystemDefined)), TapResult::pass);
}

TEST_F(EventRouting, TapIsReEnabledAfterTheSystemDisablesIt) {
    platform.disableTap(true);
    EXPECT_TRUE(platform.tapEnabled());
    platform.disableTap(false);
    EXPECT_TRUE(platform.tapEnabled());

    platform.disableTapSilently();
    EXPECT_FALSE(platform.tapEnabled());
    platform.advance(1.0);  // the watchdog
    EXPECT_TRUE(platform.tapEnabled());

    // Starting again only re-enables the existing tap.
    platform.disableTapSilently();
    EXPECT_TRUE(controller.start());
    EXPECT_TRUE(platform.tapEnabled());
}

TEST(EventTapStart, NoWatchdogWhereOnlyTheProgramSwitchesTapsOff) {
    TempHome home;
    sim::SimPlatform platform(sim::SimOptions{home.path(), true, std::nullopt});
    platform.setTrusted(true);
    const std::size_t timersBefore = platform.simScheduler().liveTimers().size();
    platform.setSystemMayDisableTaps(false);
    VLMouseController quiet(platform);
    ASSERT_TRUE(quiet.start());
    EXPECT_EQ(platform.simScheduler().liveTimers().size(), timersBefore);
    platform.setSystemMayDisableTaps(true);
    VLMouseController watched(platform);
    ASSERT_TRUE(watched.start());
    EXPECT_EQ(platform.simScheduler().liveTimers().size(), timersBefore + 1);
}

TEST(EventTapStart, FailsWithoutPermissionOrRunLoopSource) {
    TempHome home;
    sim::SimPlatform platform(sim::SimOptions{home.path(), true, std::nullopt});
    {
        VLMouseController refused(platform);
        EXPECT_FALSE(refused.start());
    }
    platform.setTrusted(true);
    platform.failRunLoopSource(true);
    VLMouseController noSource(platform);
    EXPECT_FALSE(noSource.start());
    EXPECT_FALSE(platform.tapExists());
}

}  // namespace
}  // namespace velmor::testing
