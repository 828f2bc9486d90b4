#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/bounding_box.h"
#include "gestures/stroke.h"

namespace velmor {

namespace {

constexpr std::size_t kMinimumCirclePoints = 16;
constexpr double kMinimumCircleSide = 46.0;
constexpr double kMinimumAspect = 0.46;
constexpr double kMaximumAspect = 2.15;
constexpr double kMaximumClosure = 0.7;
constexpr double kMinimumTurn = 1.27;
constexpr double kMaximumTurn = 2.62;
constexpr double kMinimumPathToSize = 1.65;
constexpr double kMaximumPathToSize = 6.3;

struct TraceShape {
    BoundingBox box;
    double pathLength = 0.0;
};

TraceShape measure(std::span<const Point> trace) {
    TraceShape shape;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        shape.box.widen(trace[i]);
        if (i > 0) {
            shape.pathLength += distanceBetween(trace[i - 1], trace[i]);
        }
    }
    return shape;
}

// Total angle swept around the centre, positive when the angle grows (clockwise on screen).
double sweptAngle(std::span<const Point> trace, Point centre) {
    constexpr double pi = std::numbers::pi;
    double previous = std::atan2(trace[0].y - centre.y, trace[0].x - centre.x);
    double total = 0.0;
    for (std::size_t i = 1; i < trace.size(); ++i) {
        const double angle = std::atan2(trace[i].y - centre.y, trace[i].x - centre.x);
        double step = angle - previous;
        while (step > pi) {
            step -= 2.0 * pi;
        }
        while (step < -pi) {
            step += 2.0 * pi;
        }
        total += step;
        previous = angle;
    }
    return total;
}

}  // namespace

int VLCircleLaunchDirection(std::span<const Point> trace) {
    if (trace.size() < kMinimumCirclePoints) {
        return 0;
    }
    const TraceShape shape = measure(trace);
    const double width = shape.box.width();
    const double height = shape.box.height();
    const double size = shape.box.largerSide();
    const double aspect = width / std::max(height, 1.0);
    const double closure = distanceBetween(trace.front(), trace.back());
    // The box, closure and length tests come first: most strokes fail one of them, and
    // then the arc tangent of every point is never needed.
    const bool circularBox = width >= kMinimumCircleSide && height >= kMinimumCircleSide &&
                             aspect >= kMinimumAspect && aspect <= kMaximumAspect &&
                             closure <= kMaximumClosure * size &&
                             shape.pathLength >= kMinimumPathToSize * size &&
                             shape.pathLength <= kMaximumPathToSize * size;
    if (!circularBox) {
        return 0;
    }
    const Point centre{(shape.box.minX + shape.box.maxX) * 0.5,
                       (shape.box.minY + shape.box.maxY) * 0.5};
    const double total = sweptAngle(trace, centre);
    const double turn = std::fabs(total) / std::numbers::pi;
    if (turn < kMinimumTurn || turn > kMaximumTurn) {
        return 0;
    }
    return total > 0 ? 1 : -1;
}

}  // namespace velmor
