#include "sync/sync_backup.h"

#include <string>

#include "core/uuid.h"
#include "platform/files.h"
#include "platform/property_list_file.h"
#include "sync/sync_settings.h"

namespace velmor {

std::filesystem::path syncBackupFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kSyncBackupFolder;
}

bool writeSyncBackup(const std::filesystem::path& dataFolder, const Value& snapshot) {
    auto folder = syncBackupFolder(dataFolder);
    if (!files::createFolders(folder)) {
        return false;
    }
    auto name = "BeforeSync-" + makeUuidString() + std::string(kEventFileExtension);
    return files::writePropertyListFile(folder / name, snapshot);
}

}  // namespace velmor
