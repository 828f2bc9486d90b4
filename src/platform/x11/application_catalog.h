#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/x11/desktop_entry.h"
#include "platform/x11/desktop_folders.h"

namespace velmor::x11 {

// The applications installed on this desktop: the desktop entries in the application
// folders. Read from disk at every question, so an entry installed a moment ago counts.
class ApplicationCatalog {
public:
    explicit ApplicationCatalog(DesktopFolders folders) : folders_(std::move(folders)) {}

    const DesktopFolders& folders() const { return folders_; }

    // The installed entry a path names: the entry that wins for the path's desktop id, as
    // the desktop's own menu takes it, which may be the user's own in place of the path, and
    // only when this desktop shows it. The path counts when its folder, links resolved, lies
    // in an application folder (whoever may write there installs applications, even as a
    // link to a file elsewhere), or when the file it finally links to lies there. A desktop
    // entry anywhere else, such as a synced folder, is never an application: its Exec line
    // would run whatever it names. Nothing, too, where the user has hidden the id.
    std::optional<DesktopEntry> entryAt(const std::filesystem::path& path) const;

    // Every installed entry, an id in a folder that wins hiding the same id further on,
    // even when that first entry is Hidden.
    std::vector<DesktopEntry> installed() const;

private:
    DesktopFolders folders_;
};

// Lookups over the installed entries; the first that fits.
std::optional<DesktopEntry> findByDesktopId(const std::vector<DesktopEntry>& entries,
                                            std::string_view desktopId);
// By StartupWMClass, else by desktop id without ".desktop", letter case aside.
std::optional<DesktopEntry> findByApplicationId(const std::vector<DesktopEntry>& entries,
                                                std::string_view applicationId);

}  // namespace velmor::x11
