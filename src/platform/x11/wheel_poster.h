#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "core/point.h"
#include "platform/x11/button_map.h"
#include "platform/x11/display.h"
#include "platform/x11/own_wheel.h"

namespace velmor::x11 {

// Wheel clicks, and the odd button press, through XTest on a connection of its own, so a
// background thread can post while the tap's thread keeps its connection. Calls from
// several threads take turns.
class WheelPoster {
public:
    // Connects to the server named by `name`, or by $DISPLAY when it is empty.
    // `ownWheel`, when given, stops the clicks while the user holds a button.
    explicit WheelPoster(const std::string& name = {},
                         std::shared_ptr<OwnWheel> ownWheel = nullptr);

    bool connected() const { return display_.has_value(); }
    // Clicks the wheel `clicks` times away from the user (button 4) when positive, towards
    // the user (button 5) when negative, as windows see the buttons whatever the user's
    // button map; the server has them when this returns. The clicks stop when a hold
    // begins: false then.
    bool scroll(int clicks);
    // Moves the pointer to `at`, then presses or releases `button` there. As from the user:
    // the tap's grab sees it.
    bool press(unsigned int button, bool down, Point at);

private:
    // Reads what the server told the connection, following a changed button map.
    ::Display* caughtUp();

    std::mutex mutex_;
    std::optional<Display> display_;
    ButtonMap buttons_;
    std::shared_ptr<OwnWheel> ownWheel_;
};

}  // namespace velmor::x11
