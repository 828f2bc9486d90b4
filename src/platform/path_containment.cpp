#include "platform/path_containment.h"

#include <system_error>

namespace velmor::files {

namespace {

std::filesystem::path resolved(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::weakly_canonical(path, error);
    if (error) {
        real = std::filesystem::absolute(path, error).lexically_normal();
    }
    // "/share/" and "/share" name the same folder.
    return real.has_filename() ? real : real.parent_path();
}

bool sameFolder(const std::filesystem::path& one, const std::filesystem::path& other) {
    std::error_code error;
    return one == other || std::filesystem::equivalent(one, other, error);
}

}  // namespace

bool liesWithinFolder(const std::filesystem::path& item, const std::filesystem::path& folder) {
    const std::filesystem::path realFolder = resolved(folder);
    for (std::filesystem::path step = resolved(item);; step = step.parent_path()) {
        if (sameFolder(step, realFolder)) {
            return true;
        }
        if (step == step.parent_path()) {
            return false;
        }
    }
}

}  // namespace velmor::files
