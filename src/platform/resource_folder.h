#pragma once

#include <filesystem>
#include <optional>

namespace velmor::platform {

// The folder of the program's images and icons, found beside the running executable:
// "resources" next to it in the build tree, "../share/velmor/resources" once installed.
// Nothing when neither exists.
std::optional<std::filesystem::path> findResourceFolder();

}  // namespace velmor::platform
