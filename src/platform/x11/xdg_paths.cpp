#include "platform/x11/xdg_paths.h"

#include <glib.h>

#include "platform/files.h"
#include "platform/x11/user_dirs.h"

namespace velmor::x11 {

namespace {

constexpr std::uint64_t kMostUserDirsBytes = 64 * 1024;

std::optional<std::filesystem::path> baseFolder(const EnvironmentLookup& environment,
                                                const std::string& name) {
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) {
        return std::nullopt;
    }
    return *value;
}

std::filesystem::path baseFolder(const EnvironmentLookup& environment, const std::string& name,
                                 const std::filesystem::path& fallback) {
    return baseFolder(environment, name).value_or(fallback);
}

std::optional<std::string> processEnvironment(const std::string& name) {
    const char* value = g_getenv(name.c_str());
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

// GLib keeps the first home it found for the rest of the process; HOME as it is now wins.
std::filesystem::path currentHome() {
    const std::optional<std::string> home = processEnvironment("HOME");
    if (home && std::filesystem::path(*home).is_absolute()) {
        return *home;
    }
    return g_get_home_dir();
}

std::filesystem::path withoutTrailingSlash(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

XdgPaths::XdgPaths() : XdgPaths(currentHome(), &processEnvironment) {}

XdgPaths::XdgPaths(std::filesystem::path home, const EnvironmentLookup& environment)
    : home_(std::move(home)),
      configHome_(baseFolder(environment, "XDG_CONFIG_HOME", home_ / ".config")),
      dataHome_(baseFolder(environment, "XDG_DATA_HOME", home_ / ".local" / "share")),
      stateFolder_(baseFolder(environment, "XDG_STATE_HOME", home_ / ".local" / "state") /
                   "velmor"),
      runtimeFolder_(baseFolder(environment, "XDG_RUNTIME_DIR")) {}

std::filesystem::path XdgPaths::desktopFolder() const {
    const auto text = files::readRegularFile(configHome_ / "user-dirs.dirs", kMostUserDirsBytes);
    if (text) {
        const auto desktop = parseUserDir(*text, "XDG_DESKTOP_DIR", home_);
        if (desktop && files::isFolder(*desktop) && !isHome(*desktop)) {
            return *desktop;
        }
    }
    files::createFolders(stateFolder_);
    return stateFolder_;
}

std::filesystem::path XdgPaths::settingsFile() const {
    return configHome_ / "velmor" / "com.brisvane.velmor.plist";
}

bool XdgPaths::isHome(const std::filesystem::path& folder) const {
    std::error_code error;
    if (std::filesystem::equivalent(folder, home_, error)) {
        return true;
    }
    return withoutTrailingSlash(folder) == withoutTrailingSlash(home_);
}

}  // namespace velmor::x11
