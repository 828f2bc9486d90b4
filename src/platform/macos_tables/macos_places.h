#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/paths.h"
#include "platform/workspace.h"

// Well-known places and applications of a Mac, shared by the simulated platform and a macOS
// backend.
namespace velmor::macos {

// The application's name, as launched by name, and its bundle path.
std::string_view wellKnownApplicationName(platform::WellKnownApplication application);
std::string wellKnownApplicationPath(platform::WellKnownApplication application);

// The bundle identifier of the application for the role; the same on every version of
// macOS, also where System Preferences became System Settings.
std::string_view wellKnownApplicationIdentifier(platform::WellKnownApplication application);

// Where an application launched by its name may be installed, in the order the folders are
// searched: the system's applications, the computer's, the user's, then the utilities.
std::vector<std::filesystem::path> applicationCandidates(std::string_view name,
                                                         const std::filesystem::path& home);

// Whether the path's last component is an application bundle's name (ends in ".app").
bool namesApplicationBundle(std::string_view path);

// The web browsers, by exact bundle identifier.
bool isWebBrowser(std::string_view bundleIdentifier);

// The folders of a Mac under a home folder.
class MacPaths : public platform::Paths {
public:
    explicit MacPaths(std::filesystem::path home) : home_(std::move(home)) {}

    std::filesystem::path desktopFolder() const override { return home_ / "Desktop"; }
    std::filesystem::path applicationSupportFolder() const override {
        return home_ / "Library" / "Application Support";
    }
    std::string applicationsFolder() const override { return "/Applications"; }
    std::string applicationFileType() const override { return "app"; }

private:
    std::filesystem::path home_;
};

}  // namespace velmor::macos
