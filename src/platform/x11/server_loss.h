#pragma once

#include <X11/Xlib.h>

#include <functional>

namespace velmor::x11 {

// While it lives, losing the X server (a logout ends it) runs `save` and ends the process
// with success: Xlib would otherwise end it at once from whichever connection noticed, with
// nothing saved. One at a time; install it after the toolkit, which sets a handler of its own.
class ServerLoss {
public:
    explicit ServerLoss(std::function<void()> save);
    ~ServerLoss();
    ServerLoss(const ServerLoss&) = delete;
    ServerLoss& operator=(const ServerLoss&) = delete;

private:
    static int serverLost(::Display* display);

    std::function<void()> save_;
    XIOErrorHandler previous_ = nullptr;
};

}  // namespace velmor::x11
