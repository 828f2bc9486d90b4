#pragma once

#include <optional>

#include "platform/platform.h"

namespace velmor {

// Whether the application is one of the web browsers the platform knows.
bool VLIsForegroundBrowser(platform::Platform& platform,
                           const std::optional<platform::RunningApplication>& application);

// Whether the browser's focused window shows YouTube Music; waits for the accessibility
// service, so only for background queues.
bool VLBrowserWindowIsMusic(platform::Platform& platform,
                            const std::optional<platform::RunningApplication>& application);

// Back/forward in a browser, or previous/next track when it shows YouTube Music.
void VLBrowserPageStep(platform::Platform& platform,
                       const std::optional<platform::RunningApplication>& application,
                       bool forward);

}  // namespace velmor
