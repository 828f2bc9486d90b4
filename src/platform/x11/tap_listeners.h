#pragma once

#include <functional>
#include <memory>

#include "platform/x11/own_wheel.h"
#include "platform/x11/seen_modifiers.h"

namespace velmor::x11 {

// Who else hears of the tap's events; each may be absent.
struct TapListeners {
    // Hears of every hold, and tells the program's own wheel clicks from the user's.
    std::shared_ptr<OwnWheel> ownWheel;
    // Hears the modifier state of every button event.
    std::shared_ptr<SeenModifiers> seenModifiers;
    // On the main thread, once a right-button hold has begun: a moment, while the user draws,
    // to read what the gesture's action will need.
    std::function<void()> gestureHoldBegan;
};

}  // namespace velmor::x11
