#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmor::x11 {

// The base folders where this desktop keeps installed applications and default handlers.
// Taken from the environment when asked, never cached, so a change before the workspace is
// made counts.
struct DesktopFolders {
    std::filesystem::path dataHome;
    std::vector<std::filesystem::path> dataDirs;
    std::filesystem::path configHome;
    std::vector<std::filesystem::path> configDirs;
    std::vector<std::string> currentDesktops;  // $XDG_CURRENT_DESKTOP, first first

    // $XDG_DATA_HOME, $XDG_DATA_DIRS, $XDG_CONFIG_HOME and $XDG_CONFIG_DIRS with their usual
    // defaults, relative entries ignored as the base folders must be absolute; and the
    // desktops $XDG_CURRENT_DESKTOP names.
    static DesktopFolders fromEnvironment();

    // Where installed desktop entries lie, the one that wins first.
    std::vector<std::filesystem::path> applicationFolders() const;
    // Every mimeapps.list that may name default handlers, the one that wins first: in each
    // folder a current desktop's own list ("xfce-mimeapps.list") before the common one.
    std::vector<std::filesystem::path> mimeAppsLists() const;
};

}  // namespace velmor::x11
