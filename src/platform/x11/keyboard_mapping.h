#pragma once

#include <X11/Xlib.h>

namespace velmor::x11 {

// Xlib keeps each connection's copy of the keyboard map until that connection reads the
// server's MappingNotify, so a layout switched while the program runs would leave it
// looking up keys that are no longer there.

// Takes in a MappingNotify the connection has read.
void refreshKeyboardMapping(const XEvent& event);

// Reads what a connection that only sends has been told, taking in every map change;
// the server sends nothing else to such a connection.
void catchUpWithKeyboardMapping(::Display* display);

}  // namespace velmor::x11
