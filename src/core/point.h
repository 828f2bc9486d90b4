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

inline double distanceBetween(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace velmor
