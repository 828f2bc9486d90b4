#include <gtest/gtest.h>

#include <map>

#include "platform/macos_tables/handle_table.h"
#include "platform/macos_tables/quartz_time.h"

namespace velmor::macos {
namespace {

// Reference counts of fake handles, as the system would keep them.
std::map<void*, int> references;

void* retainHandle(void* handle) {
    ++references[handle];
    return handle;
}
void releaseHandle(void* handle) {
    --references[handle];
}

TEST(HandleTable, KeepsTheNewestAndReleasesEveryReferenceItTook) {
    references.clear();
    int a = 0, b = 0, c = 0;
    {
        HandleTable table(2, retainHandle, releaseHandle);
        references[&a] = references[&b] = references[&c] = 1;  // the ones handed over
        const std::int64_t first = table.add(&a);
        const std::int64_t second = table.add(&b);
        EXPECT_NE(first, 0);
        EXPECT_NE(first, second);
        void* copied = table.copy(first);
        EXPECT_EQ(copied, &a);
        EXPECT_EQ(references[&a], 2);
        releaseHandle(copied);

        const std::int64_t third = table.add(&c);  // a is the oldest and goes
        EXPECT_EQ(references[&a], 0);
        EXPECT_EQ(table.copy(first), nullptr);
        EXPECT_EQ(table.copy(third), &c);
        releaseHandle(&c);
        EXPECT_EQ(table.copy(0), nullptr);
    }
    EXPECT_EQ(references[&b], 0);
    EXPECT_EQ(references[&c], 0);
}

TEST(QuartzTime, StampsInNanosecondsOrInTicksBothGiveNanoseconds) {
    // Ticks of 125/3 ns, as on a machine whose absolute clock runs at 24 MHz.
    const ClockReading now{.ticks = 240'000'000'000,
                           .nanoseconds = 10'000'000'000'000,
                           .numerator = 125,
                           .denominator = 3};
    EXPECT_EQ(inputTimeOfQuartzStamp(9'999'000'000'000, now), 9'999'000'000'000u);
    EXPECT_EQ(inputTimeOfQuartzStamp(239'976'000'000, now), 9'999'000'000'000u);
    EXPECT_EQ(inputTimeOfQuartzStamp(7, now), 291u);  // nearer the ticks: 7 × 125 / 3
    // Where ticks are nanoseconds, the stamp is taken as it is, but never as 0.
    const ClockReading same{.ticks = 5000, .nanoseconds = 5000};
    EXPECT_EQ(inputTimeOfQuartzStamp(4000, same), 4000u);
    EXPECT_EQ(inputTimeOfQuartzStamp(0, same), 1u);
}

}  // namespace
}  // namespace velmor::macos
