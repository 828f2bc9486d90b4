#include "platform/x11/xtest_poster.h"

#include <X11/extensions/XTest.h>

#include <cmath>

namespace velmor::x11 {

bool XTestPoster::click(Point at, unsigned int button) {
    const std::optional<unsigned int> physical = buttons_.physical(button);
    if (!physical) {
        return true;
    }
    ::Display* display = display_.get();
    const bool wasGrabbed = grab_.held();
    if (wasGrabbed) {
        grab_.release();  // waits for the server's answer
    } else {
        XSync(display, False);
    }
    if (XPending(display) > 0) {
        if (wasGrabbed) {
            grab_.grab();
        }
        return false;
    }
    XTestFakeMotionEvent(display, -1, static_cast<int>(std::lround(at.x)),
                         static_cast<int>(std::lround(at.y)), CurrentTime);
    XTestFakeButtonEvent(display, *physical, True, CurrentTime);
    XTestFakeButtonEvent(display, *physical, False, CurrentTime);
    // The server has handled the click once it answers: only then may the grab return.
    XSync(display, False);
    if (wasGrabbed) {
        grab_.grab();
    }
    return true;
}

}  // namespace velmor::x11
