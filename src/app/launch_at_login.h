#pragma once

namespace velmor {

// The user's choice, a boolean in the user defaults; on unless turned off.
inline constexpr const char* kLaunchAtLoginKey = "launchAtLogin";

}  // namespace velmor
