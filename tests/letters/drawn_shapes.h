#pragma once

#include <cmath>
#include <numbers>
#include <vector>

#include "core/point.h"

// Strokes as a hand draws them: points along real geometry, a few points apart.
namespace velmor::testing {

// Through the corners in order, with points about `step` apart on every side.
inline std::vector<Point> polyline(const std::vector<Point>& corners, double step = 6.0) {
    std::vector<Point> trace{corners.front()};
    for (std::size_t k = 1; k < corners.size(); ++k) {
        const Point from = corners[k - 1], to = corners[k];
        const int pieces =
            std::max(1, static_cast<int>(std::ceil(distanceBetween(from, to) / step)));
        for (int piece = 1; piece <= pieces; ++piece) {
            const double t = static_cast<double>(piece) / pieces;
            trace.push_back({from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)});
        }
    }
    return trace;
}

// A capital M from the bottom left to the bottom right, its dip `dip` of the height down.
inline std::vector<Point> drawnM(Point at, double width, double height, double dip = 0.76,
                                 double step = 6.0) {
    return polyline({{at.x, at.y + height},
                     at,
                     {at.x + width / 2, at.y + dip * height},
                     {at.x + width, at.y},
                     {at.x + width, at.y + height}},
                    step);
}

// An arc from the top of the circle: a sweep of 360 degrees gives an O, about 300 a C.
inline std::vector<Point> drawnArc(Point center, double radius, double sweepDegrees) {
    std::vector<Point> trace;
    for (int i = 0; i <= 60; ++i) {
        const double angle =
            -std::numbers::pi / 2 - sweepDegrees * std::numbers::pi / 180.0 * i / 60;
        trace.push_back({center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)});
    }
    return trace;
}

}  // namespace velmor::testing
