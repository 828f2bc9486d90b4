#include "platform/x11/well_known_applications.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "platform/x11/application_catalog.h"
#include "platform/x11/default_handler.h"

namespace velmor::x11 {
namespace {

// The settings programs of the common desktops; the first installed one wins.
constexpr auto kSettingsEntries = std::to_array<std::string_view>({
    "org.gnome.Settings.desktop",
    "gnome-control-center.desktop",
    "systemsettings.desktop",
    "org.kde.systemsettings.desktop",
    "kdesystemsettings.desktop",
    "xfce-settings-manager.desktop",
    "org.xfce.settings.manager.desktop",
    "cinnamon-settings.desktop",
    "mate-control-center.desktop",
    "budgie-control-center.desktop",
    "lxqt-config.desktop",
    "unity-control-center.desktop",
});

// The first shown entry in all the categories, else the first hidden from menus.
std::optional<DesktopEntry> firstInCategories(const std::vector<DesktopEntry>& installed,
                                              std::initializer_list<std::string_view> categories) {
    std::optional<DesktopEntry> unlisted;
    for (const DesktopEntry& entry : installed) {
        if (!std::all_of(categories.begin(), categories.end(),
                         [&](std::string_view category) { return entry.hasCategory(category); })) {
            continue;
        }
        if (!entry.noDisplay) {
            return entry;
        }
        if (!unlisted) {
            unlisted = entry;
        }
    }
    return unlisted;
}

std::optional<DesktopEntry> settingsEntry(const std::vector<DesktopEntry>& installed) {
    for (std::string_view id : kSettingsEntries) {
        if (std::optional<DesktopEntry> entry = findByDesktopId(installed, id)) {
            return entry;
        }
    }
    return firstInCategories(installed, {"Settings", "DesktopSettings"});
}

}  // namespace

std::optional<DesktopEntry> wellKnownEntry(platform::WellKnownApplication role,
                                           const DesktopFolders& folders,
                                           const std::vector<DesktopEntry>& everything) {
    using platform::WellKnownApplication;
    // What this desktop does not show is another desktop's: GNOME's settings on Xfce.
    std::vector<DesktopEntry> installed;
    std::copy_if(everything.begin(), everything.end(), std::back_inserter(installed),
                 [&](const DesktopEntry& entry) { return entry.shownOn(folders.currentDesktops); });
    switch (role) {
        case WellKnownApplication::systemSettings:
            return settingsEntry(installed);
        case WellKnownApplication::notes:
            if (auto editor = defaultHandler(folders, installed, "text/plain")) {
                return editor;
            }
            return firstInCategories(installed, {"TextEditor"});
        case WellKnownApplication::music:
            if (auto player = defaultHandler(folders, installed, "audio/mpeg")) {
                return player;
            }
            return firstInCategories(installed, {"Audio", "Player"});
    }
    return std::nullopt;
}

}  // namespace velmor::x11
