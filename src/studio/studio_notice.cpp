#include "studio/studio_notice.h"

#include "studio/studio_texts.h"

namespace velmor {

void VLShowStudioNotice(platform::Platform& platform, std::string_view title,
                        std::string_view detail) {
    platform::Alert notice;
    notice.message = title;
    notice.informative = detail;
    notice.buttons = {std::string(studio_text::kNoticeButton)};
    notice.cancelButton = 0;
    platform.ui().activateIgnoringOtherApps();
    platform.ui().runModalAlert(notice);
}

}  // namespace velmor
