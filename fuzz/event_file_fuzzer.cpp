// libFuzzer target: the bytes of one file in a share folder's events folder, as a damaged or
// hostile cloud folder could hand them to every Mac.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/property_list.h"
#include "sync/event_file.h"
#include "sync/sync_value_rule.h"

namespace {

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
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
    if (auto event = velmor::parseEventFile(bytes)) {
        checkBelievedEvent(*event);
    }
    return 0;
}
