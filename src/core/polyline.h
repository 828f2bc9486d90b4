#pragma once

#include <span>
#include <vector>

#include "core/point.h"

namespace velmor {

// Entry i is the length of the polyline from the first point to point i; entry 0 is 0.
inline std::vector<double> cumulativeLengths(std::span<const Point> points) {
    std::vector<double> cumulative;
    cumulative.reserve(points.size());
    double length = 0.0;
    for (std::size_t index = 0; index < points.size(); ++index) {
        if (index > 0) {
            length += distanceBetween(points[index - 1], points[index]);
        }
        cumulative.push_back(length);
    }
    return cumulative;
}

}  // namespace velmor
