#include "letters/alphabet_match_decision.h"

#include <algorithm>

#include "core/bounding_box.h"

namespace velmor {

namespace {

constexpr double kMissingCompetitor = 90.0;
constexpr double kThresholdWithCompetitor = 0.185;
constexpr double kThresholdAlone = 0.195;
constexpr double kClearGap = 0.04;
constexpr double kVeryClose = 0.105;
constexpr double kSmallGap = 0.026;
constexpr double kOpenORatio = 0.48;

}  // namespace

AlphabetMatchDecision VLDecideAlphabetMatch(double best, double second, std::string_view candidate,
                                            bool strokeIsOpen) {
    const bool hasCompetitor = second < kMissingCompetitor;
    const double threshold = hasCompetitor ? kThresholdWithCompetitor : kThresholdAlone;
    const double gap = second - best;
    const bool close = best < threshold;
    const bool clear =
        !hasCompetitor || gap >= kClearGap || (best < kVeryClose && gap >= kSmallGap);
    if (close && clear) {
        if (candidate == "O" && strokeIsOpen) {
            return {false, AlphabetMatchReason::openO};
        }
        return {true, AlphabetMatchReason::accept};
    }
    return {false, close ? AlphabetMatchReason::ambiguous : AlphabetMatchReason::shape};
}

bool VLIsOpenStroke(std::span<const Point> trace) {
    if (trace.size() < 2) {
        return false;
    }
    const double size = boundingBoxOf(trace).largerSide();
    return size > 0.0 && distanceBetween(trace.front(), trace.back()) > kOpenORatio * size;
}

std::string_view alphabetMatchReasonLabel(AlphabetMatchReason reason) {
    switch (reason) {
        case AlphabetMatchReason::accept:
            return "ACCEPT";
        case AlphabetMatchReason::openO:
            return "OPEN_O";
        case AlphabetMatchReason::ambiguous:
            return "AMBIGUOUS";
        case AlphabetMatchReason::shape:
            return "SHAPE";
    }
    return "SHAPE";
}

}  // namespace velmor
