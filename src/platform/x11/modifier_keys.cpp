#include "platform/x11/modifier_keys.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <memory>

namespace velmor::x11 {
namespace {

struct ModifierMapDeleter {
    void operator()(XModifierKeymap* map) const { XFreeModifiermap(map); }
};

bool isLockKey(::Display* display, KeyCode code) {
    const KeySym sym = XkbKeycodeToKeysym(display, code, 0, 0);
    return sym == XK_Caps_Lock || sym == XK_Num_Lock || sym == XK_Scroll_Lock ||
           sym == XK_Shift_Lock;
}

std::vector<KeyCode> readModifierKeys(::Display* display) {
    const std::unique_ptr<XModifierKeymap, ModifierMapDeleter> map(XGetModifierMapping(display));
    std::vector<KeyCode> keys;
    if (!map) {
        return keys;
    }
    for (int i = 0; i < 8 * map->max_keypermod; ++i) {
        const KeyCode code = map->modifiermap[i];
        if (code != 0 && !isLockKey(display, code) &&
            std::find(keys.begin(), keys.end(), code) == keys.end()) {
            keys.push_back(code);
        }
    }
    return keys;
}

}  // namespace

std::vector<KeyCode> ModifierKeys::held(::Display* display) {
    if (!keys_) {
        keys_ = readModifierKeys(display);
    }
    std::array<char, 32> down{};
    XQueryKeymap(display, down.data());
    std::vector<KeyCode> held;
    std::copy_if(keys_->begin(), keys_->end(), std::back_inserter(held),
                 [&](KeyCode code) { return (down[code / 8] >> (code % 8)) & 1; });
    return held;
}

}  // namespace velmor::x11
