#pragma once

#include <X11/Xlib.h>

#include <vector>

namespace velmor::x11 {

// The modifier keys (Shift, Control, Alt, Super and the like, not the locks) that are down
// on the keyboard right now, as the server's key map shows them.
std::vector<KeyCode> heldModifierKeys(::Display* display);

}  // namespace velmor::x11
