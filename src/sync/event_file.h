#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/value.h"

namespace velmor {

// One change of one letter's value of one kind, as an event file holds it.
struct SyncEvent {
    std::string letter;  // "A" to "Z"
    std::string kind;    // "samples" or "action"
    std::string id;
    double timestamp = 0.0;  // seconds since 1970
    bool deleted = false;
    Value dictionary;  // the whole file, exactly as read
};

// The eight-key dictionary of an event file. No value means a deletion.
Value makeEventDictionary(const std::string& id, const std::string& device,
                          const std::string& letter, const std::string& kind, double timestamp,
                          const std::optional<Value>& value);

// The event a file's dictionary describes, or nothing when a reader must not believe it:
// another format, a letter that is not one of "A" to "Z", an unknown kind, a missing id,
// time stamp or deletion flag, or a value that is not valid for its kind.
std::optional<SyncEvent> acceptEventDictionary(const Value& dictionary);

// The bytes of an event file (XML or binary property list) as an event, or nothing.
std::optional<SyncEvent> parseEventFile(std::string_view bytes);

// The latest-events table key: letter, a dot and the kind ("Q.action").
std::string eventKey(std::string_view letter, std::string_view kind);

// Last writer wins: the newer time stamp, then the id that orders later.
bool eventSupersedes(const SyncEvent& candidate, const SyncEvent& held);

}  // namespace velmor
