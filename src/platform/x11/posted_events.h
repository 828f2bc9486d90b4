#pragma once

#include <optional>

#include "platform/event.h"

namespace velmor::x11 {

// A wheel click moves about three lines in the common toolkits, some 50 pixels.
inline constexpr int kPixelsPerWheelClick = 50;

// The X button an event of the services presses or releases: the wheel's buttons for a
// scroll event by the sign of its deltas. Nothing for an event without a button.
std::optional<unsigned int> xButtonOf(const platform::Event& event);

// A press or a release of an X button, as posting plays a mouse event.
struct ButtonAction {
    unsigned int button = 0;
    bool down = false;
};
std::optional<ButtonAction> buttonActionOf(const platform::Event& event);

// The wheel clicks a scroll event is worth on X, positive away from the user. Pixel deltas
// are counted in clicks of kPixelsPerWheelClick, so a burst goes about as far as where
// pixels are native: the scroll-to-edge burst of 140 times 2000 pixels becomes 5,600
// clicks, past the end of any page a person reads. A nonzero delta is one click at least.
int wheelClicksOf(const platform::Event& event);

}  // namespace velmor::x11
