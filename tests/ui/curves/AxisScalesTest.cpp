#include "ui/curves/AxisScales.h"
#include "ui/curves/PlotList.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using korvan::curves::AxisScales;

TEST(AxisScales, AutoScaleFollowsDataOrFallsBackToUnitRange) {
    AxisScales s;
    TPlotList empty;
    s.FindXMaxMin(empty);
    s.FindYMaxMin(empty);
    EXPECT_EQ(s.XMin, -1.0);
    EXPECT_EQ(s.XMax, 1.0);
    EXPECT_EQ(s.YMin, -1.0);
    EXPECT_EQ(s.YMax, 1.0);

    TPlotList plots;
    const double x[] = {10, 20, 30};
    const double y[] = {-4, std::numeric_limits<double>::quiet_NaN(), 7};
    plots.AddPlot(x, y, 3, 1, 0, PlotLine);
    const double x2[] = {5};
    const double y2[] = {-std::numeric_limits<double>::infinity()};
    plots.AddPlot(x2, y2, 1, 2, 0, PlotLine); // head; its value cannot be shown
    s.FindXMaxMin(plots);
    s.FindYMaxMin(plots);
    EXPECT_EQ(s.XMin, 5.0);
    EXPECT_EQ(s.XMax, 30.0);
    EXPECT_EQ(s.YMin, -4.0);
    EXPECT_EQ(s.YMax, 7.0);

    // Off: the ranges stay.
    AxisScales fixed;
    fixed.XAutoScale = fixed.YAutoScale = false;
    fixed.XMin = 966;
    fixed.XMax = 3840;
    fixed.FindXMaxMin(empty);
    fixed.FindYMaxMin(empty);
    EXPECT_EQ(fixed.XMin, 966.0);
    EXPECT_EQ(fixed.XMax, 3840.0);
    EXPECT_EQ(fixed.YMin, -18.0);
    EXPECT_EQ(fixed.YMax, 18.0);
}

TEST(AxisScales, EmptyRangesWidenAndLogBoundsArePositive) {
    AxisScales s;
    s.XMin = s.XMax = 4.0;
    s.YMin = s.YMax = 2.0;
    s.YAxisFormat = Log;
    s.CompareMaxMin();
    EXPECT_EQ(s.XMax, 5.0);
    EXPECT_EQ(s.YMax, 20.0);

    s.XAxisFormat = Log;
    s.XMin = -3.0;
    s.XMax = -1.0;
    s.YMin = 0.0;
    s.YMax = 50.0;
    s.CalculateLogMaxMin();
    EXPECT_EQ(s.XMax, 10.0);
    EXPECT_EQ(s.XMin, 1.0);
    EXPECT_DOUBLE_EQ(s.YMin, 0.5);
    EXPECT_DOUBLE_EQ(s.LogXMin, 0.0);
    EXPECT_DOUBLE_EQ(s.LogXMax, 1.0);
    EXPECT_DOUBLE_EQ(s.LogYMax, std::log10(50.0));
}

TEST(AxisScales, TransformsAndTheirInverse) {
    AxisScales s;
    s.XMin = 966;
    s.XMax = 3840;
    s.YMin = -18;
    s.YMax = 18;
    const int w = 1000;
    const int h = 200;
    EXPECT_DOUBLE_EQ(s.ScreenX(966, w), 0.0);
    EXPECT_DOUBLE_EQ(s.ScreenX(3840, w), 1000.0);
    EXPECT_DOUBLE_EQ(s.ScreenY(18, h), 0.0);
    EXPECT_DOUBLE_EQ(s.ScreenY(0, h), 100.0);
    EXPECT_DOUBLE_EQ(s.ScreenY(-18, h), 200.0);
    // Control pixels with the page at (40, 10).
    EXPECT_DOUBLE_EQ(s.PlotX(40 + 500, 40, w), 966 + 0.5 * (3840 - 966));
    EXPECT_DOUBLE_EQ(s.PlotY(10 + 100, 10, h), 0.0);
    // No page yet: no division by zero.
    EXPECT_EQ(s.PlotX(5, 0, 0), 966.0);
    EXPECT_EQ(s.PlotY(5, 0, 0), -18.0);

    s.XAxisFormat = Log;
    s.XMin = 10;
    s.XMax = 1000;
    s.CalculateLogMaxMin();
    EXPECT_DOUBLE_EQ(s.ScreenX(100, w), 500.0);
    EXPECT_DOUBLE_EQ(s.ScreenX(0, w), -500.0); // as log10(XMin / 10)
    EXPECT_NEAR(s.PlotX(500, 0, w), 100.0, 1e-9);
}
