#pragma once

#include <X11/Xlib.h>

#include <functional>

#include "platform/x11/button_map.h"

namespace velmor::x11 {

// Xlib keeps each connection's copy of the keyboard map until that connection reads the
// server's MappingNotify, and the pointer's button map is read by asking; a layout switched or
// a button map changed while the program runs would otherwise leave it pressing keys and
// buttons that are no longer there.

// The pointer's button map as the server has it now.
ButtonMap readButtonMap(::Display* display);

// Takes in a MappingNotify the connection has read: the keyboard map always, the pointer's
// into `buttons` when given.
void followMapping(const XEvent& event, ::Display* display, ButtonMap* buttons);

// Reads what a connection that only sends or asks has been told, taking in every map change,
// so its queue never grows; any other event it selected goes to `others`. True when a map
// changed.
bool catchUpWithMappings(::Display* display, ButtonMap* buttons = nullptr,
                         const std::function<void(const XEvent&)>& others = {});

}  // namespace velmor::x11
