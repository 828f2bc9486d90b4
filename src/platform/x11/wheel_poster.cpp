#include "platform/x11/wheel_poster.h"

#include <X11/extensions/XTest.h>

#include <cmath>
#include <cstdlib>

#include "platform/x11/error_trap.h"

namespace velmor::x11 {

bool WheelPoster::scroll(int clicks) {
    if (!display_) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    ::Display* display = display_->get();
    const unsigned int button = clicks > 0 ? Button4 : Button5;
    for (int i = 0; i < std::abs(clicks); ++i) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
    }
    XSync(display, False);
    return true;
}

bool WheelPoster::press(unsigned int button, bool down, Point at) {
    if (!display_) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    ::Display* display = display_->get();
    // A button the server's test device lacks is refused with BadValue, which would
    // otherwise end the process.
    ErrorTrap trap(display);
    XTestFakeMotionEvent(display, -1, static_cast<int>(std::lround(at.x)),
                         static_cast<int>(std::lround(at.y)), CurrentTime);
    XTestFakeButtonEvent(display, button, down ? True : False, CurrentTime);
    return trap.sync() == Success;
}

}  // namespace velmor::x11
