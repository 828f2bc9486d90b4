#include "app/app_delegate.h"
#include "app/exclusion_menu.h"
#include "app/status_menu.h"
#include "input/excluded_applications.h"
#include "log/gesture_log.h"
#include "studio/studio_notice.h"

namespace velmor {

namespace {

// What the user can see of an item; handlers are not compared.
bool looksTheSame(const platform::MenuItem& a, const platform::MenuItem& b) {
    return a.title == b.title && a.enabled == b.enabled && a.checked == b.checked &&
           a.representedObject == b.representedObject;
}

bool looksTheSame(const std::vector<platform::MenuItem>& a,
                  const std::vector<platform::MenuItem>& b) {
    return std::ranges::equal(a, b,
                              [](const auto& x, const auto& y) { return looksTheSame(x, y); });
}

}  // namespace

std::string VLAppDelegate::applicationDisplayName(const std::string& id) {
    return platform_.workspace().applicationName(id).value_or(id);
}

platform::MenuItem VLAppDelegate::makeExclusionMenuItem() {
    std::optional<NamedApplication> frontmost;
    const auto front = platform_.workspace().frontmostApplication();
    if (front && front->applicationId &&
        *front->applicationId != platform_.workspace().ownApplicationId()) {
        frontmost =
            NamedApplication{*front->applicationId, applicationDisplayName(*front->applicationId)};
    }
    std::vector<NamedApplication> excluded;
    for (const std::string& id : VLExcludedApplications(platform_.defaults())) {
        excluded.push_back({id, applicationDisplayName(id)});
    }
    return VLMakeExclusionMenuItem(frontmost, excluded);
}

void VLAppDelegate::refreshExclusionMenu() {
    platform::MenuItem* shown = VLFindMenuItem(statusMenu_, kExclusionItemIdentifier);
    if (!shown) {
        return;
    }
    platform::MenuItem fresh = makeExclusionMenuItem();
    if (looksTheSame(shown->submenu, fresh.submenu)) {
        return;
    }
    VLAttachMenuHandler(fresh.submenu, menuHandler());
    shown->submenu = std::move(fresh.submenu);
    platform_.ui().submenuChanged(*shown);
}

void VLAppDelegate::excludeApplication(const platform::MenuItem& sender) {
    if (!sender.representedObject) {
        return;
    }
    const std::string& id = *sender.representedObject;
    if (!VLAddExcludedApplication(platform_.defaults(), id)) {
        refreshExclusionMenu();
        return;
    }
    platform_.defaults().synchronize();
    VLStudioLog(platform_, "gesture=exclusion added app=" + id);
    refreshExclusionMenu();
    studioNotice(VLExclusionText(exclusion_text::kAddedNoticeFormat, applicationDisplayName(id)),
                 std::string(exclusion_text::kAddedNoticeDetail));
}

void VLAppDelegate::includeApplication(const platform::MenuItem& sender) {
    if (!sender.representedObject) {
        return;
    }
    const std::string& id = *sender.representedObject;
    if (VLRemoveExcludedApplication(platform_.defaults(), id)) {
        platform_.defaults().synchronize();
        VLStudioLog(platform_, "gesture=exclusion removed app=" + id);
    }
    refreshExclusionMenu();
}

}  // namespace velmor
