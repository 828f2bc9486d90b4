#pragma once

#include <X11/Xlib.h>

#include "core/point.h"
#include "platform/x11/button_map.h"
#include "platform/x11/display.h"
#include "platform/x11/pointer_grab.h"

namespace velmor::x11 {

// Synthetic clicks through XTest, on the tap's own connection and so on the tap's
// thread. The grab is lifted around a click, so the click goes to the window under the
// pointer and never comes back to the tap.
class XTestPoster {
public:
    // `buttons` is the server's button map, which its owner keeps current.
    XTestPoster(Display& display, PointerGrab& grab, const ButtonMap& buttons)
        : display_(display), grab_(grab), buttons_(buttons) {}

    // Moves the pointer to `at`, presses and releases the physical button that windows see as
    // `button` there; nothing when no button gives it. False, and nothing posted, when the
    // server sent the connection something while the grab was lifted: a press that came
    // first has taken the grab back, and would take the click too.
    bool click(Point at, unsigned int button = Button3);

private:
    Display& display_;
    PointerGrab& grab_;
    const ButtonMap& buttons_;
};

}  // namespace velmor::x11
