#include "platform/x11/x11_windows.h"

#include <utility>

#include "platform/x11/client_windows.h"
#include "platform/x11/web_browsers.h"

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
    const std::optional<NotedTitle> noted = takeNotedTitle();
    if (noted && noted->window == static_cast<Window>(window.id)) {
        return noted->title;
    }
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

void X11Windows::noteFrontTitle() {
    const std::optional<FrontWindow> front = display_.frontWindow();
    std::optional<NotedTitle> noted;
    if (front && front->owner.applicationId && isWebBrowserClass(*front->owner.applicationId)) {
        noted = NotedTitle{front->window,
                           display_.ask(std::optional<std::string>(), [&](Display&, Ewmh& ewmh) {
                               return ewmh.titleOf(front->window);
                           })};
    }
    const std::lock_guard lock(notedMutex_);
    noted_ = std::move(noted);
}

std::optional<X11Windows::NotedTitle> X11Windows::takeNotedTitle() {
    const std::lock_guard lock(notedMutex_);
    return std::exchange(noted_, std::nullopt);
}

}  // namespace velmor::x11
