#pragma once

#include <filesystem>

#include "core/value.h"

namespace velmor {

inline constexpr const char* VLLaunchAgentLabel = "com.brisvane.velmor.launcher";

// The user's choice, a boolean in the user defaults; on unless turned off.
inline constexpr const char* kLaunchAtLoginKey = "launchAtLogin";

// home + "Library/LaunchAgents/com.brisvane.velmor.launcher.plist"
std::filesystem::path VLLaunchAgentPath(const std::filesystem::path& home);

// The agent's three keys: the service manager opens the application by name at login.
Value VLLaunchAgentContents();

// Creates the folder when missing, then writes the file atomically; false when either failed.
bool VLWriteLaunchAgent(const std::filesystem::path& home);

// Deletes the file; a missing file is no error, and no error is reported.
void VLRemoveLaunchAgent(const std::filesystem::path& home);

}  // namespace velmor
