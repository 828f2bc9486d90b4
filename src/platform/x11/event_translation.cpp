#include "platform/x11/event_translation.h"

namespace velmor::x11 {
namespace {

namespace type = platform::event_type;
namespace field = platform::event_field;

// The event services number left 0, right 1, middle 2 and the side buttons on from 3; X
// numbers left 1, middle 2, right 3, and the side buttons from 8, after the wheel's four.
std::int64_t buttonNumber(unsigned int button) {
    switch (button) {
        case Button1:
            return 0;
        case Button2:
            return 2;
        case Button3:
            return 1;
        default:
            return static_cast<std::int64_t>(button) - 5;
    }
}

platform::Event pointerEvent(std::uint32_t eventType, const XButtonEvent& button) {
    return platform::Event(eventType,
                           {static_cast<double>(button.x_root), static_cast<double>(button.y_root)},
                           flagsForState(button.state));
}

platform::Event scrollEvent(const XButtonEvent& button) {
    platform::Event event = pointerEvent(type::kScrollWheel, button);
    // Button 4 turns the wheel away from the user, the services' positive delta.
    switch (button.button) {
        case Button4:
            event.setIntegerField(field::kScrollWheelDeltaAxis1, 1);
            break;
        case Button5:
            event.setIntegerField(field::kScrollWheelDeltaAxis1, -1);
            break;
        case 6:
            event.setIntegerField(kScrollWheelDeltaAxis2, 1);
            break;
        default:
            event.setIntegerField(kScrollWheelDeltaAxis2, -1);
            break;
    }
    return event;
}

bool isWheel(unsigned int button) {
    return button >= Button4 && button <= 7;
}

std::optional<platform::Event> buttonPress(const XButtonEvent& button) {
    if (isWheel(button.button)) {
        return scrollEvent(button);
    }
    if (button.button == Button3) {
        return pointerEvent(type::kRightMouseDown, button);
    }
    if (button.button == Button1) {
        return pointerEvent(kLeftMouseDown, button);
    }
    platform::Event event = pointerEvent(type::kOtherMouseDown, button);
    event.setIntegerField(field::kMouseButtonNumber, buttonNumber(button.button));
    return event;
}

std::optional<platform::Event> buttonRelease(const XButtonEvent& button) {
    if (isWheel(button.button)) {
        return std::nullopt;
    }
    if (button.button == Button3) {
        return pointerEvent(type::kRightMouseUp, button);
    }
    if (button.button == Button1) {
        return pointerEvent(kLeftMouseUp, button);
    }
    platform::Event event = pointerEvent(type::kOtherMouseUp, button);
    event.setIntegerField(field::kMouseButtonNumber, buttonNumber(button.button));
    return event;
}

std::optional<platform::Event> motion(const XMotionEvent& moved) {
    if ((moved.state & Button3Mask) == 0) {
        return std::nullopt;
    }
    return platform::Event(type::kRightMouseDragged,
                           {static_cast<double>(moved.x_root), static_cast<double>(moved.y_root)},
                           flagsForState(moved.state));
}

std::optional<platform::Event> key(const XKeyEvent& pressed, bool down, KeyCode mKey) {
    if (mKey == 0 || pressed.keycode != mKey) {
        return std::nullopt;
    }
    platform::Event event(
        down ? type::kKeyDown : type::kKeyUp,
        {static_cast<double>(pressed.x_root), static_cast<double>(pressed.y_root)},
        flagsForState(pressed.state));
    event.setIntegerField(field::kKeyboardKeycode, kMKeyCode);
    return event;
}

}  // namespace

std::optional<platform::Event> translateEvent(const XEvent& event, KeyCode mKey) {
    switch (event.type) {
        case ButtonPress:
            return buttonPress(event.xbutton);
        case ButtonRelease:
            return buttonRelease(event.xbutton);
        case MotionNotify:
            return motion(event.xmotion);
        case KeyPress:
            return key(event.xkey, true, mKey);
        case KeyRelease:
            return key(event.xkey, false, mKey);
        default:
            return std::nullopt;
    }
}

std::uint64_t flagsForState(unsigned int state) {
    std::uint64_t flags = 0;
    if (state & LockMask) {
        flags |= 0x10000;  // caps lock
    }
    if (state & ShiftMask) {
        flags |= 0x20000;
    }
    if (state & ControlMask) {
        flags |= 0x40000;
    }
    if (state & Mod1Mask) {
        flags |= 0x80000;  // Alt, the services' option
    }
    if (state & Mod4Mask) {
        flags |= 0x100000;  // Super, the services' command
    }
    return flags;
}

}  // namespace velmor::x11
