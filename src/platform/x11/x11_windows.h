#pragma once

#include <cstdint>
#include <mutex>
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
    // The title noted as the hold began, once, when it is this window's; else the server's.
    std::optional<std::string> windowTitle(const platform::WindowElement& window, double timeout);
    // As a hold begins: the title of a browser's front window, read while the user draws,
    // so that the gesture's action need not ask the server for it.
    void noteFrontTitle();
    // Iconifies, or activates to bring the window back; false when the window went away.
    bool setMinimized(const platform::WindowElement& window, bool minimized, double timeout);

private:
    struct NotedTitle {
        Window window = 0;
        std::optional<std::string> title;
    };

    std::optional<NotedTitle> takeNotedTitle();

    SharedDisplay display_;
    std::mutex notedMutex_;
    std::optional<NotedTitle> noted_;  // under the mutex
};

}  // namespace velmor::x11
