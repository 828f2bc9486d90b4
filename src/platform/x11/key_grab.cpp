#include "platform/x11/key_grab.h"

#include "platform/x11/error_trap.h"

namespace velmor::x11 {

KeyGrab::KeyGrab(Display& display, KeyCode key, const std::vector<unsigned int>& lockCombinations)
    : display_(display), key_(key), lockCombinations_(lockCombinations) {
    if (key_ == 0) {
        return;
    }
    ErrorTrap trap(display_.get());
    for (const unsigned int modifiers : lockCombinations_) {
        XGrabKey(display_.get(), key_, modifiers, display_.root(), False, GrabModeAsync,
                 GrabModeSync);
    }
    held_ = trap.sync() == Success;
    if (!held_) {
        ungrab();  // what was taken before the refusal
    }
}

KeyGrab::~KeyGrab() {
    if (held_) {
        ungrab();
    }
}

void KeyGrab::ungrab() {
    // Ungrabbing a state this client never held is harmless.
    for (const unsigned int modifiers : lockCombinations_) {
        XUngrabKey(display_.get(), key_, modifiers, display_.root());
    }
    XFlush(display_.get());
}

}  // namespace velmor::x11
