#pragma once

#include <string_view>

#include "core/value.h"
#include "platform/user_defaults.h"

namespace velmor {

// A snapshot maps a letter ("A" to "Z") to a dictionary with an optional "samples" and an
// optional "action" entry; a letter with neither is absent.

// The letter store as a snapshot: stored samples (with M's older fallback) and stored
// actions only, never the built-in default actions.
Value localSnapshot(const platform::UserDefaults& defaults);

// The snapshot a latest-events table describes: every newest event that is not a deletion.
Value snapshotFromEvents(const Value& latestEvents);

// Makes the letter store equal the snapshot for all 26 letters and drops M's older
// samples key. Does not write the defaults to disk.
void writeSnapshotToLetterStore(platform::UserDefaults& defaults, const Value& snapshot);

// The snapshot's value of one letter and kind, or nothing.
const Value* snapshotEntry(const Value& snapshot, std::string_view letter, std::string_view kind);

}  // namespace velmor
