#include "platform/x11/posted_events.h"

#include <X11/X.h>

#include <algorithm>
#include <cstdlib>

#include "platform/x11/event_translation.h"

namespace velmor::x11 {
namespace {

namespace type = platform::event_type;
namespace field = platform::event_field;

constexpr std::int64_t kMaxWheelClicksPerEvent = 1000;

// The services number left 0, right 1, middle 2 and the side buttons from 3; X numbers the
// side buttons from 8, after the wheel's four.
unsigned int xButtonOfNumber(std::int64_t number) {
    switch (number) {
        case 0:
            return Button1;
        case 1:
            return Button3;
        case 2:
            return Button2;
        default:
            return number > 2 ? static_cast<unsigned int>(number + 5) : 0;
    }
}

std::optional<unsigned int> wheelButtonOf(const platform::Event& event) {
    const std::int64_t vertical = event.integerField(field::kScrollWheelDeltaAxis1);
    const std::int64_t horizontal = event.integerField(kScrollWheelDeltaAxis2);
    if (vertical != 0) {
        return vertical > 0 ? Button4 : Button5;
    }
    if (horizontal != 0) {
        return horizontal > 0 ? 6u : 7u;
    }
    return std::nullopt;
}

std::optional<bool> pressOrRelease(std::uint32_t eventType) {
    switch (eventType) {
        case kLeftMouseDown:
        case type::kRightMouseDown:
        case type::kOtherMouseDown:
            return true;
        case kLeftMouseUp:
        case type::kRightMouseUp:
        case type::kOtherMouseUp:
            return false;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<unsigned int> xButtonOf(const platform::Event& event) {
    switch (event.type) {
        case kLeftMouseDown:
        case kLeftMouseUp:
            return Button1;
        case type::kRightMouseDown:
        case type::kRightMouseUp:
            return Button3;
        case type::kOtherMouseDown:
        case type::kOtherMouseUp: {
            const unsigned int button =
                xButtonOfNumber(event.integerField(field::kMouseButtonNumber));
            return button != 0 ? std::optional(button) : std::nullopt;
        }
        case type::kScrollWheel:
            return wheelButtonOf(event);
        default:
            return std::nullopt;
    }
}

std::optional<ButtonAction> buttonActionOf(const platform::Event& event) {
    const std::optional<bool> down = pressOrRelease(event.type);
    const std::optional<unsigned int> button = xButtonOf(event);
    if (!down || !button) {
        return std::nullopt;
    }
    return ButtonAction{*button, *down};
}

int wheelClicksOf(const platform::Event& event) {
    const std::int64_t delta = event.integerField(field::kScrollWheelDeltaAxis1);
    if (delta == 0) {
        return 0;
    }
    std::int64_t clicks = std::abs(delta);
    if (event.integerField(platform::event_field::kScrollWheelEventIsContinuous) != 0) {
        clicks = std::max<std::int64_t>(clicks / kPixelsPerWheelClick, 1);
    }
    // A runaway delta must not keep the server clicking for minutes.
    clicks = std::min(clicks, kMaxWheelClicksPerEvent);
    return static_cast<int>(delta > 0 ? clicks : -clicks);
}

}  // namespace velmor::x11
