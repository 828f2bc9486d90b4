#include "platform/x11/seen_modifiers.h"

#include <X11/X.h>

namespace velmor::x11 {
namespace {

constexpr unsigned int kModifierBits =
    ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask | Mod4Mask | Mod5Mask;

}  // namespace

void SeenModifiers::saw(unsigned int state, std::span<const unsigned int> lockCombinations,
                        Clock::time_point at) {
    unsigned int held = state & kModifierBits;
    for (unsigned int locks : lockCombinations) {
        held &= ~locks;
    }
    noneDownAt_.store(held == 0 ? at.time_since_epoch().count() : 0);
}

bool SeenModifiers::noneDown(Clock::time_point now) const {
    const Clock::rep at = noneDownAt_.load();
    return at != 0 && now - Clock::time_point(Clock::duration(at)) < kFresh;
}

}  // namespace velmor::x11
