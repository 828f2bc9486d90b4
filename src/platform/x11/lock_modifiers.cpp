#include "platform/x11/lock_modifiers.h"

#include <X11/keysym.h>

#include <memory>

namespace velmor::x11 {
namespace {

struct ModifierMapDeleter {
    void operator()(XModifierKeymap* map) const { XFreeModifiermap(map); }
};

// The modifier mask a key sym is mapped to, 0 when it is on none.
unsigned int maskOf(::Display* display, const XModifierKeymap& map, KeySym sym) {
    const KeyCode code = XKeysymToKeycode(display, sym);
    if (code == 0) {
        return 0;
    }
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < map.max_keypermod; ++i) {
            if (map.modifiermap[modifier * map.max_keypermod + i] == code) {
                return 1u << modifier;
            }
        }
    }
    return 0;
}

}  // namespace

std::vector<unsigned int> lockModifierCombinations(::Display* display) {
    std::vector<unsigned int> locks{LockMask};
    const std::unique_ptr<XModifierKeymap, ModifierMapDeleter> map(XGetModifierMapping(display));
    if (map) {
        for (KeySym sym : {XK_Num_Lock, XK_Scroll_Lock}) {
            const unsigned int mask = maskOf(display, *map, sym);
            if (mask != 0 && mask != LockMask) {
                locks.push_back(mask);
            }
        }
    }
    std::vector<unsigned int> combinations;
    for (unsigned int subset = 0; subset < (1u << locks.size()); ++subset) {
        unsigned int mask = 0;
        for (std::size_t i = 0; i < locks.size(); ++i) {
            if ((subset >> i) & 1u) {
                mask |= locks[i];
            }
        }
        combinations.push_back(mask);
    }
    return combinations;
}

}  // namespace velmor::x11
