#include "platform/x11/desktop_entry.h"

#include <gio/gdesktopappinfo.h>

#include <algorithm>
#include <cctype>

#include "platform/x11/desktop_visibility.h"

namespace velmor::x11 {
namespace {

constexpr std::string_view kDesktopSuffix = ".desktop";

std::vector<std::string> stringArray(const char* const* array) {
    std::vector<std::string> items;
    for (; array != nullptr && *array != nullptr; ++array) {
        items.emplace_back(*array);
    }
    return items;
}

const char* categoriesOf(GDesktopAppInfo* info) {
    const char* categories = g_desktop_app_info_get_categories(info);
    return categories != nullptr ? categories : "";
}

std::vector<std::string> keyList(GDesktopAppInfo* info, const char* key) {
    g_auto(GStrv) items = g_desktop_app_info_get_string_list(info, key, nullptr);
    return stringArray(items);
}

bool contains(const std::vector<std::string>& items, std::string_view item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

}  // namespace

std::string DesktopEntry::applicationId() const {
    if (!startupWMClass.empty()) {
        return startupWMClass;
    }
    std::string_view id = desktopId;
    if (id.ends_with(kDesktopSuffix)) {
        id.remove_suffix(kDesktopSuffix.size());
    }
    return std::string(id);
}

bool DesktopEntry::hasCategory(std::string_view category) const {
    return contains(categories, category);
}

bool DesktopEntry::handles(std::string_view mimeType) const {
    return contains(mimeTypes, mimeType);
}

bool DesktopEntry::shownOn(const std::vector<std::string>& currentDesktops) const {
    return shownOnDesktops(onlyShowIn, notShowIn, currentDesktops);
}

std::optional<DesktopEntry> loadDesktopEntry(const std::filesystem::path& file,
                                             std::string desktopId) {
    g_autoptr(GDesktopAppInfo) info = g_desktop_app_info_new_from_filename(file.c_str());
    if (info == nullptr || g_desktop_app_info_get_is_hidden(info)) {
        return std::nullopt;
    }
    GAppInfo* app = G_APP_INFO(info);
    const char* name = g_app_info_get_name(app);
    const char* startupClass = g_desktop_app_info_get_startup_wm_class(info);
    return DesktopEntry{
        std::move(desktopId),
        file,
        name != nullptr ? name : "",
        startupClass != nullptr ? startupClass : "",
        g_desktop_app_info_get_nodisplay(info) != FALSE,
        splitList(categoriesOf(info), ';'),
        stringArray(g_app_info_get_supported_types(app)),
        keyList(info, "OnlyShowIn"),
        keyList(info, "NotShowIn"),
    };
}

bool sameIgnoringCase(std::string_view first, std::string_view second) {
    return std::equal(
        first.begin(), first.end(), second.begin(), second.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

}  // namespace velmor::x11
