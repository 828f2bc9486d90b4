#include "letters/letter_sample.h"

#include <cmath>

namespace velmor {

namespace {

std::optional<double> finiteNumber(const Value& value) {
    std::optional<double> number = value.numberAsDouble();
    if (!number || !std::isfinite(*number)) {
        return std::nullopt;
    }
    return number;
}

std::optional<Point> samplePointFromValue(const Value& stored) {
    const Value::Array* pair = stored.asArray();
    if (!pair || pair->size() != 2) {
        return std::nullopt;
    }
    std::optional<double> x = finiteNumber((*pair)[0]);
    std::optional<double> y = finiteNumber((*pair)[1]);
    if (!x || !y) {
        return std::nullopt;
    }
    return Point{*x, *y};
}

}  // namespace

Value letterSampleValue(const LetterSample& sample) {
    Value::Array points;
    points.reserve(sample.size());
    for (const Point& point : sample) {
        points.push_back(Value(Value::Array{Value::real(point.x), Value::real(point.y)}));
    }
    return Value(std::move(points));
}

std::optional<LetterSample> letterSampleFromValue(const Value& stored) {
    const Value::Array* points = stored.asArray();
    if (!points || points->size() != kLetterSamplePointCount) {
        return std::nullopt;
    }
    LetterSample sample;
    for (std::size_t index = 0; index < sample.size(); ++index) {
        std::optional<Point> point = samplePointFromValue((*points)[index]);
        if (!point) {
            return std::nullopt;
        }
        sample[index] = *point;
    }
    return sample;
}

}  // namespace velmor
