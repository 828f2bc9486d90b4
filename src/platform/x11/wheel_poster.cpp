#include "platform/x11/wheel_poster.h"

#include <X11/extensions/XTest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "platform/x11/error_trap.h"
#include "platform/x11/server_mappings.h"

namespace velmor::x11 {

namespace {

constexpr int kClicksBetweenWaits = 8;
// A busy desktop was seen to lose a fast run of clicks even with the server answering: the
// pause lets the server and the window manager take them in.
constexpr std::chrono::milliseconds kPauseAfterWait{1};

}  // namespace

WheelPoster::WheelPoster(const std::string& name, std::shared_ptr<OwnWheel> ownWheel)
    : display_(Display::open(name)), ownWheel_(std::move(ownWheel)) {
    if (display_) {
        buttons_ = readButtonMap(display_->get());
    }
}

::Display* WheelPoster::caughtUp() {
    catchUpWithMappings(display_->get(), &buttons_);
    return display_->get();
}

bool WheelPoster::scroll(int clicks) {
    if (!display_) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    ::Display* display = caughtUp();
    const std::optional<unsigned int> button = buttons_.physical(clicks > 0 ? Button4 : Button5);
    if (!button) {
        return false;
    }
    bool whole = true;
    for (int i = 0; i < std::abs(clicks); ++i) {
        if (ownWheel_ && !ownWheel_->mayPost()) {
            whole = false;
            break;
        }
        XTestFakeButtonEvent(display, *button, True, CurrentTime);
        XTestFakeButtonEvent(display, *button, False, CurrentTime);
        if (ownWheel_) {
            // One at a time, so that none waits to be sent after a hold begins, and now and
            // then waiting for the server and pausing.
            if ((i + 1) % kClicksBetweenWaits == 0) {
                XSync(display, False);
                std::this_thread::sleep_for(kPauseAfterWait);
            } else {
                XFlush(display);
            }
            ownWheel_->posted();
        }
    }
    XSync(display, False);
    return whole;
}

bool WheelPoster::press(unsigned int button, bool down, Point at) {
    if (!display_) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    ::Display* display = caughtUp();
    const std::optional<unsigned int> physical = buttons_.physical(button);
    if (!physical) {
        return false;
    }
    // A button the server's test device lacks is refused with BadValue, which would
    // otherwise end the process.
    ErrorTrap trap(display);
    XTestFakeMotionEvent(display, -1, static_cast<int>(std::lround(at.x)),
                         static_cast<int>(std::lround(at.y)), CurrentTime);
    XTestFakeButtonEvent(display, *physical, down ? True : False, CurrentTime);
    return trap.sync() == Success;
}

}  // namespace velmor::x11
