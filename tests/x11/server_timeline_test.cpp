#include <gtest/gtest.h>

#include "platform/x11/server_timeline.h"

namespace velmor::x11 {
namespace {

constexpr platform::InputTime kMs = platform::kNanosecondsPerMillisecond;

TEST(ServerTimeline, KeepsMillisecondStepsExactAndNeverSaysNever) {
    ServerTimeline timeline;
    const platform::InputTime first = timeline.stamp(0);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(timeline.stamp(300) - first, 300 * kMs);
    EXPECT_EQ(timeline.newest(), first + 300 * kMs);
    // A little out of order, as two devices' events may be: behind, not a wrap.
    EXPECT_EQ(timeline.stamp(290) - first, 290 * kMs);
    EXPECT_EQ(timeline.newest(), first + 300 * kMs);
}

TEST(ServerTimeline, RunsOnAcrossTheWrapOfTheServersClock) {
    ServerTimeline timeline;
    const platform::InputTime beforeWrap = timeline.stamp(0xFFFFFF00u);
    const platform::InputTime afterWrap = timeline.stamp(0x10u);
    EXPECT_EQ(afterWrap - beforeWrap, 0x110 * kMs);
    // A straggler stamped just before the wrap still lies before it.
    EXPECT_EQ(afterWrap - timeline.stamp(0xFFFFFFF0u), 0x20 * kMs);
    EXPECT_EQ(timeline.stamp(0x20u) - afterWrap, 0x10 * kMs);
}

}  // namespace
}  // namespace velmor::x11
