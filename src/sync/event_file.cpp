#include "sync/event_file.h"

#include <cmath>
#include <utility>

#include "core/property_list.h"
#include "sync/sync_settings.h"
#include "sync/sync_value_rule.h"

namespace velmor {

namespace {

constexpr std::int64_t kEventFormat = 2;
constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool isLetter(const std::string& text) {
    return text.size() == 1 && kAlphabet.find(text[0]) != std::string_view::npos;
}

bool isKind(const std::string& text) {
    return text == kSyncKindAction || text == kSyncKindSamples;
}

const std::string* stringEntry(const Value& dictionary, std::string_view key) {
    const auto* entry = dictionary.find(key);
    return entry ? entry->asString() : nullptr;
}

std::optional<double> numberEntry(const Value& dictionary, std::string_view key) {
    const auto* entry = dictionary.find(key);
    return entry ? entry->numberAsDouble() : std::nullopt;
}

}  // namespace

Value makeEventDictionary(const std::string& id, const std::string& device,
                          const std::string& letter, const std::string& kind, double timestamp,
                          const std::optional<Value>& value) {
    Value::Dictionary event;
    event.emplace("format", Value::integer(kEventFormat));
    event.emplace("id", Value(id));
    event.emplace("device", Value(device));
    event.emplace("letter", Value(letter));
    event.emplace("kind", Value(kind));
    event.emplace("timestamp", Value::real(timestamp));
    event.emplace("deleted", Value::integer(value ? 0 : 1));
    event.emplace("value", value.value_or(Value("")));
    return Value(std::move(event));
}

std::optional<SyncEvent> acceptEventDictionary(const Value& dictionary) {
    if (!dictionary.isDictionary()) {
        return std::nullopt;
    }
    auto format = numberEntry(dictionary, "format");
    if (!format || *format != static_cast<double>(kEventFormat)) {
        return std::nullopt;
    }
    const auto* letter = stringEntry(dictionary, "letter");
    const auto* kind = stringEntry(dictionary, "kind");
    const auto* id = stringEntry(dictionary, "id");
    auto timestamp = numberEntry(dictionary, "timestamp");
    auto deleted = numberEntry(dictionary, "deleted");
    if (!letter || !isLetter(*letter) || !kind || !isKind(*kind) || !id || !timestamp || !deleted) {
        return std::nullopt;
    }
    // A time stamp that is not finite would win or lose against everything, whatever the
    // order of reading, and freeze the letter on every Mac.
    if (!std::isfinite(*timestamp)) {
        return std::nullopt;
    }
    bool isDeletion = *deleted != 0.0;
    if (!isDeletion) {
        const auto* value = dictionary.find("value");
        if (!value || !isValidSyncValue(*value, *kind)) {
            return std::nullopt;
        }
    }
    return SyncEvent{*letter, *kind, *id, *timestamp, isDeletion, dictionary};
}

std::optional<SyncEvent> parseEventFile(std::string_view bytes) {
    auto dictionary = parsePropertyList(bytes);
    if (!dictionary) {
        return std::nullopt;
    }
    return acceptEventDictionary(*dictionary);
}

std::string eventKey(std::string_view letter, std::string_view kind) {
    std::string key;
    key.reserve(letter.size() + 1 + kind.size());
    key.append(letter).append(".").append(kind);
    return key;
}

bool eventSupersedes(const SyncEvent& candidate, const SyncEvent& held) {
    if (candidate.timestamp != held.timestamp) {
        return candidate.timestamp > held.timestamp;
    }
    return candidate.id > held.id;
}

}  // namespace velmor
