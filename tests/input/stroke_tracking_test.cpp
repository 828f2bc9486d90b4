#include <gtest/gtest.h>

#include <vector>

#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

class StrokeTracking : public GestureFixture {
protected:
    // Feeds points without releasing, so the stroke stays as drawn.
    void draw(Point start, const std::vector<Point>& points) {
        rightDown(start.x, start.y);
        for (const auto& point : points) {
            rightDrag(point.x, point.y);
        }
    }
};

TEST_F(StrokeTracking, SegmentsCloseOutsideTheDeadZoneAndMerge) {
    rightDown(0, 0);
    dragTo(100, 0, 10);
    EXPECT_EQ(controller.stroke().directions, (std::vector<int>{direction::kRight}));
    ASSERT_EQ(controller.stroke().segmentLengths.size(), 1u);
    EXPECT_DOUBLE_EQ(controller.stroke().segmentLengths[0], 90.0);

    rightDown(0, 0);
    dragTo(60, 0, 10);
    dragTo(60, 60, 10);
    dragTo(120, 60, 10);
    EXPECT_EQ(controller.stroke().directions,
              (std::vector<int>{direction::kRight, direction::kDown, direction::kRight}));

    // A segment needs a direction and a length above zero; a repeat lengthens the last one.
    rightDown(0, 0);
    controller.appendDirection(direction::kNone, 40);
    controller.appendDirection(direction::kUp, 0);
    controller.appendDirection(direction::kUp, -5);
    EXPECT_TRUE(controller.stroke().directions.empty());
    EXPECT_TRUE(controller.stroke().segmentLengths.empty());
    controller.appendDirection(direction::kUp, 30);
    controller.appendDirection(direction::kUp, 0.5);
    EXPECT_EQ(controller.stroke().segmentLengths, (std::vector<double>{30.5}));
}

TEST_F(StrokeTracking, DirectionForDeltaBoundaries) {
    EXPECT_EQ(VLDirectionForDelta(28, 0), direction::kRight);
    EXPECT_EQ(VLDirectionForDelta(-28, 0), direction::kLeft);
    EXPECT_EQ(VLDirectionForDelta(27.9, 27.9), direction::kNone);
    EXPECT_EQ(VLDirectionForDelta(40, 30), direction::kRight);
    EXPECT_EQ(VLDirectionForDelta(40, 36), direction::kNone);
    EXPECT_EQ(VLDirectionForDelta(0, -28), direction::kUp);
    EXPECT_EQ(VLDirectionForDelta(34.5, 30), direction::kRight);  // exactly 1.15 dominates

    draw({0, 0}, {{40, 36}});
    EXPECT_TRUE(controller.stroke().directions.empty());
    EXPECT_EQ(controller.stroke().segmentAnchor, (Point{0, 0}));  // the anchor waits
}

TEST_F(StrokeTracking, TraceTakesPointsThreeApartUpToTheCap) {
    rightDown(0, 0);
    dragTo(100, 0, 2);
    EXPECT_EQ(controller.stroke().trace.size(), 1u);  // slow steps add nothing
    EXPECT_FALSE(controller.stroke().directions.empty());

    rightDown(0, 0);
    for (int i = 1; i <= 3500; ++i) {
        rightDrag(i * 3.0, 0);
    }
    EXPECT_EQ(controller.stroke().trace.size(), kMaxTracePoints);
    EXPECT_EQ(controller.stroke().trace.front(), (Point{0, 0}));
}

TEST_F(StrokeTracking, DownUpKickMeasuresThePause) {
    rightDown(0, 0);
    for (int i = 1; i <= 5; ++i) {
        platform.simScheduler().passTime(0.01);
        rightDrag(0, i * 10.0);
    }
    platform.simScheduler().passTime(0.5);
    for (int i = 1; i <= 5; ++i) {
        rightDrag(0, 50 - i * 10.0);
        platform.simScheduler().passTime(0.01);
    }
    EXPECT_NEAR(controller.stroke().kickMeasuredPause, 0.5, 1e-6);
    EXPECT_TRUE(controller.stroke().kickPauseDetected);
    EXPECT_DOUBLE_EQ(controller.stroke().downwardTravel, 50.0);
    EXPECT_DOUBLE_EQ(controller.stroke().upwardTravel, 50.0);

    rightDown(0, 0);
    for (int i = 1; i <= 5; ++i) {
        platform.simScheduler().passTime(0.01);
        rightDrag(0, i * 10.0);
    }
    platform.simScheduler().passTime(0.01);
    rightDrag(0, 40);
    EXPECT_NEAR(controller.stroke().kickMeasuredPause, 0.01, 1e-6);
    EXPECT_FALSE(controller.stroke().kickPauseDetected);
}

TEST_F(StrokeTracking, APauseOfExactlyThreeTenthsIsAKick) {
    // Timed by the events' own stamps, in whole nanoseconds: the bound itself counts.
    for (const auto& [pause, kick] : {std::pair{0.3, true}, std::pair{0.299, false}}) {
        draw({0, 0}, {{0, 20}, {0, 50}});
        platform.simScheduler().passTime(pause);
        rightDrag(0, 20);
        EXPECT_EQ(controller.stroke().kickMeasuredPause, pause);
        EXPECT_EQ(controller.stroke().kickPauseDetected, kick) << pause;
        rightUp(0, 20);
    }
}

TEST_F(StrokeTracking, UpwardMovementFirstLeavesTheKickAtRest) {
    draw({0, 0}, {{0, 50}});  // a whole kick first, so that the next stroke must reset it
    platform.simScheduler().passTime(0.5);
    rightDrag(0, 0);
    ASSERT_TRUE(controller.stroke().kickPauseDetected);

    draw({0, 100}, {{0, 80}, {0, 60}});
    EXPECT_EQ(controller.stroke().lastDownMovementTime, 0u);
    EXPECT_EQ(controller.stroke().upwardStartTime, 0u);
    EXPECT_FALSE(controller.stroke().upwardStarted);
    EXPECT_FALSE(controller.stroke().kickPauseDetected);
    EXPECT_EQ(controller.stroke().kickMeasuredPause, 0.0);
    EXPECT_EQ(controller.stroke().upwardTravel, 0.0);
    EXPECT_EQ(controller.stroke().downwardTravel, 0.0);
    rightDrag(0, 90);
    EXPECT_GT(controller.stroke().lastDownMovementTime, 0u);
    EXPECT_DOUBLE_EQ(controller.stroke().downwardTravel, 30.0);
}

TEST_F(StrokeTracking, StrokeNotesTargetApplicationAndMKey) {
    platform.setFrontmostApplication("com.apple.Safari", 42);
    platform.setKeyDown(46, true);
    rightDown(0, 0);
    ASSERT_TRUE(controller.stroke().gestureTargetApp);
    EXPECT_EQ(controller.stroke().gestureTargetApp->pid, 42);
    EXPECT_TRUE(controller.stroke().mComboActive);

    platform.clearFrontmostApplication();
    platform.setKeyDown(46, false);
    rightDown(0, 0);
    EXPECT_FALSE(controller.stroke().gestureTargetApp);
    EXPECT_FALSE(controller.stroke().mComboActive);
}

TEST_F(StrokeTracking, KickStepsCountOnlyAbove1Point5) {
    rightDown(0, 0);
    for (int i = 1; i <= 4; ++i) {
        rightDrag(0, i * 1.5);  // steps of exactly 1.5: no movement at all
    }
    EXPECT_EQ(controller.stroke().downwardTravel, 0.0);
    for (int i = 1; i <= 4; ++i) {
        rightDrag(0, 6 + i * 1.625);
    }
    EXPECT_DOUBLE_EQ(controller.stroke().downwardTravel, 6.5);
    rightDrag(0, 11);  // up by exactly 1.5: not yet the upward start
    EXPECT_FALSE(controller.stroke().upwardStarted);
    rightDrag(0, 9.375);
    EXPECT_TRUE(controller.stroke().upwardStarted);
    EXPECT_DOUBLE_EQ(controller.stroke().upwardTravel, 1.625);
}

}  // namespace
}  // namespace velmor::testing
