#include <cmath>

#include "gestures/synthetic_input.h"
#include "input/mouse_controller.h"

namespace velmor {

namespace {
constexpr double kSegmentDeadZone = 28.0;
constexpr double kAxisDominance = 1.15;
constexpr double kTraceSpacing = 3.0;
constexpr double kKickStepThreshold = 1.5;
constexpr double kKickPauseMinimum = 0.3;
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
    gestureTargetApp_ = platform_.workspace().frontmostApplication();
    mComboActive_ = platform_.events().isKeyDown(keys::kM);
    lastDownMovementTime_ = 0.0;
    upwardStartTime_ = 0.0;
    upwardStarted_ = false;
    kickPauseDetected_ = false;
    upwardTravel_ = 0.0;
    downwardTravel_ = 0.0;
    kickMeasuredPause_ = 0.0;
    startPoint_ = point;
    lastPoint_ = point;
    segmentAnchor_ = point;
    directions_.clear();
    segmentLengths_.clear();
    trace_.clear();
    trace_.reserve(kMaxTracePoints);
    trace_.push_back(point);
}

void VLMouseController::recordGesturePoint(Point point) {
    if (distanceBetween(lastPoint_, point) >= kTraceSpacing && trace_.size() < kMaxTracePoints) {
        trace_.push_back(point);
    }
    trackDownUpKick(point);
    lastPoint_ = point;

    const double dx = point.x - segmentAnchor_.x;
    const double dy = point.y - segmentAnchor_.y;
    const int code = VLDirectionForDelta(dx, dy);
    if (code != direction::kNone) {
        appendDirection(code, std::hypot(dx, dy));
        segmentAnchor_ = point;
    }
}

void VLMouseController::trackDownUpKick(Point point) {
    const double dy = point.y - lastPoint_.y;
    if (dy > kKickStepThreshold && !upwardStarted_) {
        lastDownMovementTime_ = platform_.scheduler().absoluteTime();
        downwardTravel_ += dy;
    } else if (dy < -kKickStepThreshold && lastDownMovementTime_ > 0) {
        if (!upwardStarted_) {
            const double now = platform_.scheduler().absoluteTime();
            upwardStarted_ = true;
            upwardStartTime_ = now;
            kickMeasuredPause_ = now - lastDownMovementTime_;
            kickPauseDetected_ = kickMeasuredPause_ >= kKickPauseMinimum;
        }
        upwardTravel_ += -dy;
    }
}

void VLMouseController::appendDirection(int code, double distance) {
    if (code == direction::kNone || !(distance > 0)) {
        return;
    }
    if (!directions_.empty() && directions_.back() == code) {
        segmentLengths_.back() += distance;
        return;
    }
    directions_.push_back(code);
    segmentLengths_.push_back(distance);
}

bool VLMouseController::hasDirections(std::span<const int> pattern, double minimum) const {
    if (directions_.size() != pattern.size() || segmentLengths_.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (directions_[i] != pattern[i] || segmentLengths_[i] < minimum) {
            return false;
        }
    }
    return true;
}

}  // namespace velmor
