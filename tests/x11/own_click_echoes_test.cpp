// The program's own clicks, told from the user's when the tap catches them.
#include <gtest/gtest.h>

#include "platform/x11/own_click_echoes.h"

namespace velmor::x11::testing {
namespace {

using Clock = OwnClickEchoes::Clock;
using std::chrono::milliseconds;

TEST(OwnClickEchoesTest, EachOwnClickIsTakenBackOnceAndOnlyForItsButton) {
    const Clock::time_point at = Clock::now();
    OwnClickEchoes echoes;
    EXPECT_FALSE(echoes.isEcho(3, at)) << "nothing posted: every press is the user's";

    echoes.posted(3, at);
    echoes.posted(3, at);
    EXPECT_FALSE(echoes.isEcho(1, at));
    EXPECT_TRUE(echoes.isEcho(3, at));
    EXPECT_TRUE(echoes.isEcho(3, at));
    EXPECT_FALSE(echoes.isEcho(3, at)) << "the user's next press";
}

TEST(OwnClickEchoesTest, AClickThatGotByTheGrabOrTookTooLongIsExpectedNoMore) {
    const Clock::time_point at = Clock::now();
    OwnClickEchoes echoes;
    echoes.posted(3, at);
    echoes.posted(2, at);
    echoes.released(1);
    echoes.released(3);
    EXPECT_FALSE(echoes.isEcho(3, at));
    EXPECT_TRUE(echoes.isEcho(2, at)) << "another button's release leaves it expected";

    echoes.posted(3, at);
    EXPECT_TRUE(echoes.isEcho(3, at + OwnClickEchoes::kPatience));
    echoes.posted(3, at);
    EXPECT_FALSE(echoes.isEcho(3, at + OwnClickEchoes::kPatience + milliseconds(1)));
}

}  // namespace
}  // namespace velmor::x11::testing
