#pragma once

#include <X11/Xlib.h>

#include <optional>

#include "platform/x11/button_map.h"
#include "platform/x11/display.h"

namespace velmor::x11 {

// Button releases as the input devices report them, whoever the server delivers them to. A
// press the tap passes on is replayed to the window under the pointer, which then receives
// its release too; only these raw events tell the tap that the button went up.
class RawReleases {
public:
    // Selects the raw releases of every device on the connection's root window; the
    // buttons are numbered through the map, which its owner keeps current.
    RawReleases(Display& display, const ButtonMap& buttons);

    // The released button, numbered as windows see it, when the event is a raw release.
    std::optional<unsigned int> releasedButton(const XEvent& event);

private:
    Display& display_;
    const ButtonMap& buttons_;
    int opcode_ = -1;
};

}  // namespace velmor::x11
