#pragma once

#include <X11/Xlib.h>

namespace velmor::x11 {

// The atoms the backend names, interned once per connection in one round trip.
struct Atoms {
    Atom netActiveWindow = 0;
    Atom netWmPid = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom netClientList = 0;
    Atom netCloseWindow = 0;
    Atom netShowingDesktop = 0;
    Atom wmClass = 0;
    Atom wmName = 0;

    static Atoms intern(::Display* display);
};

}  // namespace velmor::x11
