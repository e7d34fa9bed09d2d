#include "ui/curves/AxisLabels.h"
#include "ui/curves/CaptionRules.h"
#include "ui/curves/DisplayLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace korvan::curves;

namespace {

using Lines = std::vector<CaptionLine>;
const Lines QFG = {CaptionQ, CaptionFrequency, CaptionGain};
const Lines QF = {CaptionQ, CaptionFrequency};
const Lines F = {CaptionFrequency};
const Lines Nothing = {};

} // namespace

TEST(CaptionRules, LinesByTypeOnBothDisplays) {
    struct Case {
        int Type;
        Lines Main, TwinShow, TwinPaint;
    };
    const Case cases[] = {
        {-1, QFG, QFG, QFG},   {0, QFG, QFG, QFG},    {2, QFG, QFG, QFG}, {3, F, QF, QF},
        {4, QF, QF, QF},       {5, F, F, F},          {6, QF, QF, QF},    {7, F, Nothing, QF},
        {8, QF, Nothing, QF},  {9, QF, Nothing, QF},  {10, QF, F, F},     {11, QF, F, F},
        {12, QF, Nothing, QF}, {40, QF, Nothing, QF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainCaptionLines(c.Type), c.Main) << c.Type;
        EXPECT_EQ(TwinShowParamLines(c.Type), c.TwinShow) << c.Type;
        EXPECT_EQ(TwinCurvePaintLines(c.Type), c.TwinPaint) << c.Type;
    }
}

TEST(CaptionRules, RowsStandAboveACutAndBelowABoost) {
    auto tops = [](const Lines& lines, bool cut) {
        std::vector<int> out;
        for (const CaptionRow& r : CaptionRows(lines, cut)) {
            out.push_back(r.Top);
        }
        return out;
    };
    EXPECT_EQ(tops(QFG, true), (std::vector<int>{-69, -56, -43}));
    EXPECT_EQ(tops(QFG, false), (std::vector<int>{20, 33, 46}));
    EXPECT_EQ(tops(QF, true), (std::vector<int>{-69, -56}));
    EXPECT_EQ(tops(QF, false), (std::vector<int>{20, 33}));
    EXPECT_EQ(tops(F, true), (std::vector<int>{-43}));
    EXPECT_EQ(tops(F, false), (std::vector<int>{20}));
    EXPECT_TRUE(CaptionRows(Nothing, false).empty());
    EXPECT_EQ(CaptionRows(QFG, false)[2].Line, CaptionGain);
}

TEST(CaptionRules, MarkerCaptionsFollowTheBandsOwnType) {
    // Section kind -> PEQ type -> caption lines.
    struct Case {
        double Kind;
        int Type;
        Lines Shown;
    };
    const Case cases[] = {
        {1, 0, QFG}, {2, 1, QFG}, {3, 2, QFG}, // peak and shelves
        {8, 3, F},                             // LP -6dB
        {5, 4, QF},                            // LP -12dB
        {9, 5, F},                             // HP -6dB: no Q line
        {4, 6, QF},                            // HP -12dB: its Q line
        {7, 7, F},                             // Allpass1
        {17, 8, QF},                           // Allpass2
        {10, 9, QF},                           // bypassed band
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MarkerCaptionType(c.Kind), c.Type) << c.Kind;
        EXPECT_EQ(MainCaptionLines(MarkerCaptionType(c.Kind)), c.Shown) << c.Kind;
    }
    EXPECT_EQ(MarkerCaptionType(std::nan("")), 8);
    EXPECT_EQ(MarkerCaptionType(1e300), 8);
}

TEST(AxisLabels, FrequencyLabelCountByWidth) {
    EXPECT_EQ(LabelFrequencies(799), (std::vector<double>{20, 100, 1000, 10000}));
    EXPECT_EQ(LabelFrequencies(530).size(), 4u);
    EXPECT_EQ(LabelFrequencies(800),
              (std::vector<double>{20, 100, 1000, 10000, 20000, 50, 200, 500, 2000, 5000}));
    EXPECT_NEAR(FrequencyPosition(1000.0, n4096, n96000), 4096 * 3 / std::log10(48000.0), 1e-9);
    EXPECT_NEAR(FrequencyPosition(1000.0, n1024, n48000), 1024 * 3 / std::log10(24000.0), 1e-9);
    EXPECT_NEAR(FrequencyPosition(1000.0, n4096, n192000), 4096 * 3 / std::log10(72000.0), 1e-9);
}

TEST(AxisLabels, LevelLabelsOfTheDbAndPhaseViews) {
    auto values = [](const std::vector<LevelLabel>& labels) {
        std::vector<double> out;
        for (const LevelLabel& l : labels) {
            out.push_back(l.Plus ? l.Value : -1000 + l.Value); // mark the "+"
        }
        return out;
    };
    // dB view: +18, -18, then -12, -6, 0 (unsigned), +6, +12.
    EXPECT_EQ(values(LinearLevelLabels(-18, 18, 11)),
              (std::vector<double>{18, -1018, -1012, -1006, -1000, 6, 12}));
    // Phase view (scaled by 10 when drawn): +18, -18, -9, 0, +9.
    EXPECT_EQ(values(LinearLevelLabels(-18, 18, 7)), (std::vector<double>{18, -1018, -1009, -1000, 9}));
    EXPECT_EQ(LinearLevelLabels(-18, 18, 0).size(), 2u);
    EXPECT_EQ(LinearLevelLabels(-18, 18, 1).size(), 2u);
    const auto two = LinearLevelLabels(-18, 18, 2);
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[2].Value, 6.0); // grid line 2, the top one
    // The top label carries "+" even below zero.
    EXPECT_TRUE(LinearLevelLabels(-30, -10, 3)[0].Plus);
}

TEST(DisplayLayout, RegionsOfTheEditorsDisplay) {
    LayoutMeasures m;
    m.XLabelHeight = 13;
    m.YLabelWidth = 68;
    m.CoordWidth = 120;
    m.CoordHeight = 13;
    DisplayPages pages;
    const LayoutResult r = LayOutPages(1070, 255, RegionFlags{}, m, pages);
    EXPECT_TRUE(r.PagesPlaced);
    EXPECT_EQ(r.Flags, RegionFlags{});
    const int bottom = static_cast<int>(255 - 1.2 * 13);
    EXPECT_EQ(pages.Curve, (PageBounds{42, 10, 1060, bottom}));
    EXPECT_EQ(pages.XLabel, (PageBounds{42, bottom, 1060, 255}));
    EXPECT_EQ(pages.YLabel, (PageBounds{0, 10, 42, 255}));
    EXPECT_EQ(pages.PlotTitle, (PageBounds{0, 0, 1060, 10}));
    EXPECT_EQ(pages.Margin, (PageBounds{1060, 0, 1070, 255}));
    EXPECT_EQ(pages.Coord, (PageBounds{1070 - 125, 14, 1065, 10 + 26 + 12}));
    EXPECT_FALSE(r.BufferPlaced);

    RegionFlags titled;
    titled.ShowXTitle = titled.ShowYTitle = titled.ShowPlotTitle = true;
    m.XTitleHeight = 14;
    m.YTitleHeight = 14;
    m.YTitleWidth = 20;
    m.PlotTitleHeight = 16;
    const LayoutResult t = LayOutPages(1070, 255, titled, m, pages);
    EXPECT_EQ(t.Flags, titled);
    EXPECT_EQ(pages.Curve, (PageBounds{42 + 28, 32, 1060, bottom - 28}));
    EXPECT_EQ(pages.XTitle, (PageBounds{70, 255 - 28, 1060, 255}));
    EXPECT_EQ(pages.YTitle, (PageBounds{0, 32, 28, 255}));
    EXPECT_EQ(pages.YTitleBuffer, (PageBounds{0, 0, 20, 14}));
}

TEST(DisplayLayout, TooSmallSwitchesRegionsOffAndStops) {
    LayoutMeasures m;
    m.XLabelHeight = 13;
    m.XTitleHeight = 14;
    m.YLabelWidth = 68;
    m.PlotTitleHeight = 16;
    RegionFlags all;
    all.ShowXTitle = all.ShowPlotTitle = all.ShowYTitle = true;
    DisplayPages pages;
    pages.Curve = {1, 2, 3, 4};
    // 30 pixels high: the titles and labels below do not fit; without them
    // the curve area does.
    LayoutResult r = LayOutPages(500, 30, all, m, pages);
    EXPECT_FALSE(r.Flags.ShowXLabel);
    EXPECT_FALSE(r.Flags.ShowXTitle);
    EXPECT_FALSE(r.Flags.ShowPlotTitle);
    EXPECT_TRUE(r.Flags.ShowYLabel);
    EXPECT_EQ(pages.Curve, (PageBounds{42 + 2 * m.YTitleHeight, 10, 490, 30}));
    // Below 10 pixels nothing fits even with every region off: the layout
    // ends (once the flags stop changing) and the pages keep their bounds.
    pages.Curve = {1, 2, 3, 4};
    r = LayOutPages(500, 5, all, m, pages);
    EXPECT_FALSE(r.Flags.ShowXLabel || r.Flags.ShowXTitle || r.Flags.ShowPlotTitle);
    EXPECT_FALSE(r.PagesPlaced);
    EXPECT_EQ(pages.Curve, (PageBounds{1, 2, 3, 4}));
    // Narrower than the level labels: they go, and so does the y title.
    r = LayOutPages(40, 255, all, m, pages);
    EXPECT_FALSE(r.Flags.ShowYLabel);
    EXPECT_FALSE(r.Flags.ShowYTitle);
    // A 0 by 0 control ends too.
    r = LayOutPages(0, 0, RegionFlags{}, m, pages);
    EXPECT_FALSE(r.PagesPlaced);
}
