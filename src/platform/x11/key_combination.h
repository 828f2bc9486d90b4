#pragma once

#include <X11/Xlib.h>

#include <span>

namespace velmor::x11 {

// Presses the modifiers and the key through XTest, then lets go in reverse order, and waits
// until the server has them. Modifiers the user holds are let go first and pressed again
// afterwards, so they neither mix in nor stay stuck. False, and nothing posted, when the
// keyboard has no key for one of the syms. `held`: the modifier keys the user holds. Needs
// no grab: any connection of the caller's.
bool postKeyCombination(::Display* display, std::span<const KeyCode> held,
                        std::span<const KeySym> modifiers, KeySym key);

}  // namespace velmor::x11
