#pragma once

#include "core/value.h"
#include "letters/letter_sample.h"

namespace velmor {

// The error of samples that cannot be compared; also every recogniser's starting error.
inline constexpr double kNotComparableError = 99.0;

// Mean distance of the points at equal path positions.
double VLStrokeError(const LetterSample& a, const LetterSample& b);
// Banded time-warped distance: the drawings may run at different speeds along the path.
double VLStrokeCurveError(const LetterSample& a, const LetterSample& b);
// The blend of the two that letter matching uses.
double VLAdaptiveStrokeError(const LetterSample& a, const LetterSample& b);

// The same on stored samples: 99.0 when either is not 48 points of two numbers.
double VLStrokeError(const Value& a, const Value& b);
double VLStrokeCurveError(const Value& a, const Value& b);
double VLAdaptiveStrokeError(const Value& a, const Value& b);

}  // namespace velmor
