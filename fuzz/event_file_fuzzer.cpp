// libFuzzer target: the bytes of one file in a share folder's events folder, as a damaged or
// hostile cloud folder could hand them to every Mac. The same parser reads the settings file.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "core/property_list.h"
#include "core/property_list_limits.h"
#include "sync/event_file.h"
#include "sync/sync_value_rule.h"

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Whatever the parser accepts must cost no more than its bytes warrant: no deeper nesting
// than the limit, and no more values than the file could describe without sharing many
// references to a few objects. A keyed archive's UID reads as a dictionary that holds a
// number, one level and one value more than the file has. Walked without recursion.
void checkCostIsBounded(const velmor::Value& root, std::size_t size) {
    std::vector<std::pair<const velmor::Value*, int>> pending{{&root, 1}};
    std::uint64_t values = 0;
    while (!pending.empty()) {
        auto [value, depth] = pending.back();
        pending.pop_back();
        ++values;
        if (const auto* items = value->asArray()) {
            require(depth <= velmor::kMaxPropertyListNesting + 1);
            for (const auto& item : *items) {
                pending.emplace_back(&item, depth + 1);
            }
        } else if (const auto* entries = value->asDictionary()) {
            require(depth <= velmor::kMaxPropertyListNesting + 1);
            for (const auto& entry : *entries) {
                pending.emplace_back(&entry.second, depth + 1);
            }
        }
    }
    require(values <= 2 * velmor::kMaxBinaryPlistObjectsPerByte * size);
}

// What every believed event must satisfy, and what another Mac must read back after this
// one has written it out again.
void checkBelievedEvent(const velmor::SyncEvent& event) {
    require(event.letter.size() == 1 && event.letter[0] >= 'A' && event.letter[0] <= 'Z');
    require(event.kind == "samples" || event.kind == "action");
    require(std::isfinite(event.timestamp));
    const auto* value = event.dictionary.find("value");
    require(event.deleted || (value && velmor::isValidSyncValue(*value, event.kind)));

    auto again = velmor::parsePropertyList(velmor::serializeXmlPropertyList(event.dictionary));
    require(again.has_value());
    auto reread = velmor::acceptEventDictionary(*again);
    require(reread.has_value());
    require(reread->letter == event.letter && reread->kind == event.kind &&
            reread->id == event.id && reread->deleted == event.deleted &&
            reread->timestamp == event.timestamp);
    require(event.deleted || *reread->dictionary.find("value") == *value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = std::string_view(reinterpret_cast<const char*>(data), size);
    auto value = velmor::parsePropertyList(bytes);
    if (!value) {
        return 0;
    }
    checkCostIsBounded(*value, size);
    if (auto event = velmor::acceptEventDictionary(*value)) {
        checkBelievedEvent(*event);
    }
    return 0;
}
