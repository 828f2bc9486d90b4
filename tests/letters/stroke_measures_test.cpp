#include <gtest/gtest.h>

#include <algorithm>

#include "core/property_list.h"
#include "drawn_shapes.h"
#include "letters/stroke_distance.h"
#include "letters/stroke_normalization.h"

namespace velmor {
namespace {

using testing::polyline;

bool normalizes(const std::vector<Point>& trace) {
    return VLNormalizeAlphabetStroke(trace).has_value();
}

LetterSample normalized(const std::vector<Point>& trace) {
    return VLNormalizeAlphabetStroke(trace).value();
}

TEST(StrokeNormalization, RefusesTooFewPointsTooSmallTooShortAndTooTangled) {
    const std::vector<Point> twelve = polyline({{0, 0}, {220, 0}}, 20);
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_TRUE(normalizes(twelve));
    const LetterSample even = normalized(twelve);  // a straight stroke spreads its points evenly
    for (std::size_t i = 0; i < even.size(); ++i) {
        EXPECT_NEAR(even[i].x, static_cast<double>(i) / 47.0, 1e-9) << i;
    }
    EXPECT_FALSE(normalizes({twelve.begin(), twelve.end() - 1}));
    EXPECT_TRUE(normalizes(polyline({{0, 0}, {0, 200}, {69.9, 200}}, 10)));  // larger side
    EXPECT_FALSE(normalizes(polyline({{0, 0}, {0, 69.9}, {69.9, 69.9}}, 10)));
    EXPECT_TRUE(normalizes(polyline({{0, 0}, {130, 0}}, 10)));
    EXPECT_FALSE(normalizes(polyline({{0, 0}, {129.9, 0}}, 10)));
    // Back and forth over 70 points: 14 legs are exactly 14 times the size, more is a scribble.
    std::vector<Point> legs{{0, 0}};
    for (int leg = 1; leg <= 14; ++leg) {
        legs.push_back({leg % 2 ? 70.0 : 0.0, 0});
    }
    EXPECT_TRUE(normalizes(polyline(legs, 10)));
    legs.push_back({10, 0});
    EXPECT_FALSE(normalizes(polyline(legs, 10)));
}

TEST(StrokeNormalization, MapsIntoTheBoxAlongThePath) {
    // A thin stroke keeps a narrow x range instead of being blown up: 3 points wide is 3 / 15.
    const LetterSample thin = normalized(polyline({{100, 100}, {103, 250}, {100, 100}}, 5));
    EXPECT_NEAR(std::ranges::max(thin, {}, &Point::x).x, 0.2, 0.005);
    EXPECT_GE(std::ranges::min(thin, {}, &Point::x).x, 0.0);
    EXPECT_NEAR(thin[23].y, 1.0, 0.03);

    // Repeated points (zero-length segments) divide by nothing.
    std::vector<Point> stuttered = polyline({{0, 0}, {100, 0}, {100, 100}}, 10);
    stuttered.insert(stuttered.begin() + 5, 3, stuttered[5]);
    stuttered.insert(stuttered.end(), 3, stuttered.back());
    const LetterSample corner = normalized(stuttered);
    EXPECT_TRUE(std::ranges::all_of(corner, [](Point p) { return std::isfinite(p.x + p.y); }));
    EXPECT_EQ(corner.front(), (Point{0, 0}));
    EXPECT_EQ(corner.back(), (Point{1, 1}));
    EXPECT_NEAR(corner[23].x, 1.0, 0.03);  // half-way along is the corner

    // The last point is reached when rounding makes the last target L * 47 / 47.0 exceed L.
    for (double step = 7.0; step < 40.0; step += 0.01) {
        const std::vector<Point> line = polyline({{0, 0}, {step * 20, 0}}, step);
        double length = 0.0;
        for (std::size_t i = 1; i < line.size(); ++i) {
            length += line[i].x - line[i - 1].x;
        }
        if (length * 47 / 47.0 > length) {
            EXPECT_EQ(normalized(line).back().x, 1.0);
            return;
        }
    }
    FAIL() << "no path overshoots";
}

TEST(StrokeDistance, IdenticalGiveZeroAndMalformedGive99) {
    const Value m = letterSampleValue(normalized(testing::drawnM({0, 0}, 200, 150)));
    // Read back as the settings file and other machines' event files carry it.
    const Value reread = parsePropertyList(serializeXmlPropertyList(m)).value();
    EXPECT_EQ(VLStrokeError(m, reread), 0.0);
    EXPECT_EQ(VLStrokeCurveError(m, reread), 0.0);
    EXPECT_EQ(VLAdaptiveStrokeError(m, reread), 0.0);

    const Value pair(Value::Array{Value::real(0.5), Value::real(0.5)});
    Value::Array short47 = *m.asArray(), long49 = *m.asArray(), triple = *m.asArray(),
                 words = *m.asArray();
    short47.pop_back();
    long49.push_back(pair);
    triple[30] = Value(Value::Array{Value::real(0.5), Value::real(0.5), Value::real(0)});
    words[47] = Value(Value::Array{Value("0.5"), Value("0.5")});
    for (const Value& bad : {Value(short47), Value(long49), Value(triple), Value(words), pair}) {
        EXPECT_EQ(VLStrokeError(m, bad), 99.0);
        EXPECT_EQ(VLStrokeCurveError(bad, m), 99.0);
        EXPECT_EQ(VLAdaptiveStrokeError(m, bad), 99.0);
    }
}

TEST(StrokeDistance, FollowsDrawingOrder) {
    const LetterSample c = normalized(testing::drawnArc({100, 100}, 60, 300));
    LetterSample reversed;
    std::reverse_copy(c.begin(), c.end(), reversed.begin());
    EXPECT_GT(VLStrokeError(c, reversed), 0.3);
    EXPECT_GT(VLStrokeCurveError(c, reversed), 0.3);
}

// Samples that stay at one point and jump to another at point `edge`.
LetterSample stepAt(std::size_t edge, Point before, Point after) {
    LetterSample sample;
    for (std::size_t i = 0; i < sample.size(); ++i) {
        sample[i] = i < edge ? before : after;
    }
    return sample;
}

TEST(StrokeDistance, CurveErrorByHand) {
    // The jump of b comes five points after a's. No path within four points of the diagonal
    // lines the jumps up, so the best one warps four points away and back (8 steps of 0.025)
    // and still meets one point at distance 1: (0.2 + 1) / 48.
    const LetterSample a = stepAt(20, {0, 0}, {1, 0});
    const LetterSample b = stepAt(25, {0, 0}, {1, 0});
    EXPECT_DOUBLE_EQ(VLStrokeError(a, b), 5.0 / 48.0);
    EXPECT_DOUBLE_EQ(VLStrokeCurveError(a, b), 1.2 / 48.0);
    EXPECT_DOUBLE_EQ(VLAdaptiveStrokeError(a, b), 0.55 * 5.0 / 48.0 + 0.45 * 1.2 / 48.0);
    // Four points apart near the end: warped all the way, 8 steps and nothing else.
    EXPECT_DOUBLE_EQ(VLStrokeCurveError(stepAt(43, {0, 0}, {1, 0}), stepAt(47, {0, 0}, {1, 0})),
                     0.2 / 48.0);

    // A point-wise error of 90 or more comes back unblended, though the curve error is less.
    const LetterSample far = stepAt(25, {0, 90}, {200, 90});
    const double pointError = VLStrokeError(stepAt(20, {0, 0}, {200, 0}), far);
    ASSERT_GE(pointError, 90.0);
    EXPECT_LT(VLStrokeCurveError(stepAt(20, {0, 0}, {200, 0}), far), pointError);
    EXPECT_EQ(VLAdaptiveStrokeError(stepAt(20, {0, 0}, {200, 0}), far), pointError);
}

}  // namespace
}  // namespace velmor
