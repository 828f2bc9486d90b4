#include "app/status_menu.h"

#include "app/app_texts.h"
#include "input/middle_click.h"
#include "input/volume_wheel.h"
#include "studio/alphabet_menu.h"
#include "sync/sync_menu.h"

namespace velmor {

namespace {

platform::MenuItem labelItem(std::string_view title, std::string_view identifier) {
    platform::MenuItem item;
    item.title = title;
    item.enabled = false;
    item.identifier = identifier;
    return item;
}

platform::MenuItem separatorItem() {
    platform::MenuItem item;
    item.separator = true;
    return item;
}

platform::MenuItem actionItem(std::string_view title, std::string_view action,
                              std::string_view identifier = {}) {
    platform::MenuItem item;
    item.title = title;
    item.action = action;
    item.identifier = identifier.empty() ? action : identifier;
    return item;
}

platform::MenuItem syncMenuItem() {
    platform::MenuItem parent;
    parent.title = kVelmorSyncMenuParentTitle;
    parent.identifier = "sync";
    parent.submenuTitle = kVelmorSyncSubmenuTitle;
    for (const VLSyncMenuCommand& command : kVelmorSyncMenuCommands) {
        parent.submenu.push_back(actionItem(command.title, command.action));
    }
    return parent;
}

// Through the submenus too; const or not, as the menu is.
template <typename Items>
auto* findByIdentifier(Items& menu, std::string_view identifier) {
    for (auto& item : menu) {
        if (item.identifier == identifier) {
            return &item;
        }
        if (auto* inner = findByIdentifier(item.submenu, identifier)) {
            return inner;
        }
    }
    return static_cast<decltype(&menu.front())>(nullptr);
}

}  // namespace

platform::StatusItem VLMakeStatusBarItem(const std::optional<std::string>& imagePath) {
    platform::StatusItem item;
    item.length = 29.0;
    item.imagePath = imagePath;
    item.imageWidth = 25.0;
    item.imageHeight = 16.0;
    if (!imagePath) {
        item.title = app_text::kStatusItemFallbackTitle;
    }
    item.toolTip = app_text::kStatusItemToolTip;
    return item;
}

std::vector<platform::MenuItem> VLMakeStatusMenu(const platform::UserDefaults& defaults,
                                                 platform::DesktopConventions conventions) {
    using namespace app_text;
    std::vector<platform::MenuItem> menu;
    menu.push_back(labelItem(kVersionTitle, "version"));
    menu.push_back(separatorItem());
    menu.push_back(labelItem(kStatusChecking, menu_id::kInputStatus));
    menu.push_back(actionItem(kRestartInputTitle, menu_action::kRestartInput));
    platform::MenuItem volume = actionItem(
        kVolumeDirectionTitle, menu_action::kToggleVolumeWheelDirection, menu_id::kVolumeDirection);
    volume.checked = defaults.boolean(kVolumeWheelReverseDirectionKey);
    menu.push_back(std::move(volume));
    if (conventions == platform::DesktopConventions::freedesktop) {
        platform::MenuItem capture =
            actionItem(kMiddleClickCaptureTitle, menu_action::kToggleMiddleClickCapture,
                       menu_id::kMiddleClickCapture);
        capture.checked = defaults.boolean(kMiddleClickCaptureKey);
        menu.push_back(std::move(capture));
    }
    menu.push_back(actionItem(kHelpTitle, menu_action::kShowHelp));
    menu.push_back(VLMakeAlphabetMenuItem(defaults));
    menu.push_back(syncMenuItem());
    menu.push_back(actionItem(kSettingsTitle, menu_action::kShowSettings));
    menu.push_back(actionItem(kLaunchAtLoginTitle, menu_action::kToggleLaunchAtLogin,
                              menu_id::kLaunchAtLogin));
    menu.push_back(
        actionItem(kRecheckPermissionTitle.on(conventions), menu_action::kRecheckPermission));
    menu.push_back(separatorItem());
    platform::MenuItem quit = actionItem(kQuitTitle, menu_action::kQuit);
    quit.keyEquivalent = "q";
    menu.push_back(std::move(quit));
    return menu;
}

void VLAttachMenuHandler(std::vector<platform::MenuItem>& items,
                         const platform::MenuHandler& handler) {
    for (platform::MenuItem& item : items) {
        if (!item.action.empty()) {
            item.handler = handler;
        }
        VLAttachMenuHandler(item.submenu, handler);
    }
}

platform::MenuItem* VLFindMenuItem(std::vector<platform::MenuItem>& menu,
                                   std::string_view identifier) {
    return findByIdentifier(menu, identifier);
}

const platform::MenuItem* VLFindMenuItem(const std::vector<platform::MenuItem>& menu,
                                         std::string_view identifier) {
    return findByIdentifier(menu, identifier);
}

platform::Alert VLHelpAlert(platform::DesktopConventions conventions) {
    platform::Alert alert;
    alert.message = app_text::kHelpMessage;
    alert.informative = app_text::kHelpInformative.on(conventions);
    alert.buttons = {std::string(app_text::kHelpButton)};
    alert.cancelButton = 0;
    return alert;
}

platform::Alert VLSettingsAlert(bool launchAtLogin, bool trusted,
                                platform::DesktopConventions conventions) {
    using namespace app_text;
    platform::Alert alert;
    alert.message = kSettingsMessage;
    alert.informative = std::string(kSettingsInformativeBeforeLogin) +
                        std::string(launchAtLogin ? kOn : kOff) +
                        std::string(kSettingsInformativeBeforeInput) +
                        std::string(trusted ? kPermissionGranted : kPermissionMissing) +
                        std::string(kSettingsInformativeEnd.on(conventions));
    alert.buttons = {std::string(kSettingsCloseButton), std::string(kSettingsToggleLoginButton)};
    alert.cancelButton = 0;  // "닫기"; the other flips launch at login
    return alert;
}

}  // namespace velmor
