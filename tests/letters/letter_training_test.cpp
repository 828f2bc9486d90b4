#include <gtest/gtest.h>

#include "drawn_shapes.h"
#include "letter_test_platform.h"
#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_normalization.h"
#include "platform/in_memory_user_defaults.h"

namespace velmor {
namespace {

Value samples(int count, double mark = 0.0) {
    return Value(Value::Array(static_cast<std::size_t>(count), Value::real(mark)));
}

TEST(LetterSamples, TakeThreeOrMoreWithTheMFallback) {
    EXPECT_EQ(VLLetterTemplatesKey("Q"), "VLStudioLetterTemplates_Q");
    platform::InMemoryUserDefaults defaults;
    defaults.set(VLLetterTemplatesKey("B"), samples(2));
    defaults.set(VLLetterTemplatesKey("C"), samples(5));
    defaults.set(VLLetterTemplatesKey("E"), Value("three samples"));
    defaults.set(defaults_key::kStudioMTemplates, samples(3, 7.0));
    EXPECT_FALSE(VLLetterSamples(defaults, "B"));  // never looks at the M store
    EXPECT_EQ(VLLetterSamples(defaults, "C"), samples(5));
    EXPECT_FALSE(VLLetterSamples(defaults, "E"));
    EXPECT_EQ(VLLetterSamples(defaults, "M"), samples(3, 7.0));
    defaults.set(VLLetterTemplatesKey("M"), samples(2));
    EXPECT_EQ(VLLetterSamples(defaults, "M"), samples(3, 7.0));
    defaults.set(defaults_key::kStudioMTemplates, samples(2, 7.0));
    EXPECT_FALSE(VLLetterSamples(defaults, "M"));
    defaults.set(VLLetterTemplatesKey("M"), samples(3));
    defaults.set(defaults_key::kStudioMTemplates, samples(3, 7.0));
    EXPECT_EQ(VLLetterSamples(defaults, "M"), samples(3));
}

TEST(LetterTraining, ThreeDrawingsReplaceTheSamplesAtTheEnd) {
    testing::LetterTestPlatform sim;
    platform::UserDefaults& defaults = sim.platform.defaults();
    std::vector<platform::Notification> heard;
    std::vector<std::unique_ptr<platform::ObserverToken>> observers;
    for (const char* name : {"VLStudioRejected", "VLStudioProgress"}) {
        observers.push_back(sim.platform.notifications().addObserver(
            name, [&heard](const platform::Notification& n) { heard.push_back(n); }));
    }
    const auto train = [&](const std::vector<Point>& trace) {
        VLTrainLetterStroke(sim.platform, "Q", defaults.integer("VLStudioTrainingRemaining"),
                            trace);
    };
    defaults.setString("VLStudioTrainingLetter", "Q");
    defaults.setInteger("VLStudioTrainingRemaining", 3);
    const Value oldSamples(Value::Array(3, Value("old")));
    defaults.set(VLLetterTemplatesKey("Q"), oldSamples);

    train({{10, 10}});           // refused: changes nothing
    EXPECT_TRUE(heard.empty());  // posted from the main queue, not inside the callback
    sim.platform.runUntilIdle();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].name, "VLStudioRejected");
    EXPECT_EQ(heard[0].object, Value("Q"));
    EXPECT_EQ(defaults.integer("VLStudioTrainingRemaining"), 3);
    EXPECT_FALSE(defaults.object("VLStudioTrainingPending"));

    const std::vector<std::vector<Point>> drawings{testing::drawnArc({200, 200}, 80, 330),
                                                   testing::drawnArc({200, 200}, 60, 340),
                                                   testing::drawnM({0, 0}, 150, 100)};
    Value::Array expected;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        train(drawings[i]);
        sim.platform.runUntilIdle();
        expected.push_back(letterSampleValue(*VLNormalizeAlphabetStroke(drawings[i])));
        if (i < 2) {  // a training given up now leaves the letter's old samples
            EXPECT_EQ(defaults.object(VLLetterTemplatesKey("Q")), oldSamples);
            EXPECT_EQ(defaults.object("VLStudioTrainingPending"), Value(expected));
        }
        ASSERT_EQ(heard.size(), i + 2);
        EXPECT_EQ(heard.back().name, "VLStudioProgress");
        EXPECT_EQ(heard.back().object,
                  Value(Value::Dictionary{{"letter", Value("Q")},
                                          {"remaining", Value::integer(2 - std::int64_t(i))}}));
    }
    EXPECT_EQ(defaults.object(VLLetterTemplatesKey("Q")), Value(expected));
    EXPECT_FALSE(defaults.object("VLStudioTrainingLetter"));
    EXPECT_FALSE(defaults.object("VLStudioTrainingPending"));
    EXPECT_EQ(defaults.object("VLStudioTrainingRemaining"), Value::integer(0));
    EXPECT_EQ(sim.logMessages(), (std::vector<std::string>{
                                     "studio=Q training rejected: too small/short",
                                     "studio=Q trained sample=1 remaining=2",
                                     "studio=Q trained sample=2 remaining=1",
                                     "studio=Q trained sample=3 remaining=0",
                                 }));
}

}  // namespace
}  // namespace velmor
