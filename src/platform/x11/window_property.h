#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

namespace velmor::x11 {

// Readers of one window property; nothing when the window or the property is missing or the
// property has another type. A window that went away answers BadWindow, which is caught.
std::optional<std::vector<unsigned long>> cardinalProperty(::Display* display, Window window,
                                                           Atom property, Atom type);
std::optional<std::string> textProperty(::Display* display, Window window, Atom property,
                                        Atom type);

}  // namespace velmor::x11
