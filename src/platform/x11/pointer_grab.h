#pragma once

#include <vector>

#include "platform/x11/display.h"

namespace velmor::x11 {

// The passive grab of the right and middle buttons on the root window, for every state of
// the lock modifiers. The pointer freezes at each grabbed press until the tap answers, so a
// press can still be handed on to the window under the pointer. Released when destroyed.
class PointerGrab {
public:
    explicit PointerGrab(Display& display);
    ~PointerGrab() { release(); }
    PointerGrab(const PointerGrab&) = delete;
    PointerGrab& operator=(const PointerGrab&) = delete;

    // True when every grab is held afterwards; false when another client holds one of them
    // (BadAccess), and then none is left behind.
    bool grab();
    // Returns once the server has let go of a held grab.
    void release();
    bool held() const { return held_; }
    // The lock modifiers were moved to other keys (MappingNotify with MappingModifier): the
    // states are worked out again, and a held grab is taken again for them.
    void followLockModifiers();
    const std::vector<unsigned int>& lockCombinations() const { return lockCombinations_; }

private:
    void ungrabAll();

    Display& display_;
    std::vector<unsigned int> lockCombinations_;
    bool held_ = false;
};

}  // namespace velmor::x11
