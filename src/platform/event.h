#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "core/point.h"

namespace velmor::platform {

// Event type numbers of the event services.
namespace event_type {
inline constexpr std::uint32_t kRightMouseDown = 3;
inline constexpr std::uint32_t kRightMouseUp = 4;
inline constexpr std::uint32_t kRightMouseDragged = 7;
inline constexpr std::uint32_t kKeyDown = 10;
inline constexpr std::uint32_t kKeyUp = 11;
inline constexpr std::uint32_t kSystemDefined = 14;
inline constexpr std::uint32_t kScrollWheel = 22;
inline constexpr std::uint32_t kOtherMouseDown = 25;
inline constexpr std::uint32_t kOtherMouseUp = 26;
inline constexpr std::uint32_t kTapDisabledByTimeout = 0xFFFFFFFEu;
inline constexpr std::uint32_t kTapDisabledByUserInput = 0xFFFFFFFFu;
}  // namespace event_type

// When an input event happened: nanoseconds on the system's monotonic input clock (the
// machine's uptime on a Mac, the X server's time on X11, the virtual clock on the sim). Input
// timing reads it rather than a clock at the moment of handling, so neither a stalled main
// loop nor a step of the wall clock changes what the user did. Never 0 for a tapped event.
using InputTime = std::uint64_t;
inline constexpr InputTime kNanosecondsPerMillisecond = 1'000'000;

// Integer field numbers of the event services.
namespace event_field {
inline constexpr int kMouseButtonNumber = 3;
inline constexpr int kKeyboardKeycode = 9;
inline constexpr int kScrollWheelDeltaAxis1 = 11;
inline constexpr int kSourceUserData = 42;
inline constexpr int kScrollWheelEventIsContinuous = 88;  // deltas in pixels (1) or lines (0)
}  // namespace event_field

// One input event: its type, location, flags and integer fields by number, so that the
// routing reads the same field numbers the real event services use. A plain value with
// no allocation: it sits on the path of every tapped event.
class Event {
public:
    Event() = default;
    Event(std::uint32_t eventType, Point where, std::uint64_t eventFlags = 0)
        : type(eventType), location(where), flags(eventFlags) {}

    // Events made for posting, with the fields every backend reads back when it posts them.
    static Event keyboard(std::uint16_t keyCode, bool keyDown, Point where = {});
    static Event mouse(std::uint32_t eventType, Point where, int button);
    static Event scrollWheel(std::int32_t delta, bool continuous, Point where = {});

    std::uint32_t type = 0;
    Point location;
    std::uint64_t flags = 0;
    InputTime timestamp = 0;

    // 0 for a field that was never set, as the event services answer.
    std::int64_t integerField(int field) const;
    void setIntegerField(int field, std::int64_t value);

private:
    static constexpr std::size_t kMaxFields = 6;
    std::array<std::pair<int, std::int64_t>, kMaxFields> fields_{};
    std::size_t fieldCount_ = 0;
};

// An application-kit event of the system-defined type, as the media keys use.
struct SystemDefinedEvent {
    Point location;
    std::uint64_t modifierFlags = 0;
    double timestamp = 0.0;
    int windowNumber = 0;
    int subtype = 0;
    std::int64_t data1 = 0;
    std::int64_t data2 = 0;
};

}  // namespace velmor::platform
