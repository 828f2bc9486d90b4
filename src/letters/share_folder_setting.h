#pragma once

#include <string_view>

namespace velmor::defaults_key {

// Where Velmor Sync's share folder is. Letters read it too: nothing the share folder itself
// delivers is ever run.
inline constexpr std::string_view kVelmorSyncFolder = "VLVelmorSyncV2Folder";

}  // namespace velmor::defaults_key
