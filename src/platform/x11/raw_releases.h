#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <vector>

#include "platform/x11/display.h"

namespace velmor::x11 {

// Button releases as the input devices report them, whoever the server delivers them to. A
// press the tap passes on is replayed to the window under the pointer, which then receives
// its release too; only these raw events tell the tap that the button went up.
class RawReleases {
public:
    // Selects the raw releases of every device on the connection's root window.
    explicit RawReleases(Display& display);

    // The released button, numbered as windows see it, when the event is a raw release.
    std::optional<unsigned int> releasedButton(const XEvent& event);
    // The pointer's buttons were renumbered (MappingNotify with MappingPointer).
    void refreshButtonMap();

private:
    Display& display_;
    int opcode_ = -1;
    std::vector<unsigned char> buttonMap_;
};

}  // namespace velmor::x11
