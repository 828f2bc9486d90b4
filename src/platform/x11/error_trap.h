#pragma once

#include <X11/Xlib.h>

namespace velmor::x11 {

// Catches the protocol errors of one connection while it lives, instead of Xlib's default
// handler, which ends the process. A grab that another client holds answers BadAccess, and
// a window that went away answers BadWindow: both are ordinary here.
class ErrorTrap {
public:
    explicit ErrorTrap(::Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Waits until the server has answered every request sent so far; the first error code
    // caught since the trap was set, Success when there was none.
    int sync();

private:
    static int handle(::Display* display, XErrorEvent* error);

    ::Display* display_;
    int firstError_ = Success;
    ErrorTrap* outer_;
};

}  // namespace velmor::x11
