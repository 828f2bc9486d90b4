#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/x11/display.h"

namespace velmor::x11 {

// The two halves of WM_CLASS.
struct WindowClass {
    std::string instance;
    std::string className;
};

// What the window manager tells about its windows and what it is asked to do with them,
// through the extended window manager hints. Windows that went away give nothing.
class Ewmh {
public:
    explicit Ewmh(Display& display) : display_(display) {}

    std::optional<Window> activeWindow() const;
    std::optional<pid_t> pidOf(Window window) const;
    std::optional<WindowClass> classOf(Window window) const;
    // _NET_WM_NAME in UTF-8, else WM_NAME.
    std::optional<std::string> titleOf(Window window) const;
    // The managed top-level windows, oldest first.
    std::vector<Window> clientWindows() const;

    bool iconify(Window window);
    // Asks the window manager to close every top-level window of the process; how many.
    int closeWindowsOf(pid_t pid);
    void showDesktop(bool show);
    std::optional<bool> showingDesktop() const;
    // Whether the window manager lists the hint in _NET_SUPPORTED.
    bool supports(Atom hint) const;
    // As a pager would ask (source indication 2), so the manager does not refuse it.
    void activate(Window window);

private:
    void sendToRoot(Window window, Atom message, long first, long second = 0);

    Display& display_;
};

}  // namespace velmor::x11
