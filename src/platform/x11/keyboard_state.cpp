#include "platform/x11/keyboard_state.h"

#include "platform/x11/server_mappings.h"

namespace velmor::x11 {

bool KeyboardState::isDown(KeySym key) const {
    if (!display_) {
        return false;
    }
    const std::lock_guard lock(mutex_);
    catchUpWithMappings(display_->get());
    const KeyCode code = XKeysymToKeycode(display_->get(), key);
    if (code == 0) {
        return false;
    }
    char keys[32] = {};
    XQueryKeymap(display_->get(), keys);
    return (keys[code / 8] & (1 << (code % 8))) != 0;
}

}  // namespace velmor::x11
