// The result caches of the calendar and recurrence classes.
#include "Cache.h"
#include "WorkingMinutesMemo.h"

#include <gtest/gtest.h>

namespace {

TEST(CCacheDateTimePeriod, Matches_onlyValidAndEqualKey)
{
    CCacheDateTimePeriod cache;
    cache.SetKey(100u, 60, 101u, 0);
    EXPECT_FALSE(cache.Matches(100u, 60, 101u, 0)); // not valid yet
    cache.SetValid(true);
    EXPECT_TRUE(cache.Matches(100u, 60, 101u, 0));
    EXPECT_FALSE(cache.Matches(100u, 61, 101u, 0));
    EXPECT_FALSE(cache.Matches(100u, 60, 102u, 0));
    cache.Invalidate();
    EXPECT_FALSE(cache.Matches(100u, 60, 101u, 0));
}

TEST(CWorkingMinutesMemo, Store_startsOverWhenFull)
{
    CWorkingMinutesMemo memo;
    for (size_t i = 0; i < CWorkingMinutesMemo::kCapacity; ++i)
        memo.Store(static_cast<uint32_t>(i), 0, static_cast<uint32_t>(i) + 1, 1440, static_cast<int>(i));
    EXPECT_EQ(memo.Size(), CWorkingMinutesMemo::kCapacity);
    int found = -1;
    ASSERT_TRUE(memo.Find(5u, 0, 6u, 1440, found));
    EXPECT_EQ(found, 5);
    EXPECT_FALSE(memo.Find(5u, 0, 6u, 1439, found)); // every field of the key counts
    memo.Store(1u << 30, 0, (1u << 30) + 1, 1440, 7);
    EXPECT_EQ(memo.Size(), 1u);
    EXPECT_FALSE(memo.Find(5u, 0, 6u, 1440, found));
    ASSERT_TRUE(memo.Find(1u << 30, 0, (1u << 30) + 1, 1440, found));
    EXPECT_EQ(found, 7);
    memo.Clear();
    EXPECT_EQ(memo.Size(), 0u);
}

} // namespace
