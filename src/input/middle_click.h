#pragma once

#include "platform/platform.h"

namespace velmor {

// Whether a middle click alone takes an area capture, read at every click. On a Mac it always
// does. A Linux desktop gives the middle click a meaning of its own (pasting the selection,
// opening a link in a new tab), so there it stays the application's unless the user turns
// the capture on in the status menu.
inline constexpr const char* kMiddleClickCaptureKey = "VLMiddleClickCapture";

bool VLMiddleClickAloneCaptures(platform::Platform& platform);

}  // namespace velmor
