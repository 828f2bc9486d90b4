#pragma once

#include <span>
#include <vector>

#include "core/bounding_box.h"
#include "core/point.h"

namespace velmor {

struct PolylineMeasure {
    BoundingBox box;
    // Entry i is the length of the polyline from the first point to point i; entry 0 is 0.
    std::vector<double> cumulative;
};

// One pass for the box and the lengths: the recognisers walk up to 3000 points inside the
// event-tap callback, and a second pass for the box costs as much again.
inline PolylineMeasure measurePolyline(std::span<const Point> points) {
    PolylineMeasure measure;
    measure.cumulative.reserve(points.size());
    double length = 0.0;
    for (std::size_t index = 0; index < points.size(); ++index) {
        measure.box.widen(points[index]);
        if (index > 0) {
            length += distanceBetween(points[index - 1], points[index]);
        }
        measure.cumulative.push_back(length);
    }
    return measure;
}

}  // namespace velmor
