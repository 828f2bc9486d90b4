#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace velmor::x11 {

// The keys the server maps to modifiers (Shift, Control, Alt, Super and the like, not the
// locks) on one connection. Learnt once and kept until the server announces a new mapping, so
// that a shortcut only has to ask which keys are down.
class ModifierKeys {
public:
    // Those of them that are down on the keyboard right now, as the server's key map shows.
    std::vector<KeyCode> held(::Display* display);
    // For a MappingNotify: the next question learns the keys again.
    void forget() { keys_.reset(); }

private:
    std::optional<std::vector<KeyCode>> keys_;
};

}  // namespace velmor::x11
