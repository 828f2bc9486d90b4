#include <gtest/gtest.h>

#include "drawn_shapes.h"
#include "letter_test_platform.h"
#include "letters/letter_recognition.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_normalization.h"

namespace velmor {
namespace {

struct TrainingTest : ::testing::Test {
    TrainingTest() {
        for (const char* name : {"VLStudioRejected", "VLStudioProgress"}) {
            sim.platform.notifications().addObserver(
                name, [this](const platform::Notification& n) { heard.push_back(n); });
        }
        defaults().setString("VLStudioTrainingLetter", "Q");
        defaults().setInteger("VLStudioTrainingRemaining", 3);
    }
    platform::UserDefaults& defaults() { return sim.platform.defaults(); }
    void train(const std::vector<Point>& trace) {
        VLTrainLetterStroke(sim.platform, "Q", defaults().integer("VLStudioTrainingRemaining"),
                            trace);
    }

    testing::LetterTestPlatform sim;
    std::vector<platform::Notification> heard;
};

TEST_F(TrainingTest, RefusedDrawingChangesNothing) {
    const Value oldSamples(Value::Array(3, Value("old")));
    defaults().set(VLLetterTemplatesKey("Q"), oldSamples);
    train({{10, 10}});
    EXPECT_TRUE(heard.empty());  // posted from the main queue, not inside the callback
    sim.platform.runUntilIdle();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].name, "VLStudioRejected");
    EXPECT_EQ(heard[0].object, Value("Q"));
    EXPECT_EQ(sim.logMessages(),
              std::vector<std::string>{"studio=Q training rejected: too small/short"});
    EXPECT_EQ(defaults().integer("VLStudioTrainingRemaining"), 3);
    EXPECT_FALSE(defaults().object("VLStudioTrainingPending"));
    EXPECT_EQ(defaults().object(VLLetterTemplatesKey("Q")), oldSamples);
}

TEST_F(TrainingTest, ThreeDrawingsBecomeTheLettersSamples) {
    const Value oldSamples(Value::Array(3, Value("old")));
    defaults().set(VLLetterTemplatesKey("Q"), oldSamples);
    const std::vector<std::vector<Point>> drawings{testing::drawnArc({200, 200}, 80, 330),
                                                   testing::drawnArc({200, 200}, 60, 340),
                                                   testing::drawnM({0, 0}, 150, 100)};
    Value::Array expected;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        train(drawings[i]);
        sim.platform.runUntilIdle();
        expected.push_back(letterSampleValue(*VLNormalizeAlphabetStroke(drawings[i])));
        if (i < 2) {
            // A training given up now leaves the letter's old samples.
            EXPECT_EQ(defaults().object(VLLetterTemplatesKey("Q")), oldSamples);
            EXPECT_EQ(defaults().object("VLStudioTrainingPending"), Value(expected));
        }
    }
    EXPECT_EQ(defaults().object(VLLetterTemplatesKey("Q")), Value(expected));
    EXPECT_FALSE(defaults().object("VLStudioTrainingLetter"));
    EXPECT_FALSE(defaults().object("VLStudioTrainingPending"));
    EXPECT_EQ(defaults().object("VLStudioTrainingRemaining"), Value::integer(0));

    ASSERT_EQ(heard.size(), 3u);
    for (std::int64_t i = 0; i < 3; ++i) {
        EXPECT_EQ(heard[i].name, "VLStudioProgress");
        EXPECT_EQ(heard[i].object, Value(Value::Dictionary{{"letter", Value("Q")},
                                                           {"remaining", Value::integer(2 - i)}}));
    }
    EXPECT_EQ(sim.logMessages(), (std::vector<std::string>{
                                     "studio=Q trained sample=1 remaining=2",
                                     "studio=Q trained sample=2 remaining=1",
                                     "studio=Q trained sample=3 remaining=0",
                                 }));
}

}  // namespace
}  // namespace velmor
