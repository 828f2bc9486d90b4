#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/point.h"
#include "gestures/stroke.h"
#include "platform/platform.h"

namespace velmor {

inline constexpr std::uint64_t kTapEventMask = 0x06400C98;
inline constexpr std::size_t kMaxTracePoints = 3000;

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
    // The point of an event that happened at `time`.
    void recordGesturePoint(Point point, platform::InputTime time);
    void appendDirection(int code, double distance);
    bool hasDirections(std::span<const int> pattern, double minimum) const {
        return stroke_.hasDirections(pattern, minimum);
    }

    // Hands the finished stroke to the dispatch chain, inside the callback on release.
    void finishGestureAtPoint(Point point, platform::InputTime time);

    // +1 clockwise circle, -1 counter-clockwise, 0 none; reads the trace only.
    int circleLaunchDirection() const { return VLCircleLaunchDirection(stroke_.trace); }

    // What the current or last right-button hold measured.
    const Stroke& stroke() const { return stroke_; }
    // The last moment a wheel turn stepped the volume, 0 when none has.
    platform::InputTime volumeWheelLastTick() const { return volumeWheelLastTick_; }

private:
    platform::TapResult routeKey(std::uint32_t type, const platform::Event& event);
    platform::TapResult routeRightDown(const platform::Event& event);
    bool isExcluded(const std::optional<platform::RunningApplication>& app) const;
    platform::TapResult routeRightUp(const platform::Event& event);
    platform::TapResult routeScrollWheel(const platform::Event& event);
    platform::TapResult routeOtherMouseDown(const platform::Event& event);
    platform::TapResult routeOtherMouseUp(const platform::Event& event);
    void makeVolumeStepIfGateAllows(const platform::Event& event);
    void trackDownUpKick(Point point, platform::InputTime time);
    void beginGesture(Point point, std::optional<platform::RunningApplication> target);

    platform::Platform& platform_;
    std::unique_ptr<platform::EventTap> eventTap_;
    std::unique_ptr<platform::RunLoopSource> runLoopSource_;
    std::unique_ptr<platform::Timer> tapWatchdog_;

    bool rightDown_ = false;
    bool middleComboPressed_ = false;
    bool middleComboUsed_ = false;
    bool volumeWheelUsed_ = false;
    platform::InputTime volumeWheelLastTick_ = 0;
    bool suppressMKeyUp_ = false;
    // A hold that began in an excluded application: every event of it is passed on.
    bool passingHold_ = false;
    bool passMiddleUp_ = false;
    Stroke stroke_;
};

}  // namespace velmor
