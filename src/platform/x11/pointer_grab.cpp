#include "platform/x11/pointer_grab.h"

#include "platform/x11/error_trap.h"
#include "platform/x11/lock_modifiers.h"

namespace velmor::x11 {
namespace {

constexpr unsigned int kGrabbedButtons[] = {Button3, Button2};
constexpr unsigned int kGrabEvents = ButtonPressMask | ButtonReleaseMask | ButtonMotionMask;

}  // namespace

PointerGrab::PointerGrab(Display& display)
    : display_(display), lockCombinations_(lockModifierCombinations(display.get())) {}

bool PointerGrab::grab() {
    if (held_) {
        return true;
    }
    ErrorTrap trap(display_.get());
    for (unsigned int button : kGrabbedButtons) {
        for (unsigned int modifiers : lockCombinations_) {
            XGrabButton(display_.get(), button, modifiers, display_.root(), False, kGrabEvents,
                        GrabModeSync, GrabModeAsync, None, None);
        }
    }
    if (trap.sync() != Success) {
        ungrabAll();
        return false;
    }
    held_ = true;
    return true;
}

void PointerGrab::release() {
    if (held_) {
        ungrabAll();
        held_ = false;
    }
}

void PointerGrab::followLockModifiers() {
    const bool wasHeld = held_;
    release();
    lockCombinations_ = lockModifierCombinations(display_.get());
    if (wasHeld) {
        grab();
    }
}

void PointerGrab::ungrabAll() {
    // Ungrabbing a combination this client never held is harmless, so a half-made grab is
    // undone the same way as a whole one.
    for (unsigned int button : kGrabbedButtons) {
        for (unsigned int modifiers : lockCombinations_) {
            XUngrabButton(display_.get(), button, modifiers, display_.root());
        }
    }
    XSync(display_.get(), False);
}

}  // namespace velmor::x11
