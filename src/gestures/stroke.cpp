#include "gestures/stroke.h"

namespace velmor {

bool Stroke::hasDirections(std::span<const int> pattern, double minimum) const {
    if (directions.size() != pattern.size() || segmentLengths.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (directions[i] != pattern[i] || segmentLengths[i] < minimum) {
            return false;
        }
    }
    return true;
}

}  // namespace velmor
