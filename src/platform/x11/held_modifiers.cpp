#include "platform/x11/held_modifiers.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>
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

}  // namespace

std::vector<KeyCode> heldModifierKeys(::Display* display) {
    std::array<char, 32> keys{};
    XQueryKeymap(display, keys.data());
    const std::unique_ptr<XModifierKeymap, ModifierMapDeleter> map(XGetModifierMapping(display));
    std::vector<KeyCode> held;
    if (!map) {
        return held;
    }
    for (int i = 0; i < 8 * map->max_keypermod; ++i) {
        const KeyCode code = map->modifiermap[i];
        const bool down = code != 0 && (keys[code / 8] >> (code % 8)) & 1;
        if (down && !isLockKey(display, code) &&
            std::find(held.begin(), held.end(), code) == held.end()) {
            held.push_back(code);
        }
    }
    return held;
}

}  // namespace velmor::x11
