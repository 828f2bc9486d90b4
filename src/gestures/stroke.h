#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/point.h"
#include "platform/event.h"
#include "platform/workspace.h"

namespace velmor {

// Direction codes of stroke segments, in screen terms (y grows downwards).
namespace direction {
inline constexpr int kNone = 0;
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kUp = 3;
inline constexpr int kDown = 4;
}  // namespace direction

// Everything one right-button hold measured, from press to release: what the dispatch
// chain decides on.
struct Stroke {
    Point startPoint;
    Point lastPoint;
    Point segmentAnchor;
    std::vector<int> directions;
    std::vector<double> segmentLengths;
    std::vector<Point> trace;
    std::optional<platform::RunningApplication> gestureTargetApp;
    bool mComboActive = false;  // M was held when the button went down, or pressed during
    // The down-up kick: a pause between the downward and the upward part, timed by the
    // events themselves; 0 means "not yet".
    platform::InputTime lastDownMovementTime = 0;
    platform::InputTime upwardStartTime = 0;
    bool upwardStarted = false;
    bool kickPauseDetected = false;
    double upwardTravel = 0.0;
    double downwardTravel = 0.0;
    double kickMeasuredPause = 0.0;

    // Exactly these directions, each segment at least `minimum` long.
    bool hasDirections(std::span<const int> pattern, double minimum) const;
};

// +1 clockwise circle, -1 counter-clockwise, 0 none.
int VLCircleLaunchDirection(std::span<const Point> trace);

}  // namespace velmor
