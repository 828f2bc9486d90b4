#include "letters/decoded_sample_memo.h"

#include <iterator>

namespace velmor {

const std::vector<std::optional<LetterSample>>& DecodedSampleMemo::samplesOf(
    const Value& storedSamples) {
    static const std::vector<std::optional<LetterSample>> kNone;
    const Value::Array* items = storedSamples.asArray();
    if (!items) {
        return kNone;
    }
    const auto found = entries_.find(items);
    if (found != entries_.end()) {
        found->second.used = true;
        return found->second.samples;
    }
    Entry entry{storedSamples, {}, true};
    entry.samples.reserve(items->size());
    for (const Value& stored : *items) {
        entry.samples.push_back(letterSampleFromValue(stored));
    }
    return entries_.emplace(items, std::move(entry)).first->second.samples;
}

void DecodedSampleMemo::forgetUnused() {
    std::erase_if(entries_, [](const auto& item) { return !item.second.used; });
    for (auto& [items, entry] : entries_) {
        entry.used = false;
    }
}

}  // namespace velmor
