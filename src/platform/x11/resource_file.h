#pragma once

#include <optional>
#include <string>

namespace velmor::x11 {

// A file of the program's resource folder, "name.type" (or "name" with no type); nothing when
// it is missing.
std::optional<std::string> resourceFile(const std::string& name, const std::string& type);

}  // namespace velmor::x11
