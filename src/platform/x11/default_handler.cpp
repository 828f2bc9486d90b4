#include "platform/x11/default_handler.h"

#include <glib.h>

#include <algorithm>

#include <string>

#include "platform/x11/application_catalog.h"

namespace velmor::x11 {
namespace {

using Ids = std::vector<std::string>;

// The desktop ids a group of one mimeapps.list names for the type, in its order.
Ids namedHandlers(const std::filesystem::path& list, const char* group,
                  const std::string& mimeType) {
    g_autoptr(GKeyFile) file = g_key_file_new();
    if (!g_key_file_load_from_file(file, list.c_str(), G_KEY_FILE_NONE, nullptr)) {
        return {};
    }
    g_auto(GStrv) ids = g_key_file_get_string_list(file, group, mimeType.c_str(), nullptr, nullptr);
    Ids named;
    for (char** id = ids; id != nullptr && *id != nullptr; ++id) {
        named.emplace_back(*id);
    }
    return named;
}

bool holds(const Ids& ids, const std::string& id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

// The order the desktop's own file managers and menus follow: a default named in the list
// that wins and is installed; else the associations added, each list's removals applying to it and
// to the lists after it; else an installed entry that says it handles the type, unless a
// list removed it.
std::optional<DesktopEntry> defaultHandler(const DesktopFolders& folders,
                                           const std::vector<DesktopEntry>& installed,
                                           std::string_view mimeType) {
    const std::string type(mimeType);
    const std::vector<std::filesystem::path> lists = folders.mimeAppsLists();
    for (const std::filesystem::path& list : lists) {
        for (const std::string& id : namedHandlers(list, "Default Applications", type)) {
            if (std::optional<DesktopEntry> entry = findByDesktopId(installed, id)) {
                return entry;
            }
        }
    }
    Ids removed;
    for (const std::filesystem::path& list : lists) {
        const Ids removedHere = namedHandlers(list, "Removed Associations", type);
        removed.insert(removed.end(), removedHere.begin(), removedHere.end());
        for (const std::string& id : namedHandlers(list, "Added Associations", type)) {
            if (holds(removed, id)) {
                continue;
            }
            if (std::optional<DesktopEntry> entry = findByDesktopId(installed, id)) {
                return entry;
            }
        }
    }
    for (const DesktopEntry& entry : installed) {
        if (entry.handles(mimeType) && !holds(removed, entry.desktopId)) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace velmor::x11
