// A channel's trace in value units (which points are joined, how a segment
// is cut to the axes' ranges) and the marker figures on the recording
// canvas.

#include "controls/plot/core/ChannelTrace.h"
#include "controls/plot/core/MarkerShapes.h"
#include "controls/plot/core/NullPointList.h"
#include "platform/gfx/Canvas.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using korvan::plot::ClipTraceSegment;
using korvan::plot::TiValueRange;
using korvan::plot::TiValueSegment;

enum Kind { V, N, E }; // valid, null, empty
using Joins = std::vector<std::pair<int, int>>;

TEST(ChannelTrace, JoinsValidNeighboursAcrossEmptyPointsButNotNulls) {
    struct Case {
        std::vector<Kind> points;
        int start, stop;
        Joins joins;
    };
    const Case cases[] = {
        {{V, N, V, V}, 0, 3, {{2, 3}}},          {{V, E, V}, 0, 2, {{0, 2}}},
        {{V, V, V, V}, 1, 3, {{1, 2}, {2, 3}}},  {{V, V}, 1, 1, {}},
        {{V, E, N, V, E, E, V}, 0, 6, {{3, 6}}}, {{N, N}, 0, 1, {}},
    };
    for (const Case& c : cases) {
        TiPlotDataNullList list;
        for (Kind k : c.points) {
            list.Add(list.Count(), 0, k == N, k == E);
        }
        Joins joins;
        korvan::plot::ForEachTraceSegment(list, c.start, c.stop,
                                          [&](int a, int b) { joins.emplace_back(a, b); });
        EXPECT_EQ(joins, c.joins) << "from " << c.start << " to " << c.stop;
    }
}

TEST(ChannelTrace, SegmentsAreCutToTheRanges) {
    const TiValueRange x{0, 10};
    const TiValueRange y{0, 100};
    struct Case {
        const char* what;
        TiValueSegment segment;
        bool clipToAxes;
        std::optional<TiValueSegment> drawn;
    };
    const Case cases[] = {
        {"inside", {1, 10, 2, 20}, false, TiValueSegment{1, 10, 2, 20}},
        {"ends ordered by X", {2, 20, 1, 10}, false, TiValueSegment{1, 10, 2, 20}},
        {"beyond Y, not clipped", {1, 500, 2, -500}, false, TiValueSegment{1, 500, 2, -500}},
        {"wholly left of X", {-5, 1, -1, 1}, false, std::nullopt},
        {"wholly right of X", {11, 1, 12, 1}, false, std::nullopt},
        {"crossing X max", {8, 0, 12, 40}, false, TiValueSegment{8, 0, 10, 20}},
        {"across the whole X range", {-10, 0, 20, 30}, false, TiValueSegment{0, 10, 10, 20}},
        {"wholly above Y, clipped", {1, 200, 2, 300}, true, std::nullopt},
        {"crossing Y max, clipped", {0, 50, 2, 150}, true, TiValueSegment{0, 50, 1, 100}},
        {"across the whole Y range, clipped", {0, -100, 4, 300}, true, TiValueSegment{1, 0, 2, 100}},
    };
    for (const Case& c : cases) {
        const std::optional<TiValueSegment> drawn =
            ClipTraceSegment(c.segment, x, c.clipToAxes ? std::optional(y) : std::nullopt);
        ASSERT_EQ(drawn.has_value(), c.drawn.has_value()) << c.what;
        if (drawn) {
            EXPECT_EQ(*drawn, *c.drawn) << c.what;
        }
    }
}

TEST(ChannelTrace, VerticalLinesHaveFixedAnswers) {
    EXPECT_EQ(korvan::plot::LineYAtX(3, 1, 3, 9, 3), 0);
    EXPECT_EQ(korvan::plot::LineXAtY(3, 1, 3, 9, 5), 3);
    EXPECT_EQ(korvan::plot::LineYAtX(0, 1, 2, 5, 1), 3);
    EXPECT_EQ(korvan::plot::LineXAtY(0, 1, 2, 5, 3), 1);
}

TEST(MarkerShapes, EachStyleDrawsItsFigure) {
    struct Case {
        TiPlotMarkerStyle style;
        std::vector<std::pair<std::string, std::vector<int>>> calls;
    };
    // Point (20, 30), half-size 4.
    const Case cases[] = {
        {ipmsCircle, {{"Ellipse", {16, 26, 24, 34}}}},
        {ipmsSquare, {{"Rectangle", {16, 26, 24, 34}}}},
        {ipmsDiamond, {{"Polygon", {24, 30, 20, 34, 16, 30, 20, 26}}}},
        {ipmsCross,
         {{"MoveTo", {24, 34}},
          {"LineTo", {24, 34, 16, 26}},
          {"MoveTo", {24, 26}},
          {"LineTo", {24, 26, 16, 34}}}},
        {ipmsPlus,
         {{"MoveTo", {20, 34}},
          {"LineTo", {20, 34, 20, 26}},
          {"MoveTo", {24, 30}},
          {"LineTo", {24, 30, 16, 30}}}},
        {ipmsTriangleUp, {{"Polygon", {16, 34, 20, 30, 24, 34}}}},
        {ipmsTriangleDown, {{"Polygon", {16, 26, 20, 30, 24, 26}}}},
        {ipmsTriangleLeft, {{"Polygon", {24, 26, 20, 30, 24, 34}}}},
        {ipmsTriangleRight, {{"Polygon", {16, 26, 20, 30, 16, 34}}}},
        {ipmsVerticalLine, {{"MoveTo", {20, 26}}, {"LineTo", {20, 26, 20, 34}}}},
        {ipmsHorizontalLine, {{"MoveTo", {16, 30}}, {"LineTo", {16, 30, 24, 30}}}},
        {ipmsCharacter, {}},
    };
    for (const Case& c : cases) {
        korvan::gfx::RecordingCanvas canvas(64, 64);
        korvan::plot::DrawMarkerShape(canvas, c.style, 4, TPoint{20, 30}, 0, clWhite);
        std::vector<std::pair<std::string, std::vector<int>>> calls;
        for (const korvan::gfx::DrawCall& call : canvas.Calls()) {
            calls.emplace_back(call.Op, call.Args);
        }
        EXPECT_EQ(calls, c.calls) << c.style;
    }
}

TEST(MarkerShapes, TheCharacterIsCentredOnThePointOverAClearBrush) {
    korvan::gfx::RecordingCanvas canvas(64, 64);
    canvas.Font().SetColor(clRed);
    korvan::plot::DrawMarkerShape(canvas, ipmsCharacter, 4, TPoint{20, 30}, u'\u00e9', clBlue);
    const std::vector<korvan::gfx::DrawCall> texts = canvas.CallsNamed("DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "\xc3\xa9");
    EXPECT_EQ(std::vector<int>(texts[0].Args.begin(), texts[0].Args.begin() + 4),
              (std::vector<int>{20, 30, 20, 30}));
    EXPECT_EQ(texts[0].FontColor, clRed);
    EXPECT_EQ(canvas.Brush().Style(), bsClear);
    EXPECT_EQ(canvas.BkColor(), clBlue);
}

} // namespace
