#include "app/app_delegate.h"
#include "studio/alphabet_menu.h"
#include "studio/letter_dialog.h"
#include "studio/studio_notice.h"
#include "studio/training_notices.h"

namespace velmor {

void VLAppDelegate::refreshAlphabetMenu() {
    VLRefreshAlphabetTitles(
        statusMenu_, platform_.defaults(),
        [this](const platform::MenuItem& item) { platform_.ui().menuItemChanged(item); });
}

void VLAppDelegate::configureLetter(const platform::MenuItem& sender) {
    VLConfigureLetter(platform_, *this, sender.representedObject);
}

void VLAppDelegate::studioNotice(const std::string& title, const std::string& detail) {
    VLShowStudioNotice(platform_, title, detail);
}

void VLAppDelegate::studioProgress(const platform::Notification& notification) {
    VLStudioProgress(platform_, *this, notification);
}

void VLAppDelegate::studioRejected(const platform::Notification& notification) {
    VLStudioRejected(*this, notification);
}

void VLAppDelegate::velmorSyncTick() {
    velmorSync_.velmorSyncTick();
}

}  // namespace velmor
