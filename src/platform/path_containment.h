#pragma once

#include <filesystem>

namespace velmor::files {

// Whether the item is the folder itself or lies somewhere inside it. Both paths are first
// made absolute with every link resolved (as far as they exist), and a folder on the item's
// way up counts when it is the same folder on disk, so neither a link nor another spelling
// of the path (letter case on a case-insensitive disk) hides where the item really is.
bool liesWithinFolder(const std::filesystem::path& item, const std::filesystem::path& folder);

}  // namespace velmor::files
