#include "input/middle_click.h"

namespace velmor {

bool VLMiddleClickAloneCaptures(platform::Platform& platform) {
    return platform.conventions() == platform::DesktopConventions::mac ||
           platform.defaults().boolean(kMiddleClickCaptureKey);
}

}  // namespace velmor
