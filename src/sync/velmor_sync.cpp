#include "sync/velmor_sync.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/uuid.h"
#include "log/gesture_log.h"
#include "platform/property_list_file.h"
#include "sync/event_file.h"
#include "sync/latest_events.h"
#include "sync/snapshot.h"
#include "sync/sync_backup.h"
#include "sync/sync_settings.h"
#include "sync/sync_value_rule.h"

namespace velmor {

namespace fs = std::filesystem;

struct VLVelmorSync::Impl {
    LatestEventsReader reader;
};

VLVelmorSync::VLVelmorSync(platform::Platform& platform, VLStudioHost& host)
    : platform_(platform), host_(host), impl_(std::make_unique<Impl>()) {}

VLVelmorSync::~VLVelmorSync() = default;

std::optional<std::string> VLVelmorSync::velmorSyncEventsDir() const {
    auto folder = platform_.defaults().string(defaults_key::kVelmorSyncFolder);
    if (!folder || folder->empty()) {
        return std::nullopt;
    }
    return (fs::path(*folder) / kSyncVersionFolderName / kSyncEventsFolderName).string();
}

std::string VLVelmorSync::velmorSyncDeviceID() {
    auto& defaults = platform_.defaults();
    auto device = defaults.string(defaults_key::kVelmorSyncDeviceID);
    if (device && !device->empty()) {
        return *device;
    }
    auto made = makeUuidString();
    defaults.setString(defaults_key::kVelmorSyncDeviceID, made);
    return made;
}

bool VLVelmorSync::velmorSyncIsValidValue(const Value& value, const std::string& kind) {
    return isValidSyncValue(value, kind);
}

bool VLVelmorSync::velmorSyncWriteEventForLetter(const std::string& letter, const std::string& kind,
                                                 const std::optional<Value>& value) {
    auto folder = velmorSyncEventsDir();
    if (!folder) {
        return false;
    }
    auto id = makeUuidString();
    double timestamp = platform_.scheduler().secondsSince1970();
    auto event = makeEventDictionary(id, velmorSyncDeviceID(), letter, kind, timestamp, value);
    bool written = files::writePropertyListFile(
        fs::path(*folder) / (id + std::string(kEventFileExtension)), event);
    VLStudioLog(platform_, "velmor-sync " + std::string(written ? "PUBLISHED" : "WRITE_FAILED") +
                               " " + letter + "." + kind + " " + id);
    return written;
}

bool VLVelmorSync::velmorSyncReadEventsAtPath(const std::string& folder) const {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().filename().string().ends_with(kEventFileExtension)) {
            return true;
        }
    }
    return false;
}

Value VLVelmorSync::velmorSyncSnapshot() const {
    return localSnapshot(platform_.defaults());
}

Value VLVelmorSync::velmorSyncReadLatestEvents() {
    auto folder = velmorSyncEventsDir();
    if (!folder) {
        return Value(Value::Dictionary{});
    }
    return impl_->reader.read(*folder);
}

Value VLVelmorSync::velmorSyncSnapshotWithEvents(const Value& latestEvents) {
    return snapshotFromEvents(latestEvents);
}

bool VLVelmorSync::velmorSyncBackup(const Value& snapshot) {
    return writeSyncBackup(platform_.paths().applicationSupportFolder(), snapshot);
}

void VLVelmorSync::velmorSyncApplySnapshot(const Value& snapshot) {
    auto& defaults = platform_.defaults();
    writeSnapshotToLetterStore(defaults, snapshot);
    defaults.synchronize();
    host_.refreshAlphabetMenu();
}

}  // namespace velmor
