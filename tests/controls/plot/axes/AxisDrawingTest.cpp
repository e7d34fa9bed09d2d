// Axis drawing on the recording canvas: scale line ends, tick marks and
// label boxes on each side, the room an axis asks for, and a picture of
// axes in each orientation, scale and label format.

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::AxisFixture;

class AxisDrawingTest : public ::testing::Test, public AxisFixture {};

TEST_F(AxisDrawingTest, LineEndsTickMarksAndLabelBoxesPerSide) {
    struct Case {
        TiQuadSide side;
        std::vector<int> scaleLine, major, minor;
    };
    // Horizontal axes in (10, 100, 410, 140), vertical ones in
    // (100, 10, 140, 410); a major at 50 (pixel 210), a minor at 25.
    const Case cases[] = {
        {iqsBottom, {10, 105, 411, 105}, {210, 105, 210, 112}, {110, 108, 110, 105}},
        {iqsTop, {10, 135, 410, 135}, {210, 135, 210, 128}, {110, 132, 110, 135}},
        {iqsLeft, {135, 10, 135, 411}, {135, 210, 128, 210}, {132, 310, 135, 310}},
        {iqsRight, {105, 10, 105, 411}, {105, 210, 112, 210}, {108, 310, 105, 310}},
    };
    for (const Case& c : cases) {
        korvan::gfx::RecordingCanvas canvas(500, 500);
        auto axis = MakeAxis();
        const bool horizontal = c.side == iqsBottom || c.side == iqsTop;
        axis->SetHorizontal(horizontal);
        axis->SetReverseSide(c.side == iqsTop || c.side == iqsRight);
        axis->SetTickListCustom(true);
        axis->TickListAdd(50, "50", ipttMajor);
        axis->TickListAdd(25, "", ipttMinor);
        axis->SetDrawRect(horizontal ? Rect(10, 100, 410, 140) : Rect(100, 10, 140, 410));
        axis->CalcTickList(canvas);
        ASSERT_EQ(axis->QuadSide(), c.side);
        canvas.Clear();
        axis->Draw(canvas, clBlack);
        const auto lines = canvas.CallsNamed("Polyline");
        ASSERT_EQ(lines.size(), 3u) << c.side;
        EXPECT_EQ(lines[0].Args, c.scaleLine) << c.side;
        EXPECT_EQ(lines[1].Args, c.major) << c.side;
        EXPECT_EQ(lines[2].Args, c.minor) << c.side;
        EXPECT_EQ(lines[0].PenColor, clWhite);

        canvas.Font().Assign(*axis->LabelsFont());
        const int lm = korvan::plot::SaturatedRound(canvas.TextHeight("A") * 0.25);
        const int w = korvan::plot::MultiLineTextWidth(canvas, "50");
        const int h = korvan::plot::GetTextHeight(canvas, "50");
        const int d = 5 + 7 + lm;
        TRect box{};
        switch (c.side) {
        case iqsBottom:
            box = Rect(210 - w / 2, 100 + d, 210 + w / 2, 100 + d + h);
            break;
        case iqsTop:
            box = Rect(210 - w / 2, 140 - d - h, 210 + w / 2, 140 - d);
            break;
        case iqsLeft:
            box = Rect(140 - d - w, 210 - h / 2, 140 - d, 210 + h / 2);
            break;
        case iqsRight:
            box = Rect(100 + d, 210 - h / 2, 100 + d + w, 210 + h / 2);
            break;
        }
        const auto texts = canvas.CallsNamed("DrawText");
        ASSERT_EQ(texts.size(), 1u) << c.side;
        EXPECT_EQ(texts[0].Text, "50");
        EXPECT_EQ(std::vector<int>(texts[0].Args.begin(), texts[0].Args.begin() + 4),
                  (std::vector<int>{box.Left, box.Top, box.Right, box.Bottom}))
            << c.side;
    }
}

TEST_F(AxisDrawingTest, RoomAcrossCountsMarginsTicksLabelsAndTitle) {
    korvan::gfx::RecordingCanvas canvas(200, 200);
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    canvas.Font().Assign(*axis->LabelsFont());
    const int labels = korvan::plot::GetTextHeight(canvas, axis->GetLabelText(0));
    const int lm = korvan::plot::SaturatedRound(canvas.TextHeight("A") * 0.25);
    EXPECT_EQ(axis->GetRequiredWidth(canvas), 5 + 5 + 7 + lm + labels);
    axis->SetScaleLinesShow(false);
    axis->SetLabelsVisible(false);
    EXPECT_EQ(axis->GetRequiredWidth(canvas), 10);
    EXPECT_EQ(axis->GetRequiredEndsMargin(canvas), 0);
    axis->SetTitle("Gain");
    axis->SetTitleShow(true);
    canvas.Font().Assign(*axis->TitleFont());
    const int title = korvan::plot::GetTextHeight(canvas, "Gain");
    EXPECT_EQ(axis->GetRequiredWidth(canvas), 10 + korvan::plot::SaturatedRound(title * 1.25));
    axis->SetCartesianStyle(ipcsMaster);
    EXPECT_EQ(axis->GetRequiredWidth(canvas), 10);
}

TEST_F(AxisDrawingTest, CartesianLabelsGiveWayToRecordedRectangles) {
    korvan::gfx::RecordingCanvas canvas(500, 500);
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetCartesianStyle(ipcsMaster);
    axis->SetTickListCustom(true);
    axis->TickListAdd(50, "50", ipttMajor);
    axis->TickListAdd(52, "52", ipttMajor);
    axis->SetDrawRect(Rect(10, 100, 410, 140));
    axis->CalcTickList(canvas);
    axis->PrepareDraw();
    canvas.Clear();
    axis->Draw(canvas, clBlack);
    // The second label would overlap the first: only the first is drawn.
    const auto texts = canvas.CallsNamed("DrawText");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "50");
    // The scale line and both marks were recorded, then the one label.
    EXPECT_EQ(host.collisions.size(), 4u);
    EXPECT_EQ(host.collisions[0], Rect(10, 100, 411, 101));
}

// Draws the editor's transfer-curve frame and axes of every other kind.
TEST_F(AxisDrawingTest, PictureOfAxesInEachOrientationScaleAndFormat) {
    TBitmap bitmap(760, 560);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect(Rect(0, 0, 760, 560));
    // Each axis stands on an edge (the data view side of its draw
    // rectangle) and takes the thickness it asks for.
    struct Placed {
        int edge, from, to;
        bool horizontal, reverseSide, reverseScale;
        TiPlotScaleType scale;
        TiPlotTextFormat format;
        double min, span;
        TiRotationAngle rotation;
        const char* title;
    };
    const Placed placings[] = {
        {260, 100, 380, true, false, false, ipstLinear, iptfValue, -100, 120, ira000, "Input (dB)"},
        {100, 60, 260, false, false, false, ipstLinear, iptfValue, -100, 120, ira000, "Output"},
        {60, 100, 380, true, true, false, ipstLog10, iptfValue, 1, 999, ira000, "Log 1..1000"},
        {380, 60, 260, false, true, true, ipstLinear, iptfPrefix, 0, 0.003, ira000, "Prefix"},
        {330, 80, 700, true, false, false, ipstLinear, iptfDateTime, 45000, 0.25, ira000, "Time"},
        {400, 80, 700, true, false, false, ipstLinear, iptfPrice32nds, 10, 2, ira000, "Price"},
        {470, 80, 700, true, false, false, ipstLinear, iptfExponent, 0, 1e6, ira090, "Exponent"},
        {640, 60, 300, false, false, true, ipstLinear, iptfThousands, 0, 50000, ira270, "Thousands"},
    };
    std::vector<TiPlotObjectPtr<TiPlotXAxis>> axes;
    for (const Placed& s : placings) {
        auto axis = MakeAxis();
        axis->SetHorizontal(s.horizontal);
        axis->SetReverseSide(s.reverseSide);
        axis->SetReverseScale(s.reverseScale);
        axis->SetScaleType(s.scale);
        axis->SetMinSpan(s.min, s.span);
        axis->SetLabelsFormatStyle(s.format);
        axis->SetDateTimeFormat("hh:nn");
        axis->SetLabelsRotation(s.rotation);
        axis->LabelsFont()->SetColor(clYellow);
        if (s.rotation != ira000)
            axis->LabelsFont()->SetSize(11);
        axis->SetTitle(s.title);
        axis->SetTitleShow(true);
        axis->SetMinorCount(4);
        axis->SetStartStacked(true);
        axis->SetStopStacked(true);
        axis->SetDrawRect(Rect(0, 0, s.horizontal ? s.to - s.from : 0, s.horizontal ? 0 : s.to - s.from));
        axis->CalcTickList(canvas);
        const int across = axis->GetRequiredWidth(canvas);
        const int a = s.horizontal != s.reverseSide ? s.edge : s.edge - across;
        axis->SetDrawRect(s.horizontal ? Rect(s.from, a, s.to, a + across)
                                       : Rect(a, s.from, a + across, s.to));
        axis->CalcTickList(canvas);
        axis->Draw(canvas, clBlack);
        EXPECT_GT(axis->TickListCount(), 1) << s.title;
        axes.push_back(std::move(axis));
    }
    korvan::testing::SavePng(bitmap.Image(), "plot_axes_sides_scales_formats");
}

} // namespace
