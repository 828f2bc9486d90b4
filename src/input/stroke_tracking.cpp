#include <cmath>

#include "input/mouse_controller.h"

namespace velmor {

namespace {
constexpr double kSegmentDeadZone = 28.0;
constexpr double kAxisDominance = 1.15;
constexpr double kTraceSpacing = 3.0;
constexpr double kKickStepThreshold = 1.5;
constexpr platform::InputTime kKickPauseMinimum = 300 * platform::kNanosecondsPerMillisecond;
constexpr double kNanosecondsPerSecond = 1e9;
}  // namespace

int VLDirectionForDelta(double dx, double dy) {
    const double ax = std::fabs(dx);
    const double ay = std::fabs(dy);
    if (ax < kSegmentDeadZone && ay < kSegmentDeadZone) {
        return direction::kNone;
    }
    if (ax >= kAxisDominance * ay) {
        return dx < 0 ? direction::kLeft : direction::kRight;
    }
    if (ay >= kAxisDominance * ax) {
        return dy < 0 ? direction::kUp : direction::kDown;
    }
    return direction::kNone;
}

void VLMouseController::beginGestureAtPoint(Point point) {
    beginGesture(point, platform_.workspace().frontmostApplication());
}

void VLMouseController::beginGesture(Point point,
                                     std::optional<platform::RunningApplication> target) {
    // The trace keeps its buffer from one stroke to the next.
    std::vector<Point> trace = std::move(stroke_.trace);
    trace.clear();
    trace.reserve(kMaxTracePoints);
    trace.push_back(point);
    stroke_ = Stroke{};
    stroke_.gestureTargetApp = std::move(target);
    const auto& events = platform_.events();
    stroke_.mComboActive = events.isKeyDown(events.keyCode(platform::Key::m));
    stroke_.startPoint = point;
    stroke_.lastPoint = point;
    stroke_.segmentAnchor = point;
    stroke_.trace = std::move(trace);
}

void VLMouseController::recordGesturePoint(Point point, platform::InputTime time) {
    if (distanceBetween(stroke_.lastPoint, point) >= kTraceSpacing &&
        stroke_.trace.size() < kMaxTracePoints) {
        stroke_.trace.push_back(point);
    }
    trackDownUpKick(point, time);
    stroke_.lastPoint = point;

    const double dx = point.x - stroke_.segmentAnchor.x;
    const double dy = point.y - stroke_.segmentAnchor.y;
    const int code = VLDirectionForDelta(dx, dy);
    if (code != direction::kNone) {
        appendDirection(code, std::hypot(dx, dy));
        stroke_.segmentAnchor = point;
    }
}

void VLMouseController::trackDownUpKick(Point point, platform::InputTime time) {
    const double dy = point.y - stroke_.lastPoint.y;
    if (dy > kKickStepThreshold && !stroke_.upwardStarted) {
        stroke_.lastDownMovementTime = time;
        stroke_.downwardTravel += dy;
    } else if (dy < -kKickStepThreshold && stroke_.lastDownMovementTime > 0) {
        if (!stroke_.upwardStarted) {
            // Whole nanoseconds, so that a pause of exactly the minimum counts as one.
            const platform::InputTime pause = time - stroke_.lastDownMovementTime;
            stroke_.upwardStarted = true;
            stroke_.upwardStartTime = time;
            stroke_.kickMeasuredPause = static_cast<double>(pause) / kNanosecondsPerSecond;
            stroke_.kickPauseDetected = pause >= kKickPauseMinimum;
        }
        stroke_.upwardTravel += -dy;
    }
}

void VLMouseController::appendDirection(int code, double distance) {
    if (code == direction::kNone || !(distance > 0)) {
        return;
    }
    if (!stroke_.directions.empty() && stroke_.directions.back() == code) {
        stroke_.segmentLengths.back() += distance;
        return;
    }
    stroke_.directions.push_back(code);
    stroke_.segmentLengths.push_back(distance);
}

}  // namespace velmor
