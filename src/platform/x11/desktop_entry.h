#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor::x11 {

// What the workspace needs to know of one application's desktop entry.
struct DesktopEntry {
    std::string desktopId;  // e.g. "org.example.Editor.desktop"
    std::filesystem::path file;
    std::string name;
    std::string startupWMClass;  // empty when the entry names none
    bool noDisplay = false;
    std::vector<std::string> categories;
    std::vector<std::string> mimeTypes;
    std::vector<std::string> onlyShowIn;
    std::vector<std::string> notShowIn;

    // What its running windows are matched by: StartupWMClass, else the desktop id without
    // its ".desktop".
    std::string applicationId() const;
    bool hasCategory(std::string_view category) const;
    bool handles(std::string_view mimeType) const;
    // Whether the desktop named by these $XDG_CURRENT_DESKTOP names shows it.
    bool shownOn(const std::vector<std::string>& currentDesktops) const;
};

// Nothing when the file is no launchable application entry: unreadable, of another type,
// Hidden, or naming a program that is not installed.
std::optional<DesktopEntry> loadDesktopEntry(const std::filesystem::path& file,
                                             std::string desktopId);

// Whether two WM_CLASS classes, application ids or names are the same: programs spell their
// class in one letter case and their desktop id in another.
bool sameIgnoringCase(std::string_view first, std::string_view second);

}  // namespace velmor::x11
