#include "platform/resource_folder.h"

#include <system_error>

namespace velmor::platform {

bool runsInstalled() {
    const std::optional<std::filesystem::path> folder = findResourceFolder();
    return folder && folder->parent_path().filename() == "velmor" &&
           folder->parent_path().parent_path().filename() == "share";
}

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
