#include "letters/stroke_distance.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmor {

namespace {

constexpr std::size_t kPoints = kLetterSamplePointCount;
constexpr std::size_t kWarpingBand = 4;
constexpr double kWarpingStepCharge = 0.025;
constexpr double kUnreachableCell = 1000000000.0;
constexpr double kPointWeight = 0.55;
constexpr double kCurveWeight = 0.45;
constexpr double kBlendCutOff = 90.0;

double pointDistance(Point p, Point q) {
    const double dx = p.x - q.x;
    const double dy = p.y - q.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

double VLStrokeError(const LetterSample& a, const LetterSample& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        sum += pointDistance(a[i], b[i]);
    }
    return sum / 48.0;
}

double VLStrokeCurveError(const LetterSample& a, const LetterSample& b) {
    // Two rows of the 49 x 49 table on the stack: this runs 78 times per stroke.
    std::array<double, kPoints + 1> previous;
    std::array<double, kPoints + 1> current;
    previous.fill(kUnreachableCell);
    previous[0] = 0.0;
    for (std::size_t i = 1; i <= kPoints; ++i) {
        current.fill(kUnreachableCell);
        const std::size_t from = i > kWarpingBand + 1 ? i - kWarpingBand : 1;
        const std::size_t to = std::min(kPoints, i + kWarpingBand);
        for (std::size_t j = from; j <= to; ++j) {
            const double cost = pointDistance(a[i - 1], b[j - 1]);
            const double diagonal = previous[j - 1];
            const double fromAbove = previous[j] + kWarpingStepCharge;
            const double fromLeft = current[j - 1] + kWarpingStepCharge;
            current[j] = cost + std::min({diagonal, fromAbove, fromLeft});
        }
        previous = current;
    }
    return previous[kPoints] / 48.0;
}

double VLAdaptiveStrokeError(const LetterSample& a, const LetterSample& b) {
    const double pointError = VLStrokeError(a, b);
    if (pointError >= kBlendCutOff) {
        return pointError;
    }
    return kPointWeight * pointError + kCurveWeight * VLStrokeCurveError(a, b);
}

double VLStrokeError(const Value& a, const Value& b) {
    const std::optional<LetterSample> first = letterSampleFromValue(a);
    const std::optional<LetterSample> second = letterSampleFromValue(b);
    return first && second ? VLStrokeError(*first, *second) : kNotComparableError;
}

double VLStrokeCurveError(const Value& a, const Value& b) {
    // The band reaches every point of both samples, so one bad point anywhere spoils it.
    const std::optional<LetterSample> first = letterSampleFromValue(a);
    const std::optional<LetterSample> second = letterSampleFromValue(b);
    return first && second ? VLStrokeCurveError(*first, *second) : kNotComparableError;
}

double VLAdaptiveStrokeError(const Value& a, const Value& b) {
    const std::optional<LetterSample> first = letterSampleFromValue(a);
    const std::optional<LetterSample> second = letterSampleFromValue(b);
    return first && second ? VLAdaptiveStrokeError(*first, *second) : kNotComparableError;
}

}  // namespace velmor
