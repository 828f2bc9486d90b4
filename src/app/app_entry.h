#pragma once

#include <memory>

#include "app/app_delegate.h"
#include "platform/platform.h"

namespace velmor {

// The process entry on a platform: makes the program an accessory, makes the one delegate, reports
// settings that could not be read, and runs the finished-launching start-up. The delegate lives
// until the end.
std::unique_ptr<VLAppDelegate> VLRunApplicationEntry(platform::Platform& platform);

}  // namespace velmor
