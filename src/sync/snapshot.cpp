#include "sync/snapshot.h"

#include <map>
#include <string>
#include <utility>

#include "letters/letter_store.h"
#include "sync/sync_settings.h"

namespace velmor {

namespace {

void storeOrRemove(platform::UserDefaults& defaults, const std::string& key, const Value* value) {
    if (value) {
        defaults.set(key, *value);
    } else {
        defaults.remove(key);
    }
}

}  // namespace

Value localSnapshot(const platform::UserDefaults& defaults) {
    Value::Dictionary snapshot;
    for (const auto& letter : alphabetLetters()) {
        Value::Dictionary entry;
        if (auto samples = VLLetterSamples(defaults, letter)) {
            entry.emplace(kSyncKindSamples, std::move(*samples));
        }
        if (auto action = defaults.string(VLLetterActionKey(letter)); action && !action->empty()) {
            entry.emplace(kSyncKindAction, Value(std::move(*action)));
        }
        if (!entry.empty()) {
            snapshot.emplace(letter, Value(std::move(entry)));
        }
    }
    return Value(std::move(snapshot));
}

Value snapshotFromEvents(const Value& latestEvents) {
    std::map<std::string, Value::Dictionary> letters;
    const auto* table = latestEvents.asDictionary();
    if (table) {
        for (const auto& [key, event] : *table) {
            const auto* deleted = event.find("deleted");
            const auto* letter = event.find("letter");
            const auto* kind = event.find("kind");
            const auto* value = event.find("value");
            if (!deleted || deleted->numberAsDouble().value_or(1.0) != 0.0 || !letter ||
                !letter->asString() || !kind || !kind->asString() || !value) {
                continue;
            }
            letters[*letter->asString()].insert_or_assign(*kind->asString(), *value);
        }
    }
    Value::Dictionary snapshot;
    for (auto& [letter, entry] : letters) {
        snapshot.emplace(letter, Value(std::move(entry)));
    }
    return Value(std::move(snapshot));
}

void writeSnapshotToLetterStore(platform::UserDefaults& defaults, const Value& snapshot) {
    for (const auto& letter : alphabetLetters()) {
        storeOrRemove(defaults, VLLetterTemplatesKey(letter),
                      snapshotEntry(snapshot, letter, kSyncKindSamples));
        storeOrRemove(defaults, VLLetterActionKey(letter),
                      snapshotEntry(snapshot, letter, kSyncKindAction));
    }
    defaults.remove(defaults_key::kStudioMTemplates);
}

const Value* snapshotEntry(const Value& snapshot, std::string_view letter, std::string_view kind) {
    const auto* entry = snapshot.find(letter);
    return entry ? entry->find(kind) : nullptr;
}

}  // namespace velmor
