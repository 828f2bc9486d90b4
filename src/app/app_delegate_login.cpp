#include "app/app_delegate.h"
#include "app/app_texts.h"
#include "app/launch_at_login.h"

namespace velmor {

bool VLAppDelegate::writeLaunchAgent() {
    return platform_.loginItem().enable();
}

void VLAppDelegate::removeLaunchAgent() {
    platform_.loginItem().disable();
}

void VLAppDelegate::prepareLaunchAtLogin() {
    platform::UserDefaults& defaults = platform_.defaults();
    if (!defaults.object(kLaunchAtLoginKey)) {
        defaults.setBoolean(kLaunchAtLoginKey, true);
        defaults.synchronize();
    }
    if (defaults.boolean(kLaunchAtLoginKey) && platform_.loginItem().turnedOffElsewhere()) {
        defaults.setBoolean(kLaunchAtLoginKey, false);
        defaults.synchronize();
    } else if (defaults.boolean(kLaunchAtLoginKey)) {
        // Silent at start-up: the setting stays on and the next start tries again.
        writeLaunchAgent();
    } else {
        removeLaunchAgent();
    }
    updateLoginMenuState();
}

void VLAppDelegate::toggleLaunchAtLogin() {
    platform::UserDefaults& defaults = platform_.defaults();
    const bool value = !defaults.boolean(kLaunchAtLoginKey);
    defaults.setBoolean(kLaunchAtLoginKey, value);
    defaults.synchronize();
    if (!value) {
        removeLaunchAgent();
    } else if (!writeLaunchAgent()) {
        defaults.setBoolean(kLaunchAtLoginKey, false);
        defaults.synchronize();
        platform::Alert alert;
        alert.message = app_text::kLaunchAgentFailedMessage;
        alert.informative = app_text::kLaunchAgentFailedInformative;
        alert.buttons = {std::string(app_text::kOkButton)};
        alert.cancelButton = 0;
        showAlert(alert);
    }
    updateLoginMenuState();
}

}  // namespace velmor
