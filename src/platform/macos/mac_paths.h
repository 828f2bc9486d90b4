#pragma once

#include <filesystem>

#include "platform/paths.h"

namespace velmor::macos {

// This user's home folder, as the system names it.
std::filesystem::path userHomeFolder();

// The Desktop and the Application Support folders as the system names them for the user's
// own home folder, and as a Mac lays them out under any other.
class MacSystemPaths : public platform::Paths {
public:
    explicit MacSystemPaths(std::filesystem::path home) : home_(std::move(home)) {}

    std::filesystem::path desktopFolder() const override;
    std::filesystem::path applicationSupportFolder() const override;
    std::string applicationsFolder() const override { return "/Applications"; }
    std::string applicationFileType() const override { return "app"; }

private:
    std::filesystem::path home_;
};

}  // namespace velmor::macos
