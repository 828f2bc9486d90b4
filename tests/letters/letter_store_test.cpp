#include "letters/letter_store.h"

#include <gtest/gtest.h>

#include "platform/in_memory_user_defaults.h"

namespace velmor {
namespace {

Value samples(int count, double mark = 0.0) {
    return Value(Value::Array(static_cast<std::size_t>(count), Value::real(mark)));
}

TEST(LetterStore, SamplesWithTheMFallback) {
    EXPECT_EQ(VLLetterTemplatesKey("Q"), "VLStudioLetterTemplates_Q");
    EXPECT_EQ(VLLetterActionKey("Q"), "VLStudioLetterApplication_Q");
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

TEST(LetterStore, ActionsWithTheDefaultsOfAAndM) {
    platform::InMemoryUserDefaults defaults;
    EXPECT_EQ(VLLetterAction(defaults, "A"), kLetterADefaultWebAddress);
    EXPECT_EQ(VLLetterAction(defaults, "M"), "/System/Applications/Music.app");
    EXPECT_FALSE(VLLetterAction(defaults, "B"));
    defaults.setString(VLLetterActionKey("A"), "");
    defaults.setString(VLLetterActionKey("B"), "");
    EXPECT_EQ(VLLetterAction(defaults, "A"), kLetterADefaultWebAddress);
    EXPECT_EQ(VLLetterAction(defaults, "B"), "");
    defaults.setString(VLLetterActionKey("A"), "/Applications/Safari.app");
    EXPECT_EQ(VLLetterAction(defaults, "A"), "/Applications/Safari.app");
}

}  // namespace
}  // namespace velmor
