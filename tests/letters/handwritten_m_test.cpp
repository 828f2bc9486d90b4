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

TEST(HandwrittenM, GatesOnPointsSizeAspectAndCorners) {
    const Verdict m = examine(drawnM({40, 60}, 200, 150));
    EXPECT_TRUE(m.matched);
    EXPECT_LT(m.error, 0.165);
    EXPECT_EQ(m.width, 200.0);
    EXPECT_EQ(m.height, 150.0);
    EXPECT_TRUE(VLIsHandwrittenM(drawnM({0, 0}, 200, 150), nullptr, nullptr, nullptr));

    // 13 points: no verdict at all, the box is not even measured.
    std::vector<Point> points = drawnM({0, 0}, 200, 150, 0.76, 70);
    ASSERT_EQ(points.size(), 13u);
    const Verdict few = examine(points);
    EXPECT_FALSE(few.matched);
    EXPECT_EQ(few.error, 99.0);
    EXPECT_EQ(few.width, -1.0);
    points.insert(points.begin() + 1, {0, 125});
    EXPECT_TRUE(examine(points).matched);

    const Verdict narrow = examine(drawnM({0, 0}, 74.9, 80));
    EXPECT_EQ(narrow.error, 99.0);
    EXPECT_DOUBLE_EQ(narrow.width, 74.9);
    EXPECT_LT(examine(drawnM({0, 0}, 75.0, 80)).error, 99.0);
    EXPECT_EQ(examine(drawnM({0, 0}, 300, 90)).error, 99.0);  // aspect 3.33
    // A W starts at the top left; an M whose last stroke stops half-way down ends too high.
    EXPECT_EQ(examine(polyline({{0, 0}, {50, 150}, {100, 40}, {150, 150}, {200, 0}})).error, 99.0);
    EXPECT_EQ(examine(polyline({{0, 150}, {0, 0}, {100, 114}, {200, 0}, {200, 75}})).error, 99.0);
}

TEST(HandwrittenM, NearMissesAndTheLogLine) {
    // Its dip stays near the top: the right gates, the wrong shape.
    const Verdict shallow = examine(drawnM({0, 0}, 200, 150, 0.1));
    EXPECT_FALSE(shallow.matched);
    EXPECT_GE(shallow.error, 0.165);
    EXPECT_LT(shallow.error, 0.45);

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
