#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>

#include "platform/event.h"

namespace velmor::x11 {

// Numbers of the event services that the shared event header has no use for yet.
inline constexpr std::uint32_t kLeftMouseDown = 1;
inline constexpr std::uint32_t kLeftMouseUp = 2;
inline constexpr int kScrollWheelDeltaAxis2 = 12;
// The key code the routing knows the M key by, whatever the keyboard's own code is.
inline constexpr std::int64_t kMKeyCode = 46;

// A tapped X event as the routing sees it: right button, other buttons with their number
// (middle 2), the wheel buttons as one-line scrolls, right drags and the M key. Nothing for
// an event the routing has no type for (a wheel button's release, a drag without the right
// button, another key).
std::optional<platform::Event> translateEvent(const XEvent& event, KeyCode mKey);

// The event services' modifier flags for an X modifier state.
std::uint64_t flagsForState(unsigned int state);

}  // namespace velmor::x11
