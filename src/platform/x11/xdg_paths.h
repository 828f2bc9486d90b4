#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/paths.h"

namespace velmor::x11 {

// An environment variable's value; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// Where things are on a freedesktop system. The base folders are read once, when it is made;
// an empty or relative XDG_* value counts as unset. Any thread.
class XdgPaths : public platform::Paths {
public:
    // The user's home and the process environment.
    XdgPaths();
    XdgPaths(std::filesystem::path home, const EnvironmentLookup& environment);

    // XDG_DESKTOP_DIR of user-dirs.dirs when that folder exists and is not the home itself;
    // otherwise the state folder, made when missing, so the gesture log never litters home.
    std::filesystem::path desktopFolder() const override;
    std::filesystem::path applicationSupportFolder() const override { return dataHome_; }
    std::string applicationsFolder() const override { return "/usr/share/applications"; }
    std::string applicationFileType() const override { return "desktop"; }

    std::filesystem::path settingsFile() const;
    const std::filesystem::path& home() const { return home_; }
    const std::filesystem::path& configHome() const { return configHome_; }
    const std::filesystem::path& stateFolder() const { return stateFolder_; }
    // XDG_RUNTIME_DIR: the user's own, private to them and emptied at logout.
    const std::optional<std::filesystem::path>& runtimeFolder() const { return runtimeFolder_; }

private:
    bool isHome(const std::filesystem::path& folder) const;

    std::filesystem::path home_;
    std::filesystem::path configHome_;
    std::filesystem::path dataHome_;
    std::filesystem::path stateFolder_;
    std::optional<std::filesystem::path> runtimeFolder_;
};

}  // namespace velmor::x11
