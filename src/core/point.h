#pragma once

#include <cmath>

namespace velmor {

// A point in global display coordinates: points, origin at the top-left corner of the
// main display, y growing downwards.
struct Point {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

// Plain square root rather than hypot: coordinates are far from overflow, and the matcher
// measures tens of thousands of distances inside the event-tap callback.
inline double distanceBetween(Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace velmor
