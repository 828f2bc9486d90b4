#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

// Points on an ellipse, starting at the leftmost point; a positive sweep is clockwise on
// screen, since y grows downwards.
std::vector<Point> ellipse(double radiusX, double radiusY, double turns, int points) {
    std::vector<Point> result;
    for (int i = 0; i <= points; ++i) {
        const double angle = std::numbers::pi + turns * 2.0 * std::numbers::pi * i / points;
        result.push_back({300 + radiusX * std::cos(angle), 300 + radiusY * std::sin(angle)});
    }
    return result;
}

class CircleDetection : public GestureFixture {
protected:
    int circleOf(const std::vector<Point>& points) {
        rightDown(points.front().x, points.front().y);
        for (std::size_t i = 1; i < points.size(); ++i) {
            rightDrag(points[i].x, points[i].y);
        }
        return controller.circleLaunchDirection();
    }
};

TEST_F(CircleDetection, ClosedCirclesInBothSenses) {
    EXPECT_EQ(circleOf(ellipse(50, 50, 1.0, 48)), 1);
    EXPECT_EQ(circleOf(ellipse(50, 50, -1.0, 48)), -1);
}

TEST_F(CircleDetection, ShapesThatAreNotCircles) {
    EXPECT_EQ(circleOf(ellipse(50, 50, 1.0, 14)), 0);   // 15 trace points
    EXPECT_EQ(circleOf(ellipse(50, 50, 2.0, 96)), 0);   // drawn twice over
    EXPECT_EQ(circleOf(ellipse(50, 50, 0.75, 48)), 0);  // open end 70.7 > 70
    EXPECT_EQ(circleOf(ellipse(75, 30, 1.0, 60)), 0);   // aspect 2.5
    EXPECT_EQ(circleOf(ellipse(20, 50, 1.0, 60)), 0);   // 40 wide
}

}  // namespace
}  // namespace velmor::testing
