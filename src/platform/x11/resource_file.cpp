#include "platform/x11/resource_file.h"

#include <filesystem>

#include "platform/resource_folder.h"

namespace velmor::x11 {

std::optional<std::string> resourceFile(const std::string& name, const std::string& type) {
    const std::optional<std::filesystem::path> folder = platform::findResourceFolder();
    if (!folder) {
        return std::nullopt;
    }
    const std::filesystem::path file = *folder / (type.empty() ? name : name + "." + type);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    return file.string();
}

}  // namespace velmor::x11
