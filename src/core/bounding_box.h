#pragma once

#include <algorithm>
#include <limits>
#include <span>

#include "core/point.h"

namespace velmor {

// The smallest axis-aligned box around a set of points; empty until widened.
struct BoundingBox {
    double minX = std::numeric_limits<double>::max();
    double maxX = -std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxY = -std::numeric_limits<double>::max();

    void widen(Point point) {
        minX = std::min(minX, point.x);
        maxX = std::max(maxX, point.x);
        minY = std::min(minY, point.y);
        maxY = std::max(maxY, point.y);
    }
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
    double largerSide() const { return std::max(width(), height()); }
};

inline BoundingBox boundingBoxOf(std::span<const Point> points) {
    BoundingBox box;
    for (const Point& point : points) {
        box.widen(point);
    }
    return box;
}

}  // namespace velmor
