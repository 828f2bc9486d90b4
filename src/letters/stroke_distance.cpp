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

}  // namespace

double VLStrokeError(const LetterSample& a, const LetterSample& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < kPoints; ++i) {
        sum += distanceBetween(a[i], b[i]);
    }
    return sum / 48.0;
}

double VLStrokeCurveError(const LetterSample& a, const LetterSample& b) {
    // Two rows of the 49 x 49 table on the stack, swapped rather than copied: this runs 78
    // times per stroke inside the tap callback. A cell left over from two rows back is never
    // read, because each row first marks the cells beside its band unreachable.
    std::array<double, kPoints + 1> rowA;
    std::array<double, kPoints + 1> rowB;
    rowA.fill(kUnreachableCell);
    rowA[0] = 0.0;
    double* previous = rowA.data();
    double* current = rowB.data();
    for (std::size_t i = 1; i <= kPoints; ++i) {
        const std::size_t from = i > kWarpingBand + 1 ? i - kWarpingBand : 1;
        const std::size_t to = std::min(kPoints, i + kWarpingBand);
        current[from - 1] = kUnreachableCell;
        if (to < kPoints) {
            current[to + 1] = kUnreachableCell;
        }
        const Point p = a[i - 1];
        for (std::size_t j = from; j <= to; ++j) {
            const double cost = distanceBetween(p, b[j - 1]);
            const double diagonalOrAbove =
                std::min(previous[j - 1], previous[j] + kWarpingStepCharge);
            current[j] = cost + std::min(diagonalOrAbove, current[j - 1] + kWarpingStepCharge);
        }
        std::swap(previous, current);
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
