#include "sync/sync_value_rule.h"

#include <cmath>
#include <cstddef>

#include "sync/sync_settings.h"

namespace velmor {

namespace {

constexpr std::size_t kMaxActionUtf16Units = 8191;
constexpr std::size_t kSamplesPerLetter = 3;
constexpr std::size_t kPointsPerSample = 48;
constexpr std::size_t kNumbersPerPoint = 2;

bool isFiniteNumber(const Value& value) {
    auto number = value.numberAsDouble();
    return number && std::isfinite(*number);
}

bool isArrayOf(const Value& value, std::size_t count) {
    const auto* items = value.asArray();
    return items && items->size() == count;
}

bool isValidPoint(const Value& point) {
    if (!isArrayOf(point, kNumbersPerPoint)) {
        return false;
    }
    const auto& numbers = *point.asArray();
    return isFiniteNumber(numbers[0]) && isFiniteNumber(numbers[1]);
}

bool isValidSample(const Value& sample) {
    if (!isArrayOf(sample, kPointsPerSample)) {
        return false;
    }
    for (const auto& point : *sample.asArray()) {
        if (!isValidPoint(point)) {
            return false;
        }
    }
    return true;
}

bool isValidSamples(const Value& samples) {
    if (!isArrayOf(samples, kSamplesPerLetter)) {
        return false;
    }
    for (const auto& sample : *samples.asArray()) {
        if (!isValidSample(sample)) {
            return false;
        }
    }
    return true;
}

bool isValidAction(const Value& action) {
    const auto* text = action.asString();
    return text && utf16Length(*text) <= kMaxActionUtf16Units;
}

}  // namespace

bool isValidSyncValue(const Value& value, std::string_view kind) {
    if (kind == kSyncKindAction) {
        return isValidAction(value);
    }
    if (kind == kSyncKindSamples) {
        return isValidSamples(value);
    }
    return false;
}

}  // namespace velmor
