#pragma once

#include <X11/Xlib.h>

namespace velmor::x11 {

// Whether the server has what input capture needs: XTEST, to hand the swallowed click back
// and to post, and XInput 2.
bool hasInputExtensions(::Display* display);

}  // namespace velmor::x11
