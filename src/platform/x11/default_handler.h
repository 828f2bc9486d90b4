#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/x11/desktop_entry.h"
#include "platform/x11/desktop_folders.h"

namespace velmor::x11 {

// The installed application that opens files of a MIME type: the first installed default
// the mimeapps.list files name, then the first added association, then any entry that
// lists the type. Nothing when no installed entry handles it.
std::optional<DesktopEntry> defaultHandler(const DesktopFolders& folders,
                                           const std::vector<DesktopEntry>& installed,
                                           std::string_view mimeType);

}  // namespace velmor::x11
