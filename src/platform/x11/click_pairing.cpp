#include "platform/x11/click_pairing.h"

#include <utility>

#include "platform/x11/posted_events.h"

namespace velmor::x11 {

std::optional<ClickPairing::Click> ClickPairing::take(const platform::Event& event) {
    const std::optional<ButtonAction> action = buttonActionOf(event);
    if (!action) {
        return std::nullopt;
    }
    if (action->down) {
        pressed_ = Click{event.location, action->button};
        return std::nullopt;
    }
    if (!pressed_ || pressed_->button != action->button) {
        return std::nullopt;
    }
    return std::exchange(pressed_, std::nullopt);
}

}  // namespace velmor::x11
