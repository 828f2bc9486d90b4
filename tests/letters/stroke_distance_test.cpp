#include "letters/stroke_distance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/property_list.h"
#include "drawn_shapes.h"
#include "letters/stroke_normalization.h"

namespace velmor {
namespace {

LetterSample normalized(const std::vector<Point>& trace) {
    const std::optional<LetterSample> sample = VLNormalizeAlphabetStroke(trace);
    EXPECT_TRUE(sample);
    return sample.value_or(LetterSample{});
}

Value withPoints(const Value& sample, std::size_t count, Value extraPoint) {
    Value::Array points = *sample.asArray();
    points.resize(count, extraPoint);
    return Value(std::move(points));
}

TEST(StrokeDistance, IdenticalGiveZeroAndMalformedGive99) {
    const Value m = letterSampleValue(normalized(testing::drawnM({0, 0}, 200, 150)));
    EXPECT_EQ(VLStrokeError(m, m), 0.0);
    EXPECT_EQ(VLStrokeCurveError(m, m), 0.0);
    EXPECT_EQ(VLAdaptiveStrokeError(m, m), 0.0);

    const Value pair(Value::Array{Value::real(0.5), Value::real(0.5)});
    Value::Array threeNumbers = *m.asArray();
    threeNumbers[30] = Value(Value::Array{Value::real(0.5), Value::real(0.5), Value::real(0)});
    Value::Array words = *m.asArray();
    words[47] = Value(Value::Array{Value("0.5"), Value("0.5")});
    for (const Value& bad :
         {withPoints(m, 47, pair), withPoints(m, 49, pair), Value(std::move(threeNumbers)),
          Value(std::move(words)), Value("not a sample"), Value(Value::Array{})}) {
        EXPECT_EQ(VLStrokeError(m, bad), 99.0);
        EXPECT_EQ(VLStrokeCurveError(bad, m), 99.0);
        EXPECT_EQ(VLAdaptiveStrokeError(m, bad), 99.0);
        EXPECT_EQ(VLAdaptiveStrokeError(bad, m), 99.0);
    }
}

TEST(StrokeDistance, SamplesFromTheSettingsFileCompare) {
    // Points written as integers, as another writer may store 0 and 1, read as numbers.
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><array>";
    for (int i = 0; i < 48; ++i) {
        xml += "<array><integer>" + std::to_string(i % 2) + "</integer><real>0.5</real></array>";
    }
    xml += "</array></plist>";
    const std::optional<Value> stored = parsePropertyList(xml);
    ASSERT_TRUE(stored);
    LetterSample expected;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        expected[i] = {static_cast<double>(i % 2), 0.5};
    }
    EXPECT_EQ(VLStrokeError(*stored, letterSampleValue(expected)), 0.0);

    const Value drawn = letterSampleValue(normalized(testing::drawnArc({100, 100}, 60, 300)));
    const std::optional<Value> reread = parsePropertyList(serializeXmlPropertyList(drawn));
    ASSERT_TRUE(reread);
    EXPECT_EQ(VLAdaptiveStrokeError(drawn, *reread), 0.0);
}

TEST(StrokeDistance, CurveErrorForgivesSpeedButNotDirection) {
    const LetterSample m = normalized(testing::drawnM({0, 0}, 200, 150));
    // The same path drawn faster in the middle: points shifted by up to 3 positions.
    LetterSample hurried;
    for (std::size_t i = 0; i < hurried.size(); ++i) {
        const double position = static_cast<double>(i);
        const double shift = std::round(3.0 * std::sin(std::numbers::pi * position / 47.0));
        hurried[i] = m[static_cast<std::size_t>(std::clamp(position + shift, 0.0, 47.0))];
    }
    const double pointError = VLStrokeError(m, hurried);
    const double curveError = VLStrokeCurveError(m, hurried);
    EXPECT_GT(pointError, 0.05);
    EXPECT_LT(curveError, 0.5 * pointError);
    const double blended = VLAdaptiveStrokeError(m, hurried);
    EXPECT_DOUBLE_EQ(blended, 0.55 * pointError + 0.45 * curveError);

    // A non-symmetric shape drawn backwards.
    const LetterSample c = normalized(testing::drawnArc({100, 100}, 60, 300));
    LetterSample reversed;
    std::reverse_copy(c.begin(), c.end(), reversed.begin());
    EXPECT_GT(VLStrokeError(c, reversed), 0.3);
    EXPECT_GT(VLStrokeCurveError(c, reversed), 0.3);
}

}  // namespace
}  // namespace velmor
