#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "letters/drawn_shapes.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

// Points on an ellipse around (300, 300), from one angle to another; a growing angle turns
// clockwise on screen, since y grows downwards.
std::vector<Point> arc(double radiusX, double radiusY, double from, double to, int steps) {
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + (to - from) * i / steps;
        points.push_back({300 + radiusX * std::cos(angle), 300 + radiusY * std::sin(angle)});
    }
    return points;
}

// From the leftmost point, `turns` times round.
std::vector<Point> ellipse(double radiusX, double radiusY, double turns, int points) {
    return arc(radiusX, radiusY, std::numbers::pi, std::numbers::pi * (1 + 2 * turns), points);
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

// A full circle of radius 50 that then goes on by `extraTurn` half-turns, spiralling in to
// radius 20: the box stays the circle's while the swept angle grows.
std::vector<Point> circleThenSpiral(double extraTurn) {
    std::vector<Point> points = ellipse(50, 50, 1.0, 48);
    const int steps = 16;
    for (int i = 1; i <= steps; ++i) {
        const double angle = 3.0 * std::numbers::pi + extraTurn * std::numbers::pi * i / steps;
        const double radius = 50.0 - 30.0 * i / steps;
        points.push_back({300 + radius * std::cos(angle), 300 + radius * std::sin(angle)});
    }
    return points;
}

// A circle of radius 50 with 16 dents of depth `depth` along it: a longer path, the same box.
std::vector<Point> dentedCircle(double depth) {
    std::vector<Point> points;
    for (int i = 0; i <= 192; ++i) {
        const double angle = std::numbers::pi + 2.0 * std::numbers::pi * i / 192;
        const double radius = 50.0 - depth * (1.0 - std::cos(16.0 * angle)) / 2.0;
        points.push_back({300 + radius * std::cos(angle), 300 + radius * std::sin(angle)});
    }
    return points;
}

std::vector<Point> rectangle(double width, double height) {
    return polyline({{0, 0}, {width, 0}, {width, height}, {0, height}, {0, 0}});
}

// Each bound from both sides; every trace fails no other test.
TEST_F(CircleDetection, EveryBoundFromBothSides) {
    EXPECT_EQ(circleOf(ellipse(50, 50, 1.0, 15)), 1);  // 16 trace points
    EXPECT_EQ(circleOf(rectangle(46, 46)), 1);
    EXPECT_EQ(circleOf(rectangle(45.9, 45.9)), 0);
    EXPECT_EQ(circleOf(rectangle(92, 200)), 1);  // aspect 0.46
    EXPECT_EQ(circleOf(rectangle(91.8, 200)), 0);
    EXPECT_EQ(circleOf(rectangle(215, 100)), 1);  // aspect 2.15
    EXPECT_EQ(circleOf(rectangle(216, 100)), 0);
    // An open triangle 100 wide: ends exactly 70 apart, a turn of 1.39, a path 1.71 times
    // the size; ends 70.1 apart fail.
    EXPECT_EQ(circleOf(polyline({{15, 50}, {0, 50}, {50, 0}, {100, 50}, {85, 50}})), 1);
    EXPECT_EQ(circleOf(polyline({{14.9, 50}, {0, 50}, {50, 0}, {100, 50}, {85, 50}})), 0);
    // Its last side turning inwards early sweeps only 1.26 half-turns.
    EXPECT_EQ(circleOf(polyline({{5, 50}, {0, 50}, {50, 0}, {100, 50}, {65, 30}})), 0);
    EXPECT_EQ(circleOf(circleThenSpiral(0.55)), 1);  // turn about 2.5
    EXPECT_EQ(circleOf(circleThenSpiral(0.65)), 0);  // turn 2.65
    EXPECT_EQ(circleOf(dentedCircle(18)), 1);        // path 5.9 times the size
    // A square with a spike into it and its top side drawn three times: exactly 6.3 sides.
    EXPECT_EQ(circleOf(polyline({{0, 0},
                                 {50, 0},
                                 {50, 15},
                                 {50, 0},
                                 {100, 0},
                                 {0, 0},
                                 {100, 0},
                                 {100, 100},
                                 {0, 100},
                                 {0, 0}},
                                25)),
              1);
    EXPECT_EQ(circleOf(dentedCircle(20)), 0);  // 6.4 times
}

// Steps of half a turn or more around the centre count the short way round, a jump straight
// across the middle as exactly half a turn forwards.
TEST_F(CircleDetection, LongStepsAroundTheCentre) {
    constexpr double pi = std::numbers::pi;
    std::vector<Point> jump = arc(50, 50, pi / 2, 2 * pi, 36);  // bottom, left, top, right
    const std::vector<Point> back = arc(50, 50, 2 * pi, 1.5 * pi, 12);
    jump.insert(jump.end(), back.begin() + 1, back.end() - 1);
    jump.insert(jump.end(), {{300, 250}, {300, 350}});
    EXPECT_EQ(circleOf(jump), 1);

    std::vector<Point> chords{{250, 300}, {300, 250}};  // two quarter turns, then a half circle
    const std::vector<Point> lower = arc(50, 50, 0, pi, 24);
    chords.insert(chords.end(), lower.begin(), lower.end() - 1);
    chords.push_back({250, 300});
    EXPECT_EQ(circleOf(chords), 1);
}

}  // namespace
}  // namespace velmor::testing
