#include "platform/x11/shared_display.h"

#include "platform/x11/client_windows.h"
#include "platform/x11/server_mappings.h"

namespace velmor::x11 {

SharedDisplay::SharedDisplay(const std::string& name) : display_(Display::open(name)) {
    if (display_) {
        XSelectInput(display_->get(), display_->root(), PropertyChangeMask);
        XFlush(display_->get());
    }
}

std::optional<FrontWindow> SharedDisplay::frontWindow() {
    return ask(std::optional<FrontWindow>(), [this](Display&, Ewmh& ewmh) {
        return front_.get([&]() -> std::optional<FrontWindow> {
            const std::optional<Window> active = ewmh.activeWindow();
            const auto owner = active ? applicationOfWindow(ewmh, *active) : std::nullopt;
            if (!owner) {
                return std::nullopt;
            }
            return FrontWindow{*active, *owner};
        });
    });
}

void SharedDisplay::catchUp() {
    const Atoms& atoms = display_->atoms();
    catchUpWithMappings(display_->get(), nullptr, [&](const XEvent& event) {
        front_.notice(event, display_->root(), atoms.netActiveWindow, atoms.netClientList);
    });
}

}  // namespace velmor::x11
