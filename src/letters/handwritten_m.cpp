#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/bounding_box.h"
#include "core/polyline.h"
#include "core/string_format.h"
#include "letters/letter_recognition.h"
#include "letters/stroke_distance.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

constexpr std::size_t kMinimumTracePoints = 14;
constexpr double kMinimumWidth = 75.0;
constexpr double kMinimumHeight = 60.0;
constexpr double kMinimumAspect = 0.55;
constexpr double kMaximumAspect = 3.2;
constexpr double kStartCornerMaxX = 0.24;
constexpr double kCornerMinY = 0.73;
constexpr double kEndCornerMinX = 0.77;
constexpr double kMinimumPathLength = 210.0;
constexpr double kMaximumLengthToSize = 9.0;
constexpr int kResampledPoints = 48;
constexpr double kAcceptedMeanDistance = 0.165;
constexpr double kAcceptedLargestDistance = 0.39;

// Bottom left, top left, the dip about three quarters down, top right, bottom right.
constexpr std::array<Point, 5> kMTemplate{
    {{0.0, 1.0}, {0.0, 0.0}, {0.5, 0.76}, {1.0, 0.0}, {1.0, 1.0}}};

struct Box {
    double minX;
    double minY;
    double width;
    double height;
};

Box boundingBox(std::span<const Point> trace) {
    const BoundingBox bounds = boundingBoxOf(trace);
    return {bounds.minX, bounds.minY, bounds.width(), bounds.height()};
}

bool passesSizeGate(const Box& box) {
    if (box.width < kMinimumWidth || box.height < kMinimumHeight) {
        return false;
    }
    const double aspect = box.width / box.height;
    return aspect >= kMinimumAspect && aspect <= kMaximumAspect;
}

// Starts in the lower left and ends in the lower right of its box.
bool passesCornerGate(std::span<const Point> trace, const Box& box) {
    const Point start = trace.front();
    const Point end = trace.back();
    return (start.x - box.minX) / box.width <= kStartCornerMaxX &&
           (start.y - box.minY) / box.height >= kCornerMinY &&
           (end.x - box.minX) / box.width >= kEndCornerMinX &&
           (end.y - box.minY) / box.height >= kCornerMinY;
}

// The template in screen proportions: its points are spaced by its drawn length.
struct ScaledTemplate {
    std::array<double, 4> segments{};
    double length = 0.0;
};

ScaledTemplate scaleTemplate(const Box& box) {
    ScaledTemplate scaled;
    for (std::size_t k = 0; k < scaled.segments.size(); ++k) {
        scaled.segments[k] = std::hypot((kMTemplate[k + 1].x - kMTemplate[k].x) * box.width,
                                        (kMTemplate[k + 1].y - kMTemplate[k].y) * box.height);
        scaled.length += scaled.segments[k];
    }
    return scaled;
}

Point templatePointAt(const ScaledTemplate& scaled, double s) {
    std::size_t k = 0;
    while (k < 3 && s > scaled.segments[k]) {
        s -= scaled.segments[k];
        ++k;
    }
    const double u = scaled.segments[k] > 0.0 ? s / scaled.segments[k] : 0.0;
    return {kMTemplate[k].x + u * (kMTemplate[k + 1].x - kMTemplate[k].x),
            kMTemplate[k].y + u * (kMTemplate[k + 1].y - kMTemplate[k].y)};
}

struct TemplateDistance {
    double mean = 0.0;
    double largest = 0.0;
};

TemplateDistance compareWithTemplate(std::span<const Point> trace,
                                     const std::vector<double>& cumulative, const Box& box) {
    const ScaledTemplate scaled = scaleTemplate(box);
    const double length = cumulative.back();
    const std::size_t count = trace.size();
    double sum = 0.0;
    double largest = 0.0;
    std::size_t segment = 1;
    for (int i = 0; i < kResampledPoints; ++i) {
        const double target = length * i / 47.0;
        while (segment + 1 < count && cumulative[segment] < target) {
            ++segment;
        }
        const Point p0 = trace[segment - 1];
        const Point p1 = trace[segment];
        const double d0 = cumulative[segment - 1];
        const double d1 = cumulative[segment];
        const double t = d1 > d0 ? (target - d0) / (d1 - d0) : 0.0;
        const Point drawn{(p0.x + t * (p1.x - p0.x) - box.minX) / box.width,
                          (p0.y + t * (p1.y - p0.y) - box.minY) / box.height};
        const double distance =
            distanceBetween(drawn, templatePointAt(scaled, scaled.length * i / 47.0));
        sum += distance;
        largest = std::max(largest, distance);
    }
    return {sum / 48.0, largest};
}

}  // namespace

bool VLIsHandwrittenM(std::span<const Point> trace, double* error, double* width, double* height) {
    if (error) {
        *error = kNotComparableError;
    }
    if (trace.size() < kMinimumTracePoints) {
        return false;
    }
    const Box box = boundingBox(trace);
    if (width) {
        *width = box.width;
    }
    if (height) {
        *height = box.height;
    }
    if (!passesSizeGate(box) || !passesCornerGate(trace, box)) {
        return false;
    }
    const std::vector<double> cumulative = measurePolyline(trace).cumulative;
    const double length = cumulative.back();
    if (length < kMinimumPathLength ||
        length > kMaximumLengthToSize * std::max(box.width, box.height)) {
        return false;
    }
    const TemplateDistance distance = compareWithTemplate(trace, cumulative, box);
    if (error) {
        *error = distance.mean;
    }
    return distance.mean < kAcceptedMeanDistance && distance.largest < kAcceptedLargestDistance;
}

void VLLogHandwrittenMAttempt(platform::Platform& platform, bool matched, double error,
                              double width, double height) {
    const std::string line = formatString(
        "%s: gesture=handwritten-M matched=%s error=%.3f width=%.0f height=%.0f result=%s\n",
        VLLogTimestamp(platform).c_str(), matched ? "YES" : "NO", error, width, height,
        matched ? "MUSIC_APP" : "NONE");
    VLRotateGestureLog(platform);
    VLAppendToGestureLog(platform, line);
}

}  // namespace velmor
