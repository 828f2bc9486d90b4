// Whether the tap's last button event showed a modifier key down, and for how long to trust it.
#include <gtest/gtest.h>

#include <X11/X.h>

#include <array>

#include "platform/x11/seen_modifiers.h"

namespace velmor::x11::testing {
namespace {

using Clock = SeenModifiers::Clock;

// Caps Lock, and Num Lock on Mod2 as most keyboards have it, in every combination.
constexpr std::array<unsigned int, 4> kLocks{0, LockMask, Mod2Mask, LockMask | Mod2Mask};

TEST(SeenModifiersTest, LocksAndButtonsAreNoModifierKeysHeld) {
    const Clock::time_point at = Clock::now();
    SeenModifiers seen;
    EXPECT_FALSE(seen.noneDown(at)) << "nothing seen yet";

    for (unsigned int state : {0, Button3Mask, LockMask | Mod2Mask | Button3Mask}) {
        seen.saw(state, kLocks, at);
        EXPECT_TRUE(seen.noneDown(at)) << state;
    }
    for (unsigned int held : {ShiftMask, ControlMask, Mod1Mask, Mod3Mask, Mod4Mask, Mod5Mask}) {
        seen.saw(held | LockMask | Button3Mask, kLocks, at);
        EXPECT_FALSE(seen.noneDown(at)) << held;
    }
    // Where Num Lock is not a lock modifier, its bit is a key held.
    seen.saw(Mod2Mask, std::array<unsigned int, 2>{0, LockMask}, at);
    EXPECT_FALSE(seen.noneDown(at));
}

TEST(SeenModifiersTest, IsTrustedOnlyForAMomentAfterTheEvent) {
    const Clock::time_point at = Clock::now();
    SeenModifiers seen;
    seen.saw(0, kLocks, at);
    EXPECT_TRUE(seen.noneDown(at + SeenModifiers::kFresh - std::chrono::milliseconds(1)));
    EXPECT_FALSE(seen.noneDown(at + SeenModifiers::kFresh));
}

}  // namespace
}  // namespace velmor::x11::testing
