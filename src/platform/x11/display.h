#pragma once

#include <X11/Xlib.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/x11/atoms.h"

namespace velmor::x11 {

// One connection to the X server, closed when the value goes. Used by one thread at a time:
// a thread of its own opens a connection of its own.
class Display {
public:
    // The server named by `name`, or by $DISPLAY when it is empty; nothing when none answers.
    static std::optional<Display> open(const std::string& name = {});

    ::Display* get() const { return handle_.get(); }
    Window root() const { return DefaultRootWindow(handle_.get()); }
    const Atoms& atoms() const { return atoms_; }
    int fileDescriptor() const { return ConnectionNumber(handle_.get()); }

private:
    struct Closer {
        void operator()(::Display* display) const { XCloseDisplay(display); }
    };

    explicit Display(::Display* handle) : handle_(handle), atoms_(Atoms::intern(handle)) {}

    std::unique_ptr<::Display, Closer> handle_;
    Atoms atoms_;
};

}  // namespace velmor::x11
