#include "platform/x11/desktop_folders.h"

#include <cctype>
#include <cstdlib>

#include <string_view>
#include "platform/x11/desktop_visibility.h"

namespace velmor::x11 {
namespace {

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    return home != nullptr ? home : "/";
}

std::filesystem::path folderFrom(const char* variable, const std::filesystem::path& fallback) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] != '/') {
        return fallback;
    }
    return value;
}

std::vector<std::filesystem::path> folderListFrom(const char* variable, std::string_view fallback) {
    const char* value = std::getenv(variable);
    std::string_view list = value != nullptr && value[0] != '\0' ? value : fallback;
    std::vector<std::filesystem::path> folders;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        if (entry.starts_with('/')) {
            folders.emplace_back(entry);
        }
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return folders;
}

std::string lowerCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

DesktopFolders DesktopFolders::fromEnvironment() {
    const std::filesystem::path home = homeFolder();
    return DesktopFolders{
        folderFrom("XDG_DATA_HOME", home / ".local" / "share"),
        folderListFrom("XDG_DATA_DIRS", "/usr/local/share:/usr/share"),
        folderFrom("XDG_CONFIG_HOME", home / ".config"),
        folderListFrom("XDG_CONFIG_DIRS", "/etc/xdg"),
        desktopNames(std::getenv("XDG_CURRENT_DESKTOP")),
    };
}

std::vector<std::filesystem::path> DesktopFolders::applicationFolders() const {
    std::vector<std::filesystem::path> folders{dataHome / "applications"};
    for (const std::filesystem::path& data : dataDirs) {
        folders.push_back(data / "applications");
    }
    return folders;
}

std::vector<std::filesystem::path> DesktopFolders::mimeAppsLists() const {
    std::vector<std::filesystem::path> folders{configHome};
    folders.insert(folders.end(), configDirs.begin(), configDirs.end());
    for (const std::filesystem::path& applications : applicationFolders()) {
        folders.push_back(applications);
    }
    std::vector<std::filesystem::path> lists;
    for (const std::filesystem::path& folder : folders) {
        for (const std::string& desktop : currentDesktops) {
            lists.push_back(folder / (lowerCase(desktop) + "-mimeapps.list"));
        }
        lists.push_back(folder / "mimeapps.list");
    }
    return lists;
}

}  // namespace velmor::x11
