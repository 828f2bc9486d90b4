#include "platform/x11/application_catalog.h"

#include <algorithm>
#include <set>
#include <string>

namespace velmor::x11 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDesktopSuffix = ".desktop";

bool namesDesktopEntry(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.size() > kDesktopSuffix.size() && name.ends_with(kDesktopSuffix);
}

// A file in a subfolder is known by its folders and name joined with '-'.
std::string desktopIdOf(const fs::path& relative) {
    std::string id;
    for (const fs::path& part : relative) {
        if (!id.empty()) {
            id += '-';
        }
        id += part.string();
    }
    return id;
}

std::optional<fs::path> relativeInside(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    const fs::path realFolder = fs::canonical(folder, error);
    if (error) {
        return std::nullopt;
    }
    fs::path relative = file.lexically_relative(realFolder);
    if (relative.empty() || *relative.begin() == "..") {
        return std::nullopt;
    }
    return relative;
}

// The path with its folder's links resolved but its own name kept, then the file it finally
// names: the two places that may make it installed.
std::vector<fs::path> placesOf(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    std::vector<fs::path> places;
    if (const fs::path folder = fs::canonical(absolute.parent_path(), error); !error) {
        places.push_back(folder / absolute.filename());
    }
    if (const fs::path target = fs::canonical(absolute, error); !error) {
        places.push_back(target);
    }
    return places;
}

}  // namespace

std::optional<DesktopEntry> ApplicationCatalog::entryAt(const fs::path& path) const {
    for (const fs::path& place : placesOf(path)) {
        std::error_code error;
        if (!namesDesktopEntry(place) || !fs::is_regular_file(place, error)) {
            continue;
        }
        for (const fs::path& folder : folders_.applicationFolders()) {
            if (const std::optional<fs::path> relative = relativeInside(place, folder)) {
                std::optional<DesktopEntry> winner =
                    findByDesktopId(installed(), desktopIdOf(*relative));
                if (!winner || !winner->shownOn(folders_.currentDesktops)) {
                    return std::nullopt;
                }
                return winner;
            }
        }
    }
    return std::nullopt;
}

std::vector<DesktopEntry> ApplicationCatalog::installed() const {
    std::vector<DesktopEntry> entries;
    std::set<std::string, std::less<>> seen;
    for (const fs::path& folder : folders_.applicationFolders()) {
        std::error_code error;
        for (fs::recursive_directory_iterator item(
                 folder, fs::directory_options::skip_permission_denied, error);
             !error && item != fs::recursive_directory_iterator(); item.increment(error)) {
            std::error_code kindError;
            if (!namesDesktopEntry(item->path()) || !item->is_regular_file(kindError)) {
                continue;
            }
            std::string id = desktopIdOf(item->path().lexically_relative(folder));
            if (!seen.insert(id).second) {
                continue;
            }
            if (std::optional<DesktopEntry> entry = loadDesktopEntry(item->path(), std::move(id))) {
                entries.push_back(std::move(*entry));
            }
        }
    }
    // The order of a folder listing is the file system's: sorted, the first fit is stable.
    std::sort(entries.begin(), entries.end(), [](const DesktopEntry& a, const DesktopEntry& b) {
        return a.desktopId < b.desktopId;
    });
    return entries;
}

std::optional<DesktopEntry> findByDesktopId(const std::vector<DesktopEntry>& entries,
                                            std::string_view desktopId) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const DesktopEntry& entry) {
        return entry.desktopId == desktopId;
    });
    return found != entries.end() ? std::optional(*found) : std::nullopt;
}

std::optional<DesktopEntry> findByApplicationId(const std::vector<DesktopEntry>& entries,
                                                std::string_view applicationId) {
    for (const DesktopEntry& entry : entries) {
        if (!entry.startupWMClass.empty() &&
            sameIgnoringCase(entry.startupWMClass, applicationId)) {
            return entry;
        }
    }
    for (const DesktopEntry& entry : entries) {
        std::string_view id = entry.desktopId;
        id.remove_suffix(kDesktopSuffix.size());
        if (sameIgnoringCase(id, applicationId)) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace velmor::x11
