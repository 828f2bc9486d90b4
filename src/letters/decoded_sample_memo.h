#pragma once

#include <optional>
#include <unordered_map>
#include <vector>

#include "core/value.h"
#include "letters/letter_sample.h"

namespace velmor {

// Stored letter samples turned into points, remembered by the identity of the stored array.
// Property-list containers are immutable and every entry holds a copy of its array, so an
// address can neither change its content nor be reused: a remembered result never goes
// stale, while the settings are still read afresh for every stroke.
class DecodedSampleMemo {
public:
    // The points of each sample in a letter's stored array, nothing for a malformed one.
    const std::vector<std::optional<LetterSample>>& samplesOf(const Value& storedSamples);
    // Forgets the arrays not asked for since the last call: those of replaced samples.
    void forgetUnused();

private:
    struct Entry {
        Value stored;
        std::vector<std::optional<LetterSample>> samples;
        bool used = true;
    };
    std::unordered_map<const Value::Array*, Entry> entries_;
};

}  // namespace velmor
