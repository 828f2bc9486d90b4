#pragma once

#include <X11/Xlib.h>

#include <vector>

namespace velmor::x11 {

// Every combination of the lock modifiers (Caps Lock, Num Lock, Scroll Lock where the
// keyboard maps them), the empty one first. A passive grab for one modifier state misses
// presses made with a lock on, so a grab is made once per combination.
std::vector<unsigned int> lockModifierCombinations(::Display* display);

}  // namespace velmor::x11
