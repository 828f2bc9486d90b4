#include "sync/velmor_sync.h"

#include <string>

#include "letters/letter_store.h"
#include "log/gesture_log.h"
#include "platform/files.h"
#include "sync/snapshot.h"
#include "sync/sync_settings.h"

namespace velmor {

namespace {

constexpr std::string_view kKindsInOrder[] = {kSyncKindSamples, kSyncKindAction};

bool sameEntry(const Value* local, const Value* lastApplied) {
    if (!local || !lastApplied) {
        return local == lastApplied;
    }
    return *local == *lastApplied;
}

}  // namespace

// Every early end leaves the last-applied snapshot as it was, so the same differences are
// found and published again by the next tick.
void VLVelmorSync::velmorSyncTick() {
    auto& defaults = platform_.defaults();
    if (!defaults.boolean(defaults_key::kVelmorSyncEnabled)) {
        return;
    }
    auto eventsFolder = velmorSyncEventsDir();
    if (!eventsFolder || !files::isFolder(*eventsFolder)) {
        return;
    }
    auto lastApplied =
        defaults.dictionary(defaults_key::kVelmorSyncLastApplied).value_or(Value::Dictionary{});
    auto local = velmorSyncSnapshot();

    for (const auto& letter : alphabetLetters()) {
        for (auto kind : kKindsInOrder) {
            const auto* localValue = snapshotEntry(local, letter, kind);
            if (sameEntry(localValue, snapshotEntry(lastApplied, letter, kind))) {
                continue;
            }
            std::string kindText(kind);
            if (localValue && !velmorSyncIsValidValue(*localValue, kindText)) {
                VLStudioLog(platform_, "velmor-sync invalid local " + letter + "." + kindText);
                return;
            }
            auto published = localValue ? std::optional<Value>(*localValue) : std::nullopt;
            if (!velmorSyncWriteEventForLetter(letter, kindText, published)) {
                return;
            }
        }
    }

    auto latestEvents = velmorSyncReadLatestEvents();
    if (latestEvents.asDictionary()->empty()) {
        return;
    }
    auto merged = velmorSyncSnapshotWithEvents(latestEvents);
    if (!(merged == local)) {
        if (!velmorSyncBackup(local)) {
            VLStudioLog(platform_, "velmor-sync backup failed: import cancelled");
            return;
        }
        // The letters and the record of what was applied go to disk in one write: were they
        // written apart, a crash between them would make the next tick publish the remote
        // values as local changes, newer than anything another Mac did meanwhile.
        writeSnapshotToLetterStore(defaults, merged);
        defaults.set(defaults_key::kVelmorSyncLastApplied, merged);
        defaults.synchronize();
        host_.refreshAlphabetMenu();
        VLStudioLog(platform_, "velmor-sync merged remote changes; local backup saved");
        return;
    }
    // Nothing to record: spare the settings file a rewrite every 30 seconds.
    if (defaults.object(defaults_key::kVelmorSyncLastApplied) == merged) {
        return;
    }
    defaults.set(defaults_key::kVelmorSyncLastApplied, merged);
    defaults.synchronize();
}

}  // namespace velmor
