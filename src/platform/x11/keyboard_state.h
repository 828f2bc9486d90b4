#pragma once

#include <X11/Xlib.h>

#include <mutex>
#include <optional>
#include <string>

#include "platform/x11/display.h"

namespace velmor::x11 {

// Which keys are down, from the server's key map, on a connection of its own so that any
// thread may ask; calls from several threads take turns.
class KeyboardState {
public:
    // Connects to the server named by `name`, or by $DISPLAY when it is empty.
    explicit KeyboardState(const std::string& name = {}) : display_(Display::open(name)) {}

    // False for a key the keyboard has no code for, and without a connection.
    bool isDown(KeySym key) const;

private:
    mutable std::mutex mutex_;
    std::optional<Display> display_;
};

}  // namespace velmor::x11
