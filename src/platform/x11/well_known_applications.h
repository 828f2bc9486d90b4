#pragma once

#include <optional>
#include <vector>

#include "platform/workspace.h"
#include "platform/x11/desktop_entry.h"
#include "platform/x11/desktop_folders.h"

namespace velmor::x11 {

// The installed application that plays a role on this desktop: its own settings, a text
// editor for notes, a music player. Nothing when none is installed.
std::optional<DesktopEntry> wellKnownEntry(platform::WellKnownApplication role,
                                           const DesktopFolders& folders,
                                           const std::vector<DesktopEntry>& installed);

}  // namespace velmor::x11
