#include "app/app_delegate.h"

#include <algorithm>

#include "app/exclusion_menu.h"
#include "app/launch_at_login.h"
#include "app/status_menu.h"
#include "input/middle_click.h"
#include "input/volume_wheel.h"
#include "studio/alphabet_menu.h"
#include "sync/sync_menu.h"

namespace velmor {

namespace {

// The settings alert's second button.
constexpr int kToggleLoginButton = 1001;

}  // namespace

void VLAppDelegate::makeStatusItem() {
    statusItem_ = VLMakeStatusBarItem(platform_.ui().resourcePath("MenuVelmorTemplate", "png"));
    statusItem_.menuWillOpen = [this] { refreshExclusionMenu(); };
    statusMenu_ = VLMakeStatusMenu(platform_.defaults(), platform_.conventions());
    const auto alphabet = std::ranges::find(statusMenu_, std::string(kAlphabetItemIdentifier),
                                            &platform::MenuItem::identifier);
    statusMenu_.insert(alphabet == statusMenu_.end() ? alphabet : alphabet + 1,
                       makeExclusionMenuItem());
    VLAttachMenuHandler(statusMenu_, menuHandler());
    platform_.ui().showStatusItem(statusItem_, statusMenu_);
}

void VLAppDelegate::toggleVolumeWheelDirection(const platform::MenuItem& sender) {
    const bool value = !platform_.defaults().boolean(kVolumeWheelReverseDirectionKey);
    platform_.defaults().setBoolean(kVolumeWheelReverseDirectionKey, value);
    changeMenuItem(sender.identifier, sender.title, value);
}

void VLAppDelegate::toggleMiddleClickCapture(const platform::MenuItem& sender) {
    const bool value = !platform_.defaults().boolean(kMiddleClickCaptureKey);
    platform_.defaults().setBoolean(kMiddleClickCaptureKey, value);
    changeMenuItem(sender.identifier, sender.title, value);
}

void VLAppDelegate::updateLoginMenuState() {
    if (const platform::MenuItem* item = VLFindMenuItem(statusMenu_, menu_id::kLaunchAtLogin)) {
        changeMenuItem(item->identifier, item->title,
                       platform_.defaults().boolean(kLaunchAtLoginKey));
    }
}

void VLAppDelegate::showHelp() {
    showAlert(VLHelpAlert(platform_.conventions()));
}

void VLAppDelegate::showSettings() {
    const bool launchAtLogin = platform_.defaults().boolean(kLaunchAtLoginKey);
    const bool trusted = platform_.accessibility().hasInputPermission();
    platform_.ui().activateIgnoringOtherApps();
    if (platform_.ui()
            .runModalAlert(VLSettingsAlert(launchAtLogin, trusted, platform_.conventions()))
            .button == kToggleLoginButton) {
        toggleLaunchAtLogin();
    }
}

void VLAppDelegate::changeMenuItem(std::string_view identifier, const std::string& title,
                                   bool checked) {
    platform::MenuItem* item = VLFindMenuItem(statusMenu_, identifier);
    if (!item) {
        return;
    }
    item->title = title;
    item->checked = checked;
    platform_.ui().menuItemChanged(*item);
}

bool VLAppDelegate::performMenuAction(const platform::MenuItem& chosen) {
    namespace action = menu_action;
    if (!chosen.enabled || chosen.separator) {
        return false;
    }
    // A copy: the action may change the menu that the chosen item lives in.
    const platform::MenuItem item = chosen;
    if (item.action == action::kRestartInput) {
        restartInput();
    } else if (item.action == action::kToggleVolumeWheelDirection) {
        toggleVolumeWheelDirection(item);
    } else if (item.action == action::kToggleMiddleClickCapture) {
        toggleMiddleClickCapture(item);
    } else if (item.action == action::kShowHelp) {
        showHelp();
    } else if (item.action == kConfigureLetterAction) {
        configureLetter(item);
    } else if (item.action == action::kShowSettings) {
        showSettings();
    } else if (item.action == action::kToggleLaunchAtLogin) {
        toggleLaunchAtLogin();
    } else if (item.action == action::kRecheckPermission) {
        recheckPermission();
    } else if (item.action == action::kQuit) {
        quit();
    } else if (item.action == exclusion_action::kExclude) {
        excludeApplication(item);
    } else if (item.action == exclusion_action::kInclude) {
        includeApplication(item);
    } else {
        return performSyncAction(item.action);
    }
    return true;
}

platform::MenuHandler VLAppDelegate::menuHandler() {
    return [this](const platform::MenuItem& item) { (void)performMenuAction(item); };
}

bool VLAppDelegate::performSyncAction(std::string_view action) {
    for (const VLSyncMenuCommand& command : kVelmorSyncMenuCommands) {
        if (command.action == action) {
            (velmorSync_.*command.perform)();
            return true;
        }
    }
    return false;
}

}  // namespace velmor
