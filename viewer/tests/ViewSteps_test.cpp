#include "ViewSteps.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewSteps, Zoom_nextMultiplesOfTheStep)
{
    EXPECT_EQ(ZoomInTarget(100, 5), 105);
    EXPECT_EQ(ZoomInTarget(103, 5), 105);
    EXPECT_EQ(ZoomOutTarget(100, 5), 95);
    EXPECT_EQ(ZoomOutTarget(103, 5), 95);
    EXPECT_EQ(ZoomInTarget(100, 0), 101);
    EXPECT_EQ(ZoomOutTarget(100, -4), 99);
    EXPECT_EQ(ZoomOutTarget(3, 5), -5); // below zero still a multiple; the clamp follows
}

TEST(ViewSteps, ClampZoom_limitsInEitherOrder)
{
    EXPECT_EQ(ClampZoom(1000, 25, 400), 400);
    EXPECT_EQ(ClampZoom(10, 25, 400), 25);
    EXPECT_EQ(ClampZoom(1000, 400, 25), 400);
    EXPECT_EQ(ClampZoom(10, 400, 25), 25);
    EXPECT_EQ(ClampZoom(150, 400, 25), 150);
}

TEST(ViewSteps, GridSort_theSameColumnCyclesANewOneStarts)
{
    // Column 1 (9001) twice from order 2: 0, then 1.
    EXPECT_EQ(NextGridSort(1, 2, 1), std::make_pair(1, 0));
    EXPECT_EQ(NextGridSort(1, 0, 1), std::make_pair(1, 1));
    // Another column starts with 0, and column 1 again starts with 2.
    EXPECT_EQ(NextGridSort(1, 0, 3), std::make_pair(3, 0));
    EXPECT_EQ(NextGridSort(3, 0, 1), std::make_pair(1, 2));
    // The other columns toggle between 0 and 1.
    EXPECT_EQ(NextGridSort(3, 0, 3), std::make_pair(3, 1));
    EXPECT_EQ(NextGridSort(3, 1, 3), std::make_pair(3, 0));
    EXPECT_EQ(NextGridSort(3, 2, 3), std::make_pair(3, 0));
}

} // namespace
