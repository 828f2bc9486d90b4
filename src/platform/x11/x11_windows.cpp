#include "platform/x11/x11_windows.h"

#include "platform/x11/client_windows.h"

namespace velmor::x11 {

using platform::WindowElement;

std::optional<WindowElement> X11Windows::focusedWindow(std::int32_t pid, double /*timeout*/) {
    const std::optional<FrontWindow> front = display_.frontWindow();
    if (front && front->owner.pid == pid) {
        return WindowElement{pid, static_cast<std::int64_t>(front->window)};
    }
    return display_.ask(std::optional<WindowElement>(),
                        [&](Display&, Ewmh& ewmh) -> std::optional<WindowElement> {
                            const std::vector<Window> windows = windowsOfProcess(ewmh, pid);
                            if (windows.empty()) {
                                return std::nullopt;
                            }
                            return WindowElement{pid, static_cast<std::int64_t>(windows.back())};
                        });
}

std::optional<std::string> X11Windows::windowTitle(const WindowElement& window,
                                                   double /*timeout*/) {
    return display_.ask(std::optional<std::string>(), [&](Display&, Ewmh& ewmh) {
        return ewmh.titleOf(static_cast<Window>(window.id));
    });
}

bool X11Windows::setMinimized(const WindowElement& window, bool minimized, double /*timeout*/) {
    const auto id = static_cast<Window>(window.id);
    return display_.ask(false, [&](Display& display, Ewmh& ewmh) {
        if (minimized) {
            return ewmh.iconify(id);
        }
        if (!windowExists(display, id)) {
            return false;
        }
        ewmh.activate(id);
        return true;
    });
}

}  // namespace velmor::x11
