#include <gtest/gtest.h>

#include "platform/macos_tables/macos_places.h"

namespace velmor::macos {
namespace {

TEST(MacPlaces, ApplicationsByNameAreLookedForInTheApplicationFolders) {
    const auto candidates = applicationCandidates("System Preferences", "/Users/ana");
    ASSERT_EQ(candidates.size(), 5u);
    EXPECT_EQ(candidates.front(), "/System/Applications/System Preferences.app");
    EXPECT_EQ(candidates[2], "/Users/ana/Applications/System Preferences.app");
    EXPECT_EQ(candidates.back(), "/Applications/Utilities/System Preferences.app");
    // A name never reaches outside those folders.
    for (const char* name : {"", "..", ".", "../../bin/sh", "Utilities/Terminal"}) {
        EXPECT_TRUE(applicationCandidates(name, "/Users/ana").empty()) << name;
    }
}

}  // namespace
}  // namespace velmor::macos
