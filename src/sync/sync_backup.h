#pragma once

#include <filesystem>

#include "core/value.h"

namespace velmor {

// home + "Library/Application Support/Velmor/SyncBackups"
std::filesystem::path syncBackupFolder(const std::filesystem::path& home);

// Writes the snapshot to a new "BeforeSync-<UUID>.plist" in the backup folder, creating the
// folder when needed. True only when the whole file is on disk.
bool writeSyncBackup(const std::filesystem::path& home, const Value& snapshot);

}  // namespace velmor
