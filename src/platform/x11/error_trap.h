#pragma once

#include <X11/Xlib.h>

namespace velmor::x11 {

// Catches the protocol errors of one connection while it lives, instead of Xlib's default
// handler, which ends the process. A grab that another client holds answers BadAccess, and
// a window that went away answers BadWindow: both are ordinary here.
class ErrorTrap {
public:
    // When the trap waits for the server. Waiting pulls in events, which a connection that
    // reads them may need; a request with a reply needs no waiting of its own, because its
    // error comes back in place of the reply.
    enum class Waiting { always, whenUnanswered };

    explicit ErrorTrap(::Display* display, Waiting waiting = Waiting::always);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Waits until the server has answered every request sent so far; the first error code
    // caught since the trap was set, Success when there was none.
    int sync();

private:
    static int handle(::Display* display, XErrorEvent* error);
    void wait();

    ::Display* display_;
    Waiting waiting_;
    int firstError_ = Success;
    ErrorTrap* outer_;
};

}  // namespace velmor::x11
