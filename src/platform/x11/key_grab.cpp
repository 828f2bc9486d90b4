#include "platform/x11/key_grab.h"

#include "platform/x11/error_trap.h"

namespace velmor::x11 {

KeyGrab::KeyGrab(Display& display, KeyCode key) : display_(display), key_(key) {
    if (key_ == 0) {
        return;
    }
    ErrorTrap trap(display_.get());
    XGrabKey(display_.get(), key_, AnyModifier, display_.root(), False, GrabModeAsync,
             GrabModeSync);
    held_ = trap.sync() == Success;
}

KeyGrab::~KeyGrab() {
    if (held_) {
        XUngrabKey(display_.get(), key_, AnyModifier, display_.root());
        XFlush(display_.get());
    }
}

}  // namespace velmor::x11
