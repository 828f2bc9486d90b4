#include "platform/x11/default_handler.h"

#include <glib.h>

#include <string>

#include "platform/x11/application_catalog.h"

namespace velmor::x11 {
namespace {

// The desktop ids a group of one mimeapps.list names for the type, in its order.
std::vector<std::string> namedHandlers(const std::filesystem::path& list, const char* group,
                                       const std::string& mimeType) {
    g_autoptr(GKeyFile) file = g_key_file_new();
    if (!g_key_file_load_from_file(file, list.c_str(), G_KEY_FILE_NONE, nullptr)) {
        return {};
    }
    g_auto(GStrv) ids = g_key_file_get_string_list(file, group, mimeType.c_str(), nullptr, nullptr);
    std::vector<std::string> named;
    for (char** id = ids; id != nullptr && *id != nullptr; ++id) {
        named.emplace_back(*id);
    }
    return named;
}

std::optional<DesktopEntry> firstNamedInstalled(const DesktopFolders& folders,
                                                const std::vector<DesktopEntry>& installed,
                                                const char* group, const std::string& mimeType) {
    for (const std::filesystem::path& list : folders.mimeAppsLists()) {
        for (const std::string& id : namedHandlers(list, group, mimeType)) {
            if (std::optional<DesktopEntry> entry = findByDesktopId(installed, id)) {
                return entry;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<DesktopEntry> defaultHandler(const DesktopFolders& folders,
                                           const std::vector<DesktopEntry>& installed,
                                           std::string_view mimeType) {
    const std::string type(mimeType);
    for (const char* group : {"Default Applications", "Added Associations"}) {
        if (std::optional<DesktopEntry> entry =
                firstNamedInstalled(folders, installed, group, type)) {
            return entry;
        }
    }
    for (const DesktopEntry& entry : installed) {
        if (entry.handles(mimeType)) {
            return entry;
        }
    }
    return std::nullopt;
}

}  // namespace velmor::x11
