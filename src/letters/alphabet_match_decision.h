#pragma once

#include <span>
#include <string_view>

#include "core/point.h"

namespace velmor {

enum class AlphabetMatchReason { accept, openO, ambiguous, shape };

struct AlphabetMatchDecision {
    bool accepted = false;
    AlphabetMatchReason reason = AlphabetMatchReason::shape;
};

// Whether the best letter is close enough and clearly better than the runner-up (a second
// error of 90.0 or more means there is none). strokeIsOpen tells whether the drawing's ends
// lie far apart; it refuses only an "O" that would otherwise be accepted.
AlphabetMatchDecision VLDecideAlphabetMatch(double best, double second, std::string_view candidate,
                                            bool strokeIsOpen);

// Whether the raw trace's start and end lie farther apart than 0.48 times the larger side of
// its bounding box: a C rather than an O.
bool VLIsOpenStroke(std::span<const Point> trace);

// The reason label of the match line.
std::string_view alphabetMatchReasonLabel(AlphabetMatchReason reason);

}  // namespace velmor
