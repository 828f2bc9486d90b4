#include "sync/velmor_sync.h"

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "sync/snapshot.h"
#include "sync/sync_settings.h"
#include "sync/sync_texts.h"

namespace velmor {

namespace {

namespace fs = std::filesystem;

std::string eventsFolderOf(const std::string& shareFolder) {
    return (fs::path(shareFolder) / kSyncVersionFolderName / kSyncEventsFolderName).string();
}

// Settings every successful start or join leaves behind.
void becomeActive(platform::UserDefaults& defaults, const Value& lastApplied) {
    defaults.set(defaults_key::kVelmorSyncLastApplied, lastApplied);
    defaults.setBoolean(defaults_key::kVelmorSyncEnabled, true);
    defaults.remove(defaults_key::kVelmorSyncRole);
    defaults.synchronize();
}

}  // namespace

std::optional<std::string> VLVelmorSync::velmorSyncPickFolder() {
    platform::OpenPanel panel;
    panel.title = sync_text::kPanelTitle;
    panel.prompt = sync_text::kPanelPrompt;
    panel.canChooseFiles = false;
    panel.canChooseDirectories = true;
    panel.canCreateDirectories = true;
    panel.allowsMultipleSelection = false;
    return platform_.ui().runOpenPanel(panel);
}

void VLVelmorSync::velmorSyncSetMaster() {
    auto shareFolder = velmorSyncPickFolder();
    if (!shareFolder || shareFolder->empty()) {
        return;
    }
    auto eventsFolder = eventsFolderOf(*shareFolder);
    if (auto failure = files::createFoldersReportingError(eventsFolder)) {
        host_.studioNotice(
            std::string(sync_text::kFolderErrorTitle),
            failure->empty() ? std::string(sync_text::kFolderErrorDetail) : *failure);
        return;
    }
    if (velmorSyncReadEventsAtPath(eventsFolder)) {
        host_.studioNotice(std::string(sync_text::kAlreadyStartedTitle),
                           std::string(sync_text::kAlreadyStartedDetail));
        return;
    }
    auto& defaults = platform_.defaults();
    defaults.setString(defaults_key::kVelmorSyncFolder, *shareFolder);
    velmorSyncDeviceID();

    auto local = velmorSyncSnapshot();
    for (const auto& [letter, entry] : *local.asDictionary()) {
        for (auto kind : {kSyncKindSamples, kSyncKindAction}) {
            const auto* value = entry.find(kind);
            if (value && !velmorSyncWriteEventForLetter(letter, std::string(kind), *value)) {
                host_.studioNotice(std::string(sync_text::kInitialShareFailedTitle),
                                   std::string(sync_text::kInitialShareFailedDetail));
                return;
            }
        }
    }
    becomeActive(defaults, local);
    host_.studioNotice(std::string(sync_text::kShareStartedTitle),
                       std::string(sync_text::kShareStartedDetail));
}

void VLVelmorSync::velmorSyncSetFollower() {
    auto shareFolder = velmorSyncPickFolder();
    if (!shareFolder || shareFolder->empty()) {
        return;
    }
    if (!velmorSyncReadEventsAtPath(eventsFolderOf(*shareFolder))) {
        host_.studioNotice(std::string(sync_text::kNoShareRecordsTitle),
                           std::string(sync_text::kNoShareRecordsDetail));
        return;
    }
    if (!velmorSyncBackup(velmorSyncSnapshot())) {
        host_.studioNotice(std::string(sync_text::kLocalBackupFailedTitle),
                           std::string(sync_text::kLocalBackupFailedDetail));
        return;
    }
    auto& defaults = platform_.defaults();
    defaults.setString(defaults_key::kVelmorSyncFolder, *shareFolder);
    auto latestEvents = velmorSyncReadLatestEvents();
    if (latestEvents.asDictionary()->empty()) {
        host_.studioNotice(std::string(sync_text::kUnreadableRecordsTitle),
                           std::string(sync_text::kUnreadableRecordsDetail));
        return;
    }
    // Letters and settings reach the disk in one write.
    auto merged = velmorSyncSnapshotWithEvents(latestEvents);
    writeSnapshotToLetterStore(defaults, merged);
    becomeActive(defaults, merged);
    host_.refreshAlphabetMenu();
    host_.studioNotice(std::string(sync_text::kJoinedTitle), std::string(sync_text::kJoinedDetail));
}

void VLVelmorSync::velmorSyncNow() {
    velmorSyncTick();
    velmorSyncStatus();
}

void VLVelmorSync::velmorSyncStatus() {
    const auto& defaults = platform_.defaults();
    auto state = defaults.boolean(defaults_key::kVelmorSyncEnabled) ? sync_text::kStatusOn
                                                                    : sync_text::kStatusOff;
    auto folder = defaults.string(defaults_key::kVelmorSyncFolder)
                      .value_or(std::string(sync_text::kStatusNoFolder));
    std::string detail;
    detail.append(sync_text::kStatusDetailBeforeState)
        .append(state)
        .append(sync_text::kStatusDetailBeforeFolder)
        .append(folder)
        .append(sync_text::kStatusDetailAfterFolder);
    host_.studioNotice(std::string(sync_text::kStatusTitle), detail);
}

void VLVelmorSync::velmorSyncStop() {
    auto& defaults = platform_.defaults();
    defaults.setBoolean(defaults_key::kVelmorSyncEnabled, false);
    defaults.synchronize();
    host_.studioNotice(std::string(sync_text::kStoppedTitle),
                       std::string(sync_text::kStoppedDetail));
}

}  // namespace velmor
