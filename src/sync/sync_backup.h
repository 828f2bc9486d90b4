#pragma once

#include <cstddef>
#include <filesystem>

#include "core/value.h"

namespace velmor {

// "Velmor/SyncBackups" in the folder where programs keep their data.
std::filesystem::path syncBackupFolder(const std::filesystem::path& dataFolder);

// How many backups are kept: a merge every tick must not fill the disk.
inline constexpr std::size_t kKeptSyncBackups = 30;

// Writes the snapshot to a new "BeforeSync-<UUID>.plist" in the backup folder, creating the
// folder when needed, then deletes the oldest backups beyond the newest kKeptSyncBackups.
// True only when the whole file is on disk.
bool writeSyncBackup(const std::filesystem::path& dataFolder, const Value& snapshot);

}  // namespace velmor
