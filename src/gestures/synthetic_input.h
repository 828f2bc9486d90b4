#pragma once

#include <string>
#include <string_view>

#include "core/point.h"
#include "platform/platform.h"

namespace velmor {

// A right click at the point, posted as our own so that the event tap lets it pass.
void VLPostRightClick(platform::Platform& platform, Point point);
// 140 scroll events on the user-initiated queue; returns at once.
void VLScrollToEdge(platform::Platform& platform, bool toTop);
// Shows the desktop on the user-initiated queue and logs how it went.
void VLShowDesktopViaAppleScript(platform::Platform& platform);

// The show-desktop log detail: trimmed, with every remaining line break shown as " | ".
std::string showDesktopDetail(std::string_view standardError);

}  // namespace velmor
