#pragma once

#include <vector>

#include "platform/x11/display.h"

namespace velmor::x11 {

// The passive grab of one key on the root window, once for each state of the lock modifiers,
// the keyboard freezing at each press until the tap answers. Grabbing with any modifier would
// collide with every program that binds the key with some modifier (Super+M, say). Released
// when destroyed; a press already caught stays with this client until its release, which
// the tap therefore still sees.
class KeyGrab {
public:
    KeyGrab(Display& display, KeyCode key, const std::vector<unsigned int>& lockCombinations);
    ~KeyGrab();
    KeyGrab(const KeyGrab&) = delete;
    KeyGrab& operator=(const KeyGrab&) = delete;

    // False when another client holds the key in one of those states; nothing is held then.
    bool held() const { return held_; }

private:
    void ungrab();

    Display& display_;
    KeyCode key_;
    std::vector<unsigned int> lockCombinations_;
    bool held_ = false;
};

}  // namespace velmor::x11
