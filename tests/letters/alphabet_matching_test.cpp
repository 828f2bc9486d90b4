#include <gtest/gtest.h>

#include "drawn_shapes.h"
#include "letter_test_platform.h"
#include "letters/alphabet_match_decision.h"
#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_normalization.h"

namespace velmor {
namespace {

using Reason = AlphabetMatchReason;
using testing::drawnArc;
using testing::drawnM;

TEST(AlphabetMatchDecision, ThresholdsAndGaps) {
    struct Case {
        double best, second;
        Reason reason;
        std::string_view candidate = "B";
    };
    // The C and O strokes are open: only an O that would otherwise be accepted is refused.
    for (const Case& c :
         {Case{0.10, 0.127, Reason::accept}, Case{0.11, 0.145, Reason::ambiguous},
          Case{0.105, 0.135, Reason::ambiguous}, Case{0.11, 0.16, Reason::accept},
          Case{0.19, 0.30, Reason::shape}, Case{0.184, 0.30, Reason::accept},
          Case{0.19, 99.0, Reason::accept}, Case{0.195, 99.0, Reason::shape},
          Case{0.05, 0.05, Reason::ambiguous}, Case{0.2, 0.2, Reason::shape},
          Case{0.05, 99.0, Reason::openO, "O"}, Case{0.05, 99.0, Reason::accept, "C"},
          Case{0.05, 0.06, Reason::ambiguous, "O"}}) {
        const AlphabetMatchDecision decision =
            VLDecideAlphabetMatch(c.best, c.second, c.candidate, c.candidate != "B");
        EXPECT_EQ(decision.accepted, c.reason == Reason::accept) << c.best << " / " << c.second;
        EXPECT_EQ(decision.reason, c.reason) << c.best << " / " << c.second;
    }
    EXPECT_TRUE(VLIsOpenStroke(drawnArc({100, 100}, 50, 300)));
    EXPECT_FALSE(VLIsOpenStroke(drawnArc({100, 100}, 50, 350)));
    EXPECT_FALSE(VLIsOpenStroke(std::vector<Point>{{5, 5}}));
    // Ends exactly 0.48 of the larger side apart are still closed.
    EXPECT_FALSE(VLIsOpenStroke(std::vector<Point>{{0, 0}, {100, 0}, {100, 60}, {0, 60}, {0, 48}}));
    EXPECT_TRUE(
        VLIsOpenStroke(std::vector<Point>{{0, 0}, {100, 0}, {100, 60}, {0, 60}, {0, 48.1}}));
}

struct MatchingTest : ::testing::Test {
    void train(const std::string& letter, const std::vector<Point>& drawing,
               std::optional<std::string> action = "/Applications/Letter.app") {
        const Value sample = letterSampleValue(*VLNormalizeAlphabetStroke(drawing));
        sim.platform.defaults().set(VLLetterTemplatesKey(letter), Value(Value::Array(3, sample)));
        if (action) {
            sim.platform.defaults().setString(VLLetterActionKey(letter), *action);
        }
    }
    void spoil(const std::string& letter) {
        sim.platform.defaults().set(VLLetterTemplatesKey(letter),
                                    Value(Value::Array(3, Value("not a sample"))));
    }
    std::optional<std::string> match(const std::vector<Point>& stroke) {
        return VLMatchAlphabetStroke(sim.platform, stroke);
    }
    testing::LetterTestPlatform sim;
};

TEST_F(MatchingTest, OnlyUsableLettersCompete) {
    const auto o = drawnArc({300, 300}, 80, 360);
    const auto m = drawnM({0, 0}, 200, 150);
    train("K", o, std::nullopt);  // no action: never matched
    train("M", m, std::nullopt);  // the default action makes M usable
    train("X", m);
    spoil("X");
    EXPECT_FALSE(match(o));
    EXPECT_EQ(match(m), "M");
    spoil("M");  // samples replaced after a stroke are read afresh for the next one
    EXPECT_FALSE(match(m));
    EXPECT_EQ(sim.logMessages(),
              std::vector<std::string>{"studio=alphabet candidate=M error=0.000 second=99.000 "
                                       "gap=99.000 matched=YES reason=ACCEPT"});
}

TEST_F(MatchingTest, OpenOsFarStrokesAndTies) {
    const auto c = drawnArc({300, 300}, 80, 300);
    train("O", c);  // trained sloppily: the O would match its own C
    EXPECT_FALSE(match(c));
    train("O", drawnArc({300, 300}, 80, 360));
    EXPECT_EQ(match(drawnArc({500, 200}, 60, 355)), "O");
    auto backwards = drawnM({0, 0}, 200, 150);  // nowhere near any O: not logged
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_FALSE(match(backwards));
    train("D", c);
    train("B", c);
    EXPECT_FALSE(match(c));  // the earlier letter stays the candidate, the tie is ambiguous
    const std::vector<std::string> lines = sim.logMessages();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "studio=alphabet candidate=O error=0.000 second=99.000 gap=99.000 "
              "matched=NO reason=OPEN_O");
    EXPECT_TRUE(lines[1].ends_with("matched=YES reason=ACCEPT")) << lines[1];
    EXPECT_EQ(lines[2],
              "studio=alphabet candidate=B error=0.000 second=0.000 gap=0.000 "
              "matched=NO reason=AMBIGUOUS");
}

TEST_F(MatchingTest, MatchLineOnlyBelowTheLogBound) {
    // Samples of a straight stroke moved down by d: no warping helps, so the error is d.
    const std::vector<Point> line = testing::polyline({{0, 0}, {200, 0}}, 10);
    const auto trainMovedDown = [&](double d) {
        LetterSample moved = *VLNormalizeAlphabetStroke(line);
        for (Point& point : moved) {
            point.y += d;
        }
        sim.platform.defaults().set(VLLetterTemplatesKey("L"),
                                    Value(Value::Array(3, letterSampleValue(moved))));
        sim.platform.defaults().setString(VLLetterActionKey("L"), "/Applications/L.app");
    };
    trainMovedDown(0.37);
    EXPECT_FALSE(match(line));
    trainMovedDown(0.4);
    EXPECT_FALSE(match(line));
    EXPECT_EQ(sim.logMessages(), std::vector<std::string>{"studio=alphabet candidate=L error=0.370 "
                                                          "second=99.000 gap=98.630 matched=NO "
                                                          "reason=SHAPE"});
}

}  // namespace
}  // namespace velmor
