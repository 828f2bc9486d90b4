#pragma once

#include "platform/x11/display.h"

namespace velmor::x11 {

// The passive grab of one key on the root window with any modifiers, the keyboard freezing
// at each press until the tap answers. Released when destroyed; a press already caught stays
// with this client until its release, which the tap therefore still sees.
class KeyGrab {
public:
    KeyGrab(Display& display, KeyCode key);
    ~KeyGrab();
    KeyGrab(const KeyGrab&) = delete;
    KeyGrab& operator=(const KeyGrab&) = delete;

    // False when another client holds the key.
    bool held() const { return held_; }

private:
    Display& display_;
    KeyCode key_;
    bool held_ = false;
};

}  // namespace velmor::x11
