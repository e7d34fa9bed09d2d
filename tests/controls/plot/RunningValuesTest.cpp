// A channel's running statistics: kept point by point, and recomputed over
// the valid points of a list on request.

#include "controls/plot/core/RunningValues.h"
#include "controls/plot/core/NullPointList.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RunningValues, FollowEveryAddedPoint) {
    TiPlotRunningValues r;
    EXPECT_EQ(r.XMin, 1e300);
    EXPECT_EQ(r.XMax, -1e300);
    r.Add(0, 0);
    r.Add(-100, -100);
    EXPECT_EQ(r.Count, 2);
    EXPECT_EQ(r.XMin, -100);
    EXPECT_EQ(r.XMax, 0);
    EXPECT_EQ(r.XMean(), -50);
    EXPECT_EQ(r.YMean(), -50);
    r.Reset();
    r.Add(10, 10);
    EXPECT_EQ(r.XMean(), 10);
    EXPECT_EQ(r.YMin, 10);
}

TEST(RunningValues, SumInExtendedPrecision) {
    // In double precision the two ones would vanish into the first value.
    const double big = std::ldexp(1.0, 53);
    TiPlotRunningValues r;
    for (double x : {big, 1.0, 1.0}) {
        r.Add(x, 0);
    }
    EXPECT_EQ(r.XMean(), double((static_cast<long double>(big) + 2) / 3));
    EXPECT_NE(r.XMean(), big / 3);
}

TEST(RunningValues, ScansCountOnlyValidPoints) {
    TiPlotDataNullList list;
    list.Add(5, 50, false, false);
    list.Add(-7, -70, true, false);
    list.Add(9, 90, false, true);
    list.Add(1, 10, false, false);

    TiPlotRunningValues r;
    r.Recalculate(list);
    EXPECT_EQ(r.Count, 2);
    EXPECT_EQ(r.XMin, 1);
    EXPECT_EQ(r.XMax, 5);
    EXPECT_EQ(r.XMean(), 3);
    EXPECT_EQ(r.YMean(), 30);

    r.Reset();
    EXPECT_EQ(r.ScanXMax(list), 5);
    EXPECT_EQ(r.ScanXMin(list), 1);
    EXPECT_EQ(r.ScanYMax(list), 50);
    EXPECT_EQ(r.ScanYMin(list), 10);
    EXPECT_EQ(r.ScanYMean(list), 30);
    EXPECT_EQ(r.Count, 2);
    EXPECT_EQ(r.ScanXMean(list), 3);

    list.Clear();
    r.Recalculate(list);
    EXPECT_EQ(r.XMean(), 0);
    EXPECT_EQ(r.ScanXMax(list), -1e300);
    EXPECT_EQ(r.ScanYMin(list), 1e300);
    EXPECT_EQ(r.ScanYMean(list), 0);
}

} // namespace
