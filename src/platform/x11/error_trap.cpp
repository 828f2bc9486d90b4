#include "platform/x11/error_trap.h"

#include <mutex>

namespace velmor::x11 {
namespace {

// The error handler is one for the whole process; each thread keeps its own innermost trap,
// and the handler is swapped in by the first trap and back out by the last.
thread_local ErrorTrap* innermost = nullptr;
std::mutex handlerMutex;
int trapsSet = 0;
XErrorHandler previousHandler = nullptr;

}  // namespace

ErrorTrap::ErrorTrap(::Display* display, Waiting waiting)
    : display_(display), waiting_(waiting), outer_(innermost) {
    wait();  // errors of earlier requests are not ours
    {
        const std::lock_guard lock(handlerMutex);
        if (trapsSet++ == 0) {
            previousHandler = XSetErrorHandler(&ErrorTrap::handle);
        }
    }
    innermost = this;
}

ErrorTrap::~ErrorTrap() {
    wait();
    innermost = outer_;
    const std::lock_guard lock(handlerMutex);
    if (--trapsSet == 0) {
        XSetErrorHandler(previousHandler);
    }
}

int ErrorTrap::sync() {
    wait();
    return firstError_;
}

void ErrorTrap::wait() {
    const bool allAnswered = XLastKnownRequestProcessed(display_) + 1 == XNextRequest(display_);
    if (waiting_ == Waiting::always || !allAnswered) {
        XSync(display_, False);
    }
}

int ErrorTrap::handle(::Display* display, XErrorEvent* error) {
    for (ErrorTrap* trap = innermost; trap != nullptr; trap = trap->outer_) {
        if (trap->display_ == display) {
            if (trap->firstError_ == Success) {
                trap->firstError_ = error->error_code;
            }
            return 0;
        }
    }
    // An error of a connection with no trap on this thread: ignored rather than fatal.
    return 0;
}

}  // namespace velmor::x11
