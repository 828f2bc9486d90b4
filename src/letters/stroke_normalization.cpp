#include "letters/stroke_normalization.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/bounding_box.h"
#include "core/polyline.h"

namespace velmor {

namespace {

constexpr std::size_t kMinimumTracePoints = 12;
constexpr double kMinimumSize = 70.0;
constexpr double kMinimumPathLength = 130.0;
constexpr double kMaximumLengthToSize = 14.0;
constexpr double kMinimumScalingExtent = 15.0;

}  // namespace

std::optional<LetterSample> VLNormalizeAlphabetStroke(std::span<const Point> trace) {
    const std::size_t count = trace.size();
    if (count < kMinimumTracePoints) {
        return std::nullopt;
    }

    const auto [box, cumulative] = measurePolyline(trace);
    const double length = cumulative.back();

    double width = box.maxX - box.minX;
    double height = box.maxY - box.minY;
    const double size = std::max(width, height);
    if (size < kMinimumSize || length < kMinimumPathLength) {
        return std::nullopt;
    }
    if (length > kMaximumLengthToSize * size) {
        return std::nullopt;
    }
    // Not made equal: a thin stroke keeps a narrow range instead of being blown up.
    width = std::max(width, kMinimumScalingExtent);
    height = std::max(height, kMinimumScalingExtent);

    LetterSample sample;
    std::size_t segment = 1;
    const double lastIndex = static_cast<double>(kLetterSamplePointCount - 1);
    for (std::size_t i = 0; i < kLetterSamplePointCount; ++i) {
        const double target = length * static_cast<double>(i) / lastIndex;
        while (segment + 1 < count && cumulative[segment] < target) {
            ++segment;
        }
        const Point p0 = trace[segment - 1];
        const Point p1 = trace[segment];
        const double d0 = cumulative[segment - 1];
        const double d1 = cumulative[segment];
        // The clamp keeps the last point on the trace when rounding overshoots the length.
        const double t = d1 > d0 ? std::max(std::min((target - d0) / (d1 - d0), 1.0), 0.0) : 0.0;
        sample[i] = Point{(p0.x + t * (p1.x - p0.x) - box.minX) / width,
                          (p0.y + t * (p1.y - p0.y) - box.minY) / height};
    }
    return sample;
}

}  // namespace velmor
