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

void expectDecision(double best, double second, bool accepted, Reason reason,
                    std::string_view candidate = "B", bool open = false) {
    const AlphabetMatchDecision decision = VLDecideAlphabetMatch(best, second, candidate, open);
    EXPECT_EQ(decision.accepted, accepted) << best << " / " << second;
    EXPECT_EQ(decision.reason, reason) << best << " / " << second;
}

TEST(AlphabetMatchDecision, ThresholdsAndGaps) {
    expectDecision(0.10, 0.127, true, Reason::accept);
    expectDecision(0.11, 0.145, false, Reason::ambiguous);
    expectDecision(0.11, 0.16, true, Reason::accept);
    expectDecision(0.19, 0.30, false, Reason::shape);
    expectDecision(0.19, 99.0, true, Reason::accept);
    expectDecision(0.184, 0.30, true, Reason::accept);
    expectDecision(0.195, 99.0, false, Reason::shape);
    expectDecision(0.05, 0.05, false, Reason::ambiguous);
    expectDecision(0.2, 0.2, false, Reason::shape);
    // The open-O test refuses only an O that would otherwise be accepted.
    expectDecision(0.05, 99.0, false, Reason::openO, "O", true);
    expectDecision(0.05, 99.0, true, Reason::accept, "C", true);
    expectDecision(0.05, 0.06, false, Reason::ambiguous, "O", true);

    EXPECT_TRUE(VLIsOpenStroke(testing::drawnArc({100, 100}, 50, 300)));
    EXPECT_FALSE(VLIsOpenStroke(testing::drawnArc({100, 100}, 50, 350)));
    EXPECT_FALSE(VLIsOpenStroke(std::vector<Point>{{5, 5}}));
}

struct MatchingTest : ::testing::Test {
    void trainLetter(const std::string& letter, const std::vector<Point>& drawing,
                     std::optional<std::string> action = "/Applications/Letter.app") {
        const Value sample = letterSampleValue(*VLNormalizeAlphabetStroke(drawing));
        defaults().set(VLLetterTemplatesKey(letter), Value(Value::Array(3, sample)));
        if (action) {
            defaults().setString(VLLetterActionKey(letter), *action);
        }
    }
    platform::UserDefaults& defaults() { return sim.platform.defaults(); }
    std::optional<std::string> match(const std::vector<Point>& stroke) {
        return VLMatchAlphabetStroke(sim.platform, stroke);
    }

    testing::LetterTestPlatform sim;
};

TEST_F(MatchingTest, OnlyUsableLettersCompete) {
    const auto o = testing::drawnArc({300, 300}, 80, 360);
    const auto m = testing::drawnM({0, 0}, 200, 150);
    trainLetter("K", o, std::nullopt);  // no action: never matched
    trainLetter("M", m, std::nullopt);  // the default action makes M usable
    defaults().set(VLLetterTemplatesKey("X"), Value(Value::Array(3, Value("not a sample"))));
    defaults().setString(VLLetterActionKey("X"), "/Applications/X.app");
    EXPECT_FALSE(match(o));
    EXPECT_FALSE(match({{1, 1}, {2, 2}}));
    EXPECT_EQ(match(m), "M");
    // Samples replaced after a stroke are read afresh for the next one.
    defaults().set(VLLetterTemplatesKey("M"), Value(Value::Array(3, Value("not a sample"))));
    EXPECT_FALSE(match(m));
    EXPECT_EQ(sim.logMessages(),
              std::vector<std::string>{"studio=alphabet candidate=M error=0.000 second=99.000 "
                                       "gap=99.000 matched=YES reason=ACCEPT"});
}

TEST_F(MatchingTest, TiesKeepTheEarlierLetterAndAreAmbiguous) {
    const auto c = testing::drawnArc({300, 300}, 80, 300);
    trainLetter("D", c);
    trainLetter("B", c);
    EXPECT_FALSE(match(c));
    EXPECT_EQ(sim.logMessages(),
              std::vector<std::string>{"studio=alphabet candidate=B error=0.000 second=0.000 "
                                       "gap=0.000 matched=NO reason=AMBIGUOUS"});
}

TEST_F(MatchingTest, AnOpenOIsRefusedAndFarStrokesAreNotLogged) {
    const auto c = testing::drawnArc({300, 300}, 80, 300);
    trainLetter("O", c);  // trained sloppily: the O would match its own C
    EXPECT_FALSE(match(c));
    trainLetter("O", testing::drawnArc({300, 300}, 80, 360));
    EXPECT_EQ(match(testing::drawnArc({500, 200}, 60, 355)), "O");
    // The M, drawn backwards, is nowhere near any O.
    auto backwards = testing::drawnM({0, 0}, 200, 150);
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_FALSE(match(backwards));
    const std::vector<std::string> lines = sim.logMessages();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "studio=alphabet candidate=O error=0.000 second=99.000 gap=99.000 matched=NO "
              "reason=OPEN_O");
    EXPECT_TRUE(lines[1].ends_with("matched=YES reason=ACCEPT")) << lines[1];
}

}  // namespace
}  // namespace velmor
