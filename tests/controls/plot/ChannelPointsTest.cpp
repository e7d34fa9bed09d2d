// A channel's data side: adding with running values, clearing, deleting,
// cutting the count, changing the data style, and the array adds.

#include "controls/plot/core/ChannelPoints.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using korvan::testing::RaisedMessage;
using Values = std::vector<double>;

Values Ys(const TiPlotChannelPoints& points) {
    Values ys;
    for (std::int32_t i = 0; i < points.List().Count(); ++i) {
        ys.push_back(points.List().GetY(i));
    }
    return ys;
}

TEST(ChannelPoints, StartEmptyInTheStandardStyle) {
    const TiPlotChannelPoints points;
    EXPECT_EQ(points.DataStyle(), ipdsStandard);
    EXPECT_EQ(points.List().Count(), 0);
    EXPECT_EQ(points.Running().XMin, 1e300);
    EXPECT_EQ(points.Running().XMax, -1e300);
    EXPECT_EQ((std::vector<double>{double(points.IndexFirst()), double(points.IndexLast()), points.XFirst(),
                                   points.XLast(), points.YFirst(), points.YLast()}),
              (Values{-1, -1, -1, -1, -1, -1}));
}

TEST(ChannelPoints, DeletingTheWholeCountClears) {
    TiPlotChannelPoints points;
    points.Add(0, 0, false, false);
    points.Add(-100, -100, false, false);
    EXPECT_EQ(points.Running().XMin, -100);
    EXPECT_EQ(points.Running().XMax, 0);
    EXPECT_EQ(points.Running().XMean(), -50);
    points.DeletePoints(2);
    EXPECT_EQ(points.List().Count(), 0);
    points.Add(10, 10, false, false);
    EXPECT_EQ(points.Running().XMean(), 10);

    for (double y : {20, 30, 40}) {
        points.Add(y, y, false, false);
    }
    points.DeletePoints(1);
    EXPECT_EQ(Ys(points), (Values{20, 30, 40}));
    EXPECT_EQ(points.Running().XMin, 10); // kept: no recount on deletion
    EXPECT_EQ((Values{points.XFirst(), points.XLast(), double(points.IndexLast())}), (Values{20, 40, 2}));

    points.Clear();
    EXPECT_EQ(RaisedMessage([&] { points.DeletePoints(4); }), "Delete size out of Range");
}

TEST(ChannelPoints, CountCutsTheListAndRefusesNegatives) {
    TiPlotChannelPoints points;
    for (double y : {1, 2, 3, 4, 5}) {
        points.Add(y, y, false, false);
    }
    EXPECT_EQ(RaisedMessage([&] { points.SetCount(-1); }), "Exceed Maximum List Size");
    EXPECT_EQ(points.List().Count(), 5);
    points.SetCount(2);
    EXPECT_EQ(Ys(points), (Values{1, 2}));
    EXPECT_EQ(points.List().Capacity(), 2);
}

TEST(ChannelPoints, ANewDataStyleDropsPointsButKeepsSettings) {
    TiPlotChannelPoints points;
    points.List().SetStoredTraceLineColor(255);
    points.List().SetStoredMarkerSize(3);
    points.List().SetRingBufferSize(50);
    points.Add(1, 1, false, false);
    EXPECT_FALSE(points.SetDataStyle(ipdsStandard));
    EXPECT_EQ(points.List().Count(), 1);
    EXPECT_TRUE(points.SetDataStyle(ipdsCompact));
    EXPECT_EQ(points.DataStyle(), ipdsCompact);
    EXPECT_EQ(points.List().DataPointSize(), 8);
    EXPECT_EQ(points.List().Count(), 0);
    EXPECT_EQ(points.List().StoredTraceLineColor(), 255);
    EXPECT_EQ(points.List().StoredMarkerSize(), 3);
    EXPECT_EQ(points.List().RingBufferSize(), 50);
}

TiPlotValueArray Array1(std::int32_t low, Values values) {
    return {{low}, {low + std::int32_t(values.size()) - 1}, std::move(values)};
}

TEST(ChannelArrays, OneDimensionalPairsAddInOrderOrRaise) {
    struct Case {
        TiPlotValueArray x, y;
        std::string message;
    };
    const TiPlotValueArray grid{{0, 0}, {1, 1}, {1, 2, 3, 4}};
    const Case cases[] = {
        {Array1(0, {1, 2, 3}), Array1(0, {4, 5, 6}), "no error"},
        {Array1(0, {1, 2, 3}), Array1(1, {4, 5, 6}), "X-Data and Y-Data low bound dimension must match"},
        {Array1(0, {1, 2, 3}), Array1(0, {4, 5}), "X-Data and Y-Data hogh bound dimension must match"},
        {grid, Array1(0, {4, 5}), "X-Data array must be 1 dimensional"},
        {Array1(0, {4, 5}), grid, "Y-Data array must be 1 dimensional"},
        {{{0}, {5}, {1, 2}}, {{0}, {5}, {1, 2}}, "Array bounds do not match its values"},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<double, double>> added;
        EXPECT_EQ(RaisedMessage(
                      [&] { AddXYArrays(c.x, c.y, [&](double x, double y) { added.emplace_back(x, y); }); }),
                  c.message);
        if (c.message == "no error") {
            EXPECT_EQ(added, (std::vector<std::pair<double, double>>{{1, 4}, {2, 5}, {3, 6}}));
        } else {
            EXPECT_TRUE(added.empty()) << c.message;
        }
    }
}

TEST(ChannelArrays, TwoDimensionalArraysAddColumnsOrRaise) {
    struct Case {
        TiPlotValueArray data;
        std::string message;
    };
    const Case cases[] = {
        {{{1, 5}, {2, 7}, {1, 2, 3, 10, 20, 30}}, "no error"},
        {Array1(0, {1, 2}), "Array Must Be 2 Dimensional"},
        {{{0, 0}, {2, 1}, {1, 2, 3, 4, 5, 6}}, "Array First Dimension Must Be 2 Elements"},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<double, double>> added;
        EXPECT_EQ(
            RaisedMessage([&] { AddXYArray(c.data, [&](double x, double y) { added.emplace_back(x, y); }); }),
            c.message);
        if (c.message == "no error") {
            EXPECT_EQ(added, (std::vector<std::pair<double, double>>{{1, 10}, {2, 20}, {3, 30}}));
        }
    }
}

} // namespace
