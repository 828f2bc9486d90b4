#include "letters/stroke_normalization.h"

#include <gtest/gtest.h>

#include "drawn_shapes.h"

namespace velmor {
namespace {

using testing::polyline;

TEST(StrokeNormalization, RefusesTooFewPointsTooSmallTooShortAndTooTangled) {
    const std::vector<Point> twelve = polyline({{0, 0}, {220, 0}}, 20);
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_TRUE(VLNormalizeAlphabetStroke(twelve));
    EXPECT_FALSE(VLNormalizeAlphabetStroke(std::span(twelve).first(11)));

    // The larger side counts.
    EXPECT_TRUE(VLNormalizeAlphabetStroke(polyline({{0, 0}, {0, 200}, {69.9, 200}}, 10)));
    EXPECT_FALSE(VLNormalizeAlphabetStroke(polyline({{0, 0}, {0, 69.9}, {69.9, 69.9}}, 10)));

    EXPECT_TRUE(VLNormalizeAlphabetStroke(polyline({{0, 0}, {130, 0}}, 10)));
    EXPECT_FALSE(VLNormalizeAlphabetStroke(polyline({{0, 0}, {129.9, 0}}, 10)));

    // Back and forth over 70 points: 14 legs are exactly 14 times the size, more is a scribble.
    std::vector<Point> legs{{0, 0}};
    for (int leg = 1; leg <= 14; ++leg) {
        legs.push_back({leg % 2 ? 70.0 : 0.0, 0});
    }
    EXPECT_TRUE(VLNormalizeAlphabetStroke(polyline(legs, 10)));
    legs.push_back({10, 0});
    EXPECT_FALSE(VLNormalizeAlphabetStroke(polyline(legs, 10)));
}

TEST(StrokeNormalization, MapsIntoTheBoxAlongThePath) {
    // A thin stroke keeps a narrow x range instead of being blown up.
    const auto thin = VLNormalizeAlphabetStroke(polyline({{100, 100}, {103, 250}, {100, 100}}, 5));
    ASSERT_TRUE(thin);
    for (const Point& point : *thin) {
        EXPECT_GE(point.x, 0.0);
        EXPECT_LE(point.x, 0.2);
        EXPECT_GE(point.y, 0.0);
        EXPECT_LE(point.y, 1.0);
    }
    EXPECT_EQ(thin->front(), (Point{0, 0}));
    EXPECT_EQ(thin->back(), (Point{0, 0}));
    EXPECT_NEAR((*thin)[23].y, 1.0, 0.03);

    // Repeated points (zero-length segments) divide by nothing.
    std::vector<Point> stuttered = polyline({{0, 0}, {100, 0}, {100, 100}}, 10);
    stuttered.insert(stuttered.begin() + 5, 3, stuttered[5]);
    stuttered.insert(stuttered.end(), 3, stuttered.back());
    const auto sample = VLNormalizeAlphabetStroke(stuttered);
    ASSERT_TRUE(sample);
    for (const Point& point : *sample) {
        EXPECT_TRUE(std::isfinite(point.x) && std::isfinite(point.y));
    }
    EXPECT_EQ(sample->front(), (Point{0, 0}));
    EXPECT_EQ(sample->back(), (Point{1, 1}));
    EXPECT_NEAR((*sample)[47 / 2].x, 1.0, 0.03);  // half-way along is the corner
}

TEST(StrokeNormalization, ReachesTheLastPointWhenRoundingOvershootsTheLength) {
    // Find a path whose last target L * 47 / 47.0 comes out larger than L.
    for (double step = 7.0; step < 40.0; step += 0.01) {
        const std::vector<Point> trace = polyline({{0, 0}, {step * 20, 0}}, step);
        double length = 0.0;
        for (std::size_t i = 1; i < trace.size(); ++i) {
            length += std::sqrt((trace[i].x - trace[i - 1].x) * (trace[i].x - trace[i - 1].x));
        }
        if (length * 47 / 47.0 <= length) {
            continue;
        }
        const auto sample = VLNormalizeAlphabetStroke(trace);
        ASSERT_TRUE(sample);
        EXPECT_EQ(sample->back().x, 1.0);
        return;
    }
    FAIL() << "no path overshoots";
}

}  // namespace
}  // namespace velmor
