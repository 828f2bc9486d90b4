#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/point.h"
#include "platform/platform.h"

namespace velmor {

inline constexpr std::uint64_t kTapEventMask = 0x06400C98;
inline constexpr std::size_t kMaxTracePoints = 3000;

// Direction codes of stroke segments, in screen terms (y grows downwards).
namespace direction {
inline constexpr int kNone = 0;
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kUp = 3;
inline constexpr int kDown = 4;
}  // namespace direction

int VLDirectionForDelta(double dx, double dy);

// The one object that sees the user's input: the event tap and its routing, the stroke
// state of the right-button hold, and the gesture dispatch on release.
class VLMouseController {
public:
    explicit VLMouseController(platform::Platform& platform);
    ~VLMouseController();
    VLMouseController(const VLMouseController&) = delete;
    VLMouseController& operator=(const VLMouseController&) = delete;

    // Creates and enables the tap and the watchdog; true when a tap runs afterwards.
    bool start();
    void ensureEventTapEnabled();
    void tapWatchdogFired();
    bool isEventTapEnabled() const;

    // The tap callback: pass or swallow, never fails, never blocks.
    platform::TapResult handleEvent(std::uint32_t type, const platform::Event& event);

    // Stroke tracking.
    void beginGestureAtPoint(Point point);
    void recordGesturePoint(Point point);
    void appendDirection(int code, double distance);
    bool hasDirections(std::span<const int> pattern, double minimum) const;

    // The dispatch chain, run inside the callback on right-button release.
    void finishGestureAtPoint(Point point);

    // +1 clockwise circle, -1 counter-clockwise, 0 none; reads the trace only.
    int circleLaunchDirection() const;

    // Window and application actions on the gesture target application.
    void minimizeGestureTargetWindow();
    void terminateGestureTargetApplication();

    // Stroke state, read by the recognisers and by tests.
    bool rightDown() const { return rightDown_; }
    bool middleComboPressed() const { return middleComboPressed_; }
    bool middleComboUsed() const { return middleComboUsed_; }
    bool volumeWheelUsed() const { return volumeWheelUsed_; }
    double volumeWheelLastTick() const { return volumeWheelLastTick_; }
    bool mComboActive() const { return mComboActive_; }
    bool suppressMKeyUp() const { return suppressMKeyUp_; }
    Point startPoint() const { return startPoint_; }
    Point lastPoint() const { return lastPoint_; }
    Point segmentAnchor() const { return segmentAnchor_; }
    const std::vector<int>& directions() const { return directions_; }
    const std::vector<double>& segmentLengths() const { return segmentLengths_; }
    const std::vector<Point>& trace() const { return trace_; }
    const std::optional<platform::RunningApplication>& gestureTargetApp() const {
        return gestureTargetApp_;
    }
    double lastDownMovementTime() const { return lastDownMovementTime_; }
    double upwardStartTime() const { return upwardStartTime_; }
    bool upwardStarted() const { return upwardStarted_; }
    bool kickPauseDetected() const { return kickPauseDetected_; }
    double upwardTravel() const { return upwardTravel_; }
    double downwardTravel() const { return downwardTravel_; }
    double kickMeasuredPause() const { return kickMeasuredPause_; }

private:
    platform::TapResult routeKey(std::uint32_t type, const platform::Event& event);
    platform::TapResult routeRightUp(const platform::Event& event);
    platform::TapResult routeScrollWheel(const platform::Event& event);
    platform::TapResult routeOtherMouseDown(const platform::Event& event);
    platform::TapResult routeOtherMouseUp(const platform::Event& event);
    void makeVolumeStepIfGateAllows(const platform::Event& event);
    void trackDownUpKick(Point point);

    // Rows of the dispatch chain; each returns true when it claimed the stroke.
    bool trainingStep();
    bool letterStep();
    bool handwrittenMStep();
    bool circleStep(int circle);
    bool headShakeStep(Point release);
    bool twoSegmentStep();
    bool singleDirectionStep(Point release);
    void downUpVariant();

    platform::Platform& platform_;
    std::unique_ptr<platform::EventTap> eventTap_;
    std::unique_ptr<platform::RunLoopSource> runLoopSource_;
    std::unique_ptr<platform::Timer> tapWatchdog_;

    bool rightDown_ = false;
    bool middleComboPressed_ = false;
    bool middleComboUsed_ = false;
    bool volumeWheelUsed_ = false;
    double volumeWheelLastTick_ = 0.0;
    bool mComboActive_ = false;
    bool suppressMKeyUp_ = false;
    Point startPoint_;
    Point lastPoint_;
    Point segmentAnchor_;
    std::vector<int> directions_;
    std::vector<double> segmentLengths_;
    std::vector<Point> trace_;
    std::optional<platform::RunningApplication> gestureTargetApp_;
    double lastDownMovementTime_ = 0.0;
    double upwardStartTime_ = 0.0;
    bool upwardStarted_ = false;
    bool kickPauseDetected_ = false;
    double upwardTravel_ = 0.0;
    double downwardTravel_ = 0.0;
    double kickMeasuredPause_ = 0.0;
};

}  // namespace velmor
