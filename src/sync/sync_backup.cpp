#include "sync/sync_backup.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "core/uuid.h"
#include "platform/files.h"
#include "platform/property_list_file.h"
#include "sync/sync_settings.h"

namespace velmor {

namespace {

constexpr std::string_view kBackupPrefix = "BeforeSync-";

struct Backup {
    std::filesystem::file_time_type written;
    std::filesystem::path path;
};

// Only the program's own backups: regular files of its name pattern, never a link.
std::vector<Backup> backupsIn(const std::filesystem::path& folder) {
    std::vector<Backup> backups;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        std::error_code entryError;
        if (!name.starts_with(kBackupPrefix) || !name.ends_with(kEventFileExtension) ||
            !entry.is_regular_file(entryError) || entry.is_symlink(entryError)) {
            continue;
        }
        const auto written = entry.last_write_time(entryError);
        if (!entryError) {
            backups.push_back({written, entry.path()});
        }
    }
    return backups;
}

// The one just written always stays, whatever times the others carry.
void keepNewestBackups(const std::filesystem::path& folder, const std::filesystem::path& latest) {
    std::vector<Backup> backups = backupsIn(folder);
    std::erase_if(backups, [&](const Backup& backup) { return backup.path == latest; });
    if (backups.size() < kKeptSyncBackups) {
        return;
    }
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) {
        return a.written != b.written ? a.written > b.written : a.path > b.path;
    });
    for (std::size_t i = kKeptSyncBackups - 1; i < backups.size(); ++i) {
        std::error_code ignored;
        std::filesystem::remove(backups[i].path, ignored);
    }
}

}  // namespace

std::filesystem::path syncBackupFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kSyncBackupFolder;
}

bool writeSyncBackup(const std::filesystem::path& dataFolder, const Value& snapshot) {
    auto folder = syncBackupFolder(dataFolder);
    if (!files::createFolders(folder)) {
        return false;
    }
    auto name = std::string(kBackupPrefix) + makeUuidString() + std::string(kEventFileExtension);
    if (!files::writePropertyListFile(folder / name, snapshot)) {
        return false;
    }
    keepNewestBackups(folder, folder / name);
    return true;
}

}  // namespace velmor
