#include "platform/resource_folder.h"

#include <system_error>

namespace velmor::platform {

std::optional<std::filesystem::path> findResourceFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::nullopt;
    }
    const auto folder = executable.parent_path();
    for (const auto& candidate :
         {folder / "resources", folder.parent_path() / "share" / "velmor" / "resources"}) {
        if (std::filesystem::is_directory(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace velmor::platform
