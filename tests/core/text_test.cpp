#include "core/text.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

TEST(AsciiLowercased, FoldsExactlyAToZ) {
    // The letters at both ends of the range and the bytes just outside it.
    EXPECT_EQ(asciiLowercased("@AZ[`az{"), "@az[`az{");
    EXPECT_EQ(asciiLowercased("HTTPS://Example.COM/Path"), "https://example.com/path");
    // UTF-8 passes untouched, Korean and the capital letters beyond ASCII alike.
    EXPECT_EQ(asciiLowercased("유튜브 뮤직 ÄÖ"), "유튜브 뮤직 ÄÖ");
    EXPECT_EQ(asciiLowercased(""), "");
}

}  // namespace
}  // namespace velmor
