#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmor::x11 {

// Starts a program and leaves it running on its own: nothing waits for it and it leaves no
// zombie behind. It runs on the display named (the caller's own when empty), in the user's
// pictures folder or else the home folder, where a tool that saves without asking leaves its
// file. Nothing when it started; why not otherwise.
std::optional<std::string> launchDetached(const std::vector<std::string>& argv,
                                          const std::string& displayName);

}  // namespace velmor::x11
