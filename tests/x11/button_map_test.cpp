#include <gtest/gtest.h>

#include "platform/x11/button_map.h"

namespace velmor::x11 {
namespace {

TEST(ButtonMap, PostsThroughTheInverseOfTheUsersMap) {
    const ButtonMap unmapped;
    EXPECT_EQ(unmapped.physical(3), 3u);
    EXPECT_EQ(unmapped.logical(9), 9u);

    // Left-handed, with the wheel turned round: pointer = 3 2 1 5 4.
    const ButtonMap leftHanded({3, 2, 1, 5, 4, 6, 7});
    EXPECT_EQ(leftHanded.physical(3), 1u);
    EXPECT_EQ(leftHanded.physical(1), 3u);
    EXPECT_EQ(leftHanded.physical(4), 5u);
    EXPECT_EQ(leftHanded.logical(1), 3u);
    EXPECT_EQ(leftHanded.logical(5), 4u);
    EXPECT_EQ(leftHanded.physical(9), 9u);  // beyond the map: as it is
    EXPECT_FALSE(leftHanded.physical(0));
    EXPECT_FALSE(leftHanded.logical(0));

    // The right button switched off, and the middle one giving the right's number.
    const ButtonMap noRight({1, 3, 0});
    EXPECT_EQ(noRight.physical(3), 2u);
    EXPECT_FALSE(noRight.physical(2));
    EXPECT_FALSE(noRight.logical(3));
}

}  // namespace
}  // namespace velmor::x11
