#pragma once

#include <filesystem>

#include "core/value.h"

namespace velmor {

// "Velmor/SyncBackups" in the folder where programs keep their data.
std::filesystem::path syncBackupFolder(const std::filesystem::path& dataFolder);

// Writes the snapshot to a new "BeforeSync-<UUID>.plist" in the backup folder, creating the
// folder when needed. True only when the whole file is on disk.
bool writeSyncBackup(const std::filesystem::path& dataFolder, const Value& snapshot);

}  // namespace velmor
