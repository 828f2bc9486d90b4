#include "app/exclusion_menu.h"

#include <algorithm>

namespace velmor {

namespace {

bool isExcluded(const std::vector<NamedApplication>& excluded, const std::string& id) {
    return std::ranges::any_of(excluded,
                               [&id](const NamedApplication& app) { return app.id == id; });
}

platform::MenuItem excludeCurrentItem(const std::optional<NamedApplication>& frontmost,
                                      const std::vector<NamedApplication>& excluded) {
    platform::MenuItem item;
    item.action = exclusion_action::kExclude;
    item.identifier = "exclude-current-application";
    if (!frontmost) {
        item.title = exclusion_text::kExcludeCurrentTitle;
        item.enabled = false;
        return item;
    }
    item.title = VLExclusionText(exclusion_text::kExcludeCurrentFormat, frontmost->name);
    item.representedObject = frontmost->id;
    item.enabled = !isExcluded(excluded, frontmost->id);
    return item;
}

platform::MenuItem excludedItem(const NamedApplication& app) {
    platform::MenuItem item;
    item.title = app.name;
    item.action = exclusion_action::kInclude;
    item.checked = true;
    item.representedObject = app.id;
    item.identifier = "excluded-" + app.id;
    return item;
}

}  // namespace

platform::MenuItem VLMakeExclusionMenuItem(const std::optional<NamedApplication>& frontmost,
                                           const std::vector<NamedApplication>& excluded) {
    platform::MenuItem parent;
    parent.title = exclusion_text::kParentTitle;
    parent.submenuTitle = exclusion_text::kParentTitle;
    parent.identifier = kExclusionItemIdentifier;
    parent.submenu.push_back(excludeCurrentItem(frontmost, excluded));
    for (const NamedApplication& app : excluded) {
        parent.submenu.push_back(excludedItem(app));
    }
    return parent;
}

std::string VLExclusionText(std::string_view format, std::string_view name) {
    std::string text(format);
    if (const auto at = text.find("%@"); at != std::string::npos) {
        text.replace(at, 2, name);
    }
    return text;
}

}  // namespace velmor
