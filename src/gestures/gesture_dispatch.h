#pragma once

#include "core/point.h"
#include "gestures/stroke.h"
#include "platform/platform.h"

namespace velmor {

// The dispatch chain over a finished stroke, run inside the tap callback on release: the
// first row that claims the stroke acts; a stroke nobody claims becomes a right click.
class GestureDispatch {
public:
    GestureDispatch(platform::Platform& platform, const Stroke& stroke)
        : platform_(platform), stroke_(stroke) {}

    void run(Point release);

    // Window and application actions on the gesture target application.
    void minimizeGestureTargetWindow();
    void terminateGestureTargetApplication();

private:
    // Rows of the chain; each returns true when it claimed the stroke.
    bool trainingStep();
    bool letterStep();
    bool handwrittenMStep();
    bool circleStep(int circle);
    bool headShakeStep(Point release);
    bool twoSegmentStep();
    bool singleDirectionStep(Point release);
    void downUpVariant();
    bool hasDirections(std::span<const int> pattern, double minimum) const {
        return stroke_.hasDirections(pattern, minimum);
    }

    platform::Platform& platform_;
    const Stroke& stroke_;
};

}  // namespace velmor
