#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/point.h"
#include "core/value.h"

namespace velmor {

inline constexpr std::size_t kLetterSamplePointCount = 48;

// One drawing of a letter: points in the unit box of the drawing's bounding box, equally
// spaced along the drawn path, first to last.
using LetterSample = std::array<Point, kLetterSamplePointCount>;

// The stored form: an array of 48 arrays [x, y] of reals, as the settings file and the
// event files of other machines carry it.
Value letterSampleValue(const LetterSample& sample);

// The points of a stored sample; nothing unless it is exactly 48 arrays of two finite
// numbers. Anything else is kept in the settings but can never be compared.
std::optional<LetterSample> letterSampleFromValue(const Value& stored);

}  // namespace velmor
