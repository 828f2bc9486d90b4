#pragma once

#include <cstdint>
#include <string_view>

#include "letters/share_folder_setting.h"

namespace velmor {

namespace defaults_key {
inline constexpr std::string_view kVelmorSyncEnabled = "VLVelmorSyncV2Enabled";
inline constexpr std::string_view kVelmorSyncDeviceID = "VLVelmorSyncV2DeviceID";
inline constexpr std::string_view kVelmorSyncLastApplied = "VLVelmorSyncV2LastApplied";
inline constexpr std::string_view kVelmorSyncRole = "VLVelmorSyncRole";
}  // namespace defaults_key

// Share folder layout: <share>/VelmorSync-v2/Events/<event id>.plist
inline constexpr std::string_view kSyncVersionFolderName = "VelmorSync-v2";
inline constexpr std::string_view kSyncEventsFolderName = "Events";
inline constexpr std::string_view kEventFileExtension = ".plist";

// Under the platform's folder for program data.
inline constexpr std::string_view kSyncBackupFolder = "Velmor/SyncBackups";

// A valid event is a few dozen kilobytes at most; anything far larger is damage or malice
// and is skipped without being read.
inline constexpr std::uint64_t kMaxEventFileBytes = 1u << 20;

// The two kinds of value a letter shares.
inline constexpr std::string_view kSyncKindSamples = "samples";
inline constexpr std::string_view kSyncKindAction = "action";

}  // namespace velmor
