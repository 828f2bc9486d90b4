#pragma once

#include <optional>
#include <span>

#include "core/point.h"
#include "letters/letter_sample.h"

namespace velmor {

// The stroke as a letter sample: 48 points equally spaced along the drawn path, in the unit
// box of its bounding box. Nothing when the drawing is too short, too small or too tangled
// to be a letter.
std::optional<LetterSample> VLNormalizeAlphabetStroke(std::span<const Point> trace);

}  // namespace velmor
