#pragma once

#include <filesystem>
#include <optional>

namespace velmor::platform {

// The folder of the program's images and icons, found beside the running executable:
// "resources" next to it in the build tree, "../share/velmor/resources" once installed.
// Nothing when neither exists.
std::optional<std::filesystem::path> findResourceFolder();

// Whether the running program is an installed one, its resources in the share folder, rather
// than one in its build tree.
bool runsInstalled();

}  // namespace velmor::platform
