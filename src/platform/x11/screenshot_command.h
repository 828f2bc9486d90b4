#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmor::x11 {

// The program and arguments that let the user capture an area of the screen: the configured
// command, split into words as a shell would quote them but run without one, else the first
// area-capture tool found on PATH. Nothing when the setting cannot be split or no tool is
// found.
std::optional<std::vector<std::string>> screenshotCommand(
    const std::optional<std::string>& configured);

}  // namespace velmor::x11
