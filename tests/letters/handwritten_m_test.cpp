#include <gtest/gtest.h>

#include "drawn_shapes.h"
#include "letter_test_platform.h"
#include "letters/letter_recognition.h"

namespace velmor {
namespace {

using testing::drawnM;
using testing::polyline;

struct Verdict {
    bool matched = false;
    double error = -1.0, width = -1.0, height = -1.0;
};

Verdict examine(const std::vector<Point>& trace) {
    Verdict verdict;
    verdict.matched = VLIsHandwrittenM(trace, &verdict.error, &verdict.width, &verdict.height);
    return verdict;
}

TEST(HandwrittenM, EveryGateFromBothSides) {
    const Verdict m = examine(drawnM({40, 60}, 200, 150));
    EXPECT_TRUE(m.matched);
    EXPECT_EQ(m.width, 200.0);
    EXPECT_EQ(m.height, 150.0);
    EXPECT_TRUE(VLIsHandwrittenM(drawnM({0, 0}, 200, 150), nullptr, nullptr, nullptr));
    // 13 points: no verdict at all, the box is not even measured.
    const std::vector<Point> thirteen = drawnM({0, 0}, 200, 150, 0.76, 70);
    ASSERT_EQ(thirteen.size(), 13u);
    const Verdict few = examine(thirteen);
    EXPECT_EQ(few.error, 99.0);
    EXPECT_EQ(few.width, -1.0);

    const auto reachesTemplate = [](const std::vector<Point>& trace) {
        return examine(trace).error < 99.0;
    };
    const Verdict narrow = examine(drawnM({0, 0}, 74.9, 80));
    EXPECT_EQ(narrow.error, 99.0);
    EXPECT_DOUBLE_EQ(narrow.width, 74.9);
    EXPECT_TRUE(reachesTemplate(drawnM({0, 0}, 75, 80)));
    EXPECT_TRUE(reachesTemplate(drawnM({0, 0}, 100, 60)));
    EXPECT_FALSE(reachesTemplate(drawnM({0, 0}, 100, 59.9)));
    EXPECT_TRUE(reachesTemplate(drawnM({0, 0}, 110, 200)));  // aspect 0.55
    EXPECT_FALSE(reachesTemplate(drawnM({0, 0}, 109.9, 200)));
    EXPECT_TRUE(reachesTemplate(drawnM({0, 0}, 192, 60)));  // aspect 3.2
    EXPECT_FALSE(reachesTemplate(drawnM({0, 0}, 192.1, 60)));

    // Start and end corners, each exactly at its bound and just past it, in a box that begins at
    // (100, 100) rather than at 0.
    const auto withEnds = [](Point start, Point end) {
        return polyline({{start.x + 100, start.y + 100},
                         {100, 100},
                         {200, 214},
                         {300, 100},
                         {end.x + 100, end.y + 100}});
    };
    EXPECT_TRUE(reachesTemplate(withEnds({48, 150}, {200, 150})));  // start x 0.24
    EXPECT_FALSE(reachesTemplate(withEnds({50, 150}, {200, 150})));
    EXPECT_TRUE(reachesTemplate(withEnds({0, 109.5}, {200, 150})));  // start y 0.73
    EXPECT_FALSE(reachesTemplate(withEnds({0, 108}, {200, 150})));
    EXPECT_TRUE(reachesTemplate(withEnds({0, 150}, {154, 150})));  // end x 0.77
    EXPECT_FALSE(reachesTemplate(withEnds({0, 150}, {152, 150})));
    EXPECT_TRUE(reachesTemplate(withEnds({0, 150}, {200, 109.5})));  // end y 0.73
    EXPECT_FALSE(reachesTemplate(withEnds({0, 150}, {200, 108})));

    // A flat-bottomed M of 14 points in a 75 x 60 box whose path is exactly 210 long: every
    // size gate at its bound, and still an M.
    const std::vector<Point> smallest =
        polyline({{0, 60}, {0, 0}, {30, 22.5}, {45, 22.5}, {75, 0}, {75, 60}}, 18.75);
    ASSERT_EQ(smallest.size(), 14u);
    EXPECT_TRUE(examine(smallest).matched);
    EXPECT_FALSE(reachesTemplate(
        polyline({{0, 59.9}, {0, 0}, {30, 22.5}, {45, 22.5}, {75, 0}, {75, 60}}, 18.75)));

    // Up and down the left side four times before the rest: 9 times the larger side exactly.
    std::vector<Point> zigzag{{0, 100}, {0, 0},   {0, 100}, {0, 0},   {0, 100},
                              {0, 0},   {0, 100}, {0, 0},   {100, 0}, {100, 100}};
    EXPECT_TRUE(reachesTemplate(polyline(zigzag, 25)));
    zigzag.push_back({99.9, 100});
    EXPECT_FALSE(reachesTemplate(polyline(zigzag, 25)));
}

TEST(HandwrittenM, TemplateDistanceBoundsAndTheLogLine) {
    // Drawn exactly along the template, dip and all.
    EXPECT_LT(examine(drawnM({0, 0}, 200, 150)).error, 1e-9);
    // Close on average (0.17) but refused: the mean must stay below 0.165.
    const Verdict vShaped =
        examine(polyline({{0, 150}, {0, 15}, {100, 150}, {200, 0}, {200, 109.5}}));
    EXPECT_FALSE(vShaped.matched);
    EXPECT_GT(vShaped.error, 0.165);
    EXPECT_LT(vShaped.error, 0.18);
    // A dip at 0.35 of the height: mean 0.148, but one point 0.395 away; at 0.4 it passes.
    const Verdict shallow = examine(drawnM({0, 0}, 200, 150, 0.35));
    EXPECT_FALSE(shallow.matched);
    EXPECT_LT(shallow.error, 0.165);
    EXPECT_TRUE(examine(drawnM({0, 0}, 200, 150, 0.4)).matched);

    // A hook at the start and a last stroke slanting back: the 48 points are spaced from
    // the very first point to the very last, not one before or beyond.
    const Verdict hooked =
        examine(polyline({{0, 150}, {4, 146}, {4, 0}, {100, 114}, {200, 0}, {180, 150}}));
    EXPECT_TRUE(hooked.matched);
    EXPECT_NEAR(hooked.error, 0.0230259, 1e-6);

    testing::LetterTestPlatform sim;
    VLLogHandwrittenMAttempt(sim.platform, false, 0.2, 200.4, 149.6);
    VLLogHandwrittenMAttempt(sim.platform, true, 0.0421, 200, 150);
    EXPECT_EQ(sim.logMessages(),
              (std::vector<std::string>{
                  "gesture=handwritten-M matched=NO error=0.200 width=200 height=150 result=NONE",
                  "gesture=handwritten-M matched=YES error=0.042 width=200 height=150 "
                  "result=MUSIC_APP"}));
}

}  // namespace
}  // namespace velmor
