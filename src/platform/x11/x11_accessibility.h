#pragma once

#include "platform/accessibility.h"
#include "platform/x11/x11_event_services.h"
#include "platform/x11/x11_windows.h"

namespace velmor::x11 {

// Input permission on X11 is whether the tap can have the display's right button; windows
// are the window manager's. Nothing to ask the user: another program holding the grab has
// to let go.
class X11Accessibility : public platform::Accessibility {
public:
    X11Accessibility(X11EventServices& events, X11Windows& windows)
        : events_(events), windows_(windows) {}

    bool hasInputPermission() override { return events_.inputPermission(); }
    bool checkInputPermission(bool) override { return events_.inputPermission(); }
    std::optional<platform::WindowElement> focusedWindow(std::int32_t pid,
                                                         double timeout) override {
        return windows_.focusedWindow(pid, timeout);
    }
    std::optional<std::string> windowTitle(const platform::WindowElement& window,
                                           double timeout) override {
        return windows_.windowTitle(window, timeout);
    }
    bool setMinimized(const platform::WindowElement& window, bool minimized,
                      double timeout) override {
        return windows_.setMinimized(window, minimized, timeout);
    }

private:
    X11EventServices& events_;
    X11Windows& windows_;
};

}  // namespace velmor::x11
