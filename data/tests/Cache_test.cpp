// The result caches of the calendar and recurrence classes.
#include "Cache.h"

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

} // namespace
