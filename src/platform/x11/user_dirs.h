#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace velmor::x11 {

// The folder that a user-dirs.dirs text gives `key` (such as XDG_DESKTOP_DIR): a quoted
// value that is "$HOME", "$HOME/..." or absolute, with backslash escapes. The last valid
// line for the key counts; nothing when there is none.
std::optional<std::filesystem::path> parseUserDir(std::string_view text, std::string_view key,
                                                  const std::filesystem::path& home);

}  // namespace velmor::x11
