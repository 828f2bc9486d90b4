#pragma once

#include <X11/Xlib.h>

#include <optional>

#include "platform/workspace.h"

namespace velmor::x11 {

// The active window and the application that owns it.
struct FrontWindow {
    Window window = 0;
    platform::RunningApplication owner;
};

// What one connection last read of the front window, kept until the server says the active
// window or the list of windows changed: a gesture's questions about the front window then
// cost no round trip. The connection selects property changes on the root window.
class FrontWindowMemo {
public:
    // Takes in an event the connection read.
    void notice(const XEvent& event, Window root, Atom activeWindow, Atom clientList);

    // The front window remembered, else read and remembered while its owner is known: a
    // window that names no process yet may name one later.
    template <typename Read>
    std::optional<FrontWindow> get(Read read) {
        if (!remembered_) {
            std::optional<FrontWindow> front = read();
            if (!front) {
                return std::nullopt;
            }
            remembered_ = std::move(front);
        }
        return remembered_;
    }

private:
    std::optional<FrontWindow> remembered_;
};

}  // namespace velmor::x11
