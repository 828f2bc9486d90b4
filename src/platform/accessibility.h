#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velmor::platform {

// A window of another process, as the accessibility service hands it out.
struct WindowElement {
    std::int32_t pid = 0;
    std::int64_t id = 0;
};

// Any thread: the window requests wait for the other application, so the program makes
// them on background queues; the permission checks are also made on the main thread.
class Accessibility {
public:
    virtual ~Accessibility() = default;

    // Whether this program may watch and post input.
    virtual bool hasInputPermission() = 0;
    // The same, and with askUser the system asks the user to grant it.
    virtual bool checkInputPermission(bool askUser) = 0;

    // "AXFocusedWindow" of the application with that process id, with the messaging
    // time-out set on the application element and on the window. Nothing when the element
    // cannot be made, the request fails or times out, or there is no window.
    virtual std::optional<WindowElement> focusedWindow(std::int32_t pid, double timeout) = 0;
    // "AXTitle" of the window; nothing when the request fails or the title is no string.
    virtual std::optional<std::string> windowTitle(const WindowElement& window, double timeout) = 0;
    // Sets "AXMinimized"; false when the request fails.
    virtual bool setMinimized(const WindowElement& window, bool minimized, double timeout) = 0;
};

}  // namespace velmor::platform
