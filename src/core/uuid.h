#pragma once

#include <string>

namespace velmor {

// A new random UUID in its canonical upper-case text form (8-4-4-4-12 hex digits).
std::string makeUuidString();

}  // namespace velmor
