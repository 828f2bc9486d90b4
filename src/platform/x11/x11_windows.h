#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/accessibility.h"
#include "platform/x11/shared_display.h"

namespace velmor::x11 {

// The window half of the accessibility service on X11: a window element is an X window id.
// Any thread, on a connection of its own. The X server answers for the windows, so no
// request waits for the other application and the time-outs have nothing to bound.
class X11Windows {
public:
    // The server named by `displayName`, or by $DISPLAY when it is empty.
    explicit X11Windows(const std::string& displayName = {}) : display_(displayName) {}

    bool connected() const { return display_.connected(); }

    // The active window when the process owns it, else the process's newest managed window.
    std::optional<platform::WindowElement> focusedWindow(std::int32_t pid, double timeout);
    std::optional<std::string> windowTitle(const platform::WindowElement& window, double timeout);
    // Iconifies, or activates to bring the window back; false when the window went away.
    bool setMinimized(const platform::WindowElement& window, bool minimized, double timeout);

private:
    SharedDisplay display_;
};

}  // namespace velmor::x11
