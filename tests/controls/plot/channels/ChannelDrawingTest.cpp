// The channel base's drawing on the recording canvas: which points the
// trace joins, how segments are cut to the axes, which markers are drawn
// and with what, and a picture of a channel on its axes.

#include "platform/gfx/Bitmap.h"
#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::vector<int>>;

class ChannelDrawingTest : public ::testing::Test, public korvan::testing::ChannelFixture {
protected:
    // Adds the points and draws the whole channel.
    void Paint(TiXYPlotChannel& channel) {
        canvas.Clear();
        channel.PrepareDraw();
        if (channel.CanDraw())
            channel.Draw(canvas, clBlack);
    }
};

TEST_F(ChannelDrawingTest, NullPointsBreakTheTraceEmptyPointsAreSkipped) {
    struct Case {
        const char* what;
        std::vector<std::pair<bool, bool>> nullEmpty;
        Lines lines;
    };
    // Points at x = 10, 20, 30, 40 (pixels 100..400), y = 50 (pixel 500).
    const std::vector<Case> cases{
        {"valid null valid valid",
         {{false, false}, {true, false}, {false, false}, {false, false}},
         {{300, 500, 400, 500}}},
        {"valid empty valid", {{false, false}, {false, true}, {false, false}}, {{100, 500, 300, 500}}},
        {"all valid",
         {{false, false}, {false, false}, {false, false}},
         {{100, 500, 200, 500}, {200, 500, 300, 500}}},
    };
    for (const Case& c : cases) {
        auto channel = MakeChannel();
        for (std::size_t i = 0; i < c.nullEmpty.size(); ++i)
            channel->AddDataPoint(10.0 * double(i + 1), 50, c.nullEmpty[i].first, c.nullEmpty[i].second);
        Paint(*channel);
        EXPECT_EQ(Drawn(), c.lines) << c.what;
    }
}

TEST_F(ChannelDrawingTest, SegmentsAreCutToTheXRangeAlwaysAndToYWithClipToAxes) {
    struct Case {
        const char* what;
        bool clip;
        double x1, y1, x2, y2;
        Lines lines;
    };
    const std::vector<Case> cases{
        {"outside Y, no clipping: drawn", false, 10, 200, 20, 300, {{100, -1000, 200, -2000}}},
        {"wholly left of X Min", false, -20, 50, -10, 60, {}},
        {"crossing X Max is cut there", false, 90, 50, 110, 50, {{900, 500, 1000, 500}}},
        {"ends ordered by X", false, 60, 10, 40, 30, {{400, 700, 600, 900}}},
        {"outside Y, clipped: not drawn", true, 10, 200, 20, 300, {}},
        {"vertical, cut at Y Max", true, 50, 50, 50, 150, {{500, 500, 500, 0}}},
        {"sloped, cut at Y Min", true, 0, 10, 20, -10, {{0, 900, 100, 1000}}},
    };
    for (const Case& c : cases) {
        auto channel = MakeChannel();
        channel->SetClipToAxes(c.clip);
        channel->AddXY(c.x1, c.y1);
        channel->AddXY(c.x2, c.y2);
        canvas.Clear();
        channel->CalcStartIndex();
        channel->CalcStopIndex();
        channel->DrawTrace(canvas, false, clBlack);
        EXPECT_EQ(Drawn(), c.lines) << c.what;
    }
}

TEST_F(ChannelDrawingTest, ReversedAxesExchangeXAndY) {
    auto channel = MakeChannel();
    channel->AddXY(10, 20);
    channel->AddXY(30, 40);
    channel->CalcStartIndex();
    channel->CalcStopIndex();
    channel->DrawTrace(canvas, true, clBlack);
    EXPECT_EQ(Drawn(), (Lines{{800, 100, 600, 300}}));
}

TEST_F(ChannelDrawingTest, PenFollowsTheChannelWithWidthOneAsThinnest) {
    auto channel = MakeChannel();
    channel->SetColor(clLime);
    channel->SetTraceLineStyle(iplsDash);
    channel->AddXY(10, 10);
    channel->AddXY(20, 20);
    Paint(*channel);
    ASSERT_EQ(canvas.CallsNamed("Polyline").size(), 1u);
    EXPECT_EQ(canvas.CallsNamed("Polyline")[0].PenColor, clLime);
    EXPECT_EQ(canvas.Pen().Width(), 0);
    EXPECT_EQ(canvas.Pen().Style(), psDash);
    channel->SetTraceLineWidth(4);
    Paint(*channel);
    EXPECT_EQ(canvas.Pen().Width(), 4);
}

TEST_F(ChannelDrawingTest, FullListDrawsEachSegmentWithItsEndPointsPen) {
    auto channel = MakeChannel();
    channel->SetDataStyle(ipdsFullFeature);
    for (int i = 1; i <= 3; ++i)
        channel->AddXY(10 * i, 10);
    TiPlotPointAttributes a = channel->GetPointAttributes(2);
    a.TraceLineColor = clAqua;
    channel->SetPointAttributes(2, a);
    Paint(*channel);
    const auto calls = canvas.CallsNamed("Polyline");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].PenColor, clRed);
    EXPECT_EQ(calls[1].PenColor, clAqua);
}

TEST_F(ChannelDrawingTest, MarkersTurnOffAboveTheLimitOfTheDrawRange) {
    for (int points : {11, 12}) {
        auto channel = MakeChannel();
        channel->SetMarkersVisible(true);
        channel->SetMarkersTurnOffLimit(10);
        for (int i = 0; i < points; ++i)
            channel->AddXY(i, i);
        Paint(*channel);
        EXPECT_EQ(int(canvas.CallsNamed("Ellipse").size()), points == 11 ? 11 : 0) << points;
    }
}

TEST_F(ChannelDrawingTest, MarkersSkipNullEmptyHiddenAndOffScalePoints) {
    auto channel = MakeChannel();
    channel->SetDataStyle(ipdsFullFeature);
    channel->SetMarkersVisible(true);
    channel->SetMarkersAllowIndividual(true);
    channel->SetClipToAxes(true);
    channel->AddXY(10, 10);
    channel->AddDataPoint(20, 20, true, false);
    channel->AddDataPoint(30, 30, false, true);
    channel->AddXY(40, 40);
    channel->AddXY(50, 150);
    channel->AddXY(60, 60);
    TiPlotPointAttributes a = channel->GetPointAttributes(3);
    a.MarkerVisible = false;
    channel->SetPointAttributes(3, a);
    a = channel->GetPointAttributes(5);
    a.MarkerSize = 8;
    a.MarkerStyle = ipmsSquare;
    channel->SetPointAttributes(5, a);
    Paint(*channel);
    EXPECT_EQ(Drawn("Ellipse"), (Lines{{97, 897, 103, 903}}));
    EXPECT_EQ(Drawn("Rectangle"), (Lines{{592, 392, 608, 408}}));
}

TEST_F(ChannelDrawingTest, LegendSampleIsAtMostSixPixelsAcross) {
    auto channel = MakeChannel();
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(9);
    channel->DrawMarker(canvas, -1, clBlack, Point(50, 50));
    EXPECT_EQ(Drawn("Ellipse"), (Lines{{44, 44, 56, 56}}));
}

TEST_F(ChannelDrawingTest, EditorsMarkerChannelDrawsOneCircleAndNoTrace) {
    auto channel = MakeChannel();
    korvan::testing::SetAsEditorMarker(*channel);
    channel->DeletePoints(channel->Count());
    channel->AddXY(-20, 30);
    xAxis->SetMinSpan(-100, 100);
    PlaceAxes();
    Paint(*channel);
    EXPECT_TRUE(canvas.CallsNamed("Polyline").empty());
    const auto circles = canvas.CallsNamed("Ellipse");
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].Args, (std::vector<int>{795, 695, 805, 705}));
    EXPECT_EQ(circles[0].PenColor, TColor(8421631));
    EXPECT_EQ(circles[0].BrushColor, TColor(8421631));
    EXPECT_EQ(canvas.Pen().Width(), 3);
}

TEST_F(ChannelDrawingTest, ClipToAxesClipsTheCanvasToTheAxesRectangle) {
    auto channel = MakeChannel();
    channel->SetClipToAxes(true);
    channel->AddXY(10, 10);
    Paint(*channel);
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 1001, 1001));
}

// A transfer curve and a marker channel on their axes, as the editor's
// plots show them, plus a dashed channel with individual markers.
TEST_F(ChannelDrawingTest, PictureOfChannelsOnTheirAxes) {
    TBitmap bitmap;
    bitmap.SetSize(420, 300);
    TCanvas& picture = bitmap.Canvas();
    picture.Brush().SetColor(clBlack);
    picture.FillRect(Rect(0, 0, 420, 300));
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(xAxis.get()), static_cast<TiPlotAxis*>(yAxis.get())}) {
        axis->SetMinSpan(-100, 120);
        axis->SetTitleShow(false);
    }
    xAxis->SetDrawRect(Rect(50, 260, 400, 290));
    yAxis->SetDrawRect(Rect(20, 20, 50, 260));
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(xAxis.get()), static_cast<TiPlotAxis*>(yAxis.get())}) {
        axis->CalcScaleRect(picture);
        axis->CalcTickList(picture);
        axis->Draw(picture, clBlack);
    }
    auto curve = MakeChannel();
    korvan::testing::SetAsEditorCurve(*curve);
    for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {-30, -30}, {-50, -40}, {-100, -100}})
        curve->AddXY(x, y);
    auto marker = MakeChannel();
    korvan::testing::SetAsEditorMarker(*marker);
    marker->AddXY(-30, -30);
    auto dashed = MakeChannel();
    dashed->SetDataStyle(ipdsFullFeature);
    dashed->SetColor(clLime);
    dashed->SetTraceLineStyle(iplsDash);
    dashed->SetMarkersVisible(true);
    dashed->SetMarkersAllowIndividual(true);
    dashed->SetMarkersPenUseChannelColor(false);
    dashed->SetMarkersBrushUseChannelColor(false);
    dashed->SetClipToAxes(true);
    const TiPlotMarkerStyle styles[] = {ipmsSquare, ipmsDiamond, ipmsTriangleUp, ipmsCross, ipmsPlus};
    for (int i = 0; i < 6; ++i)
        dashed->AddDataPoint(-95 + 20 * i, i == 3 ? 0 : -80 + 15 * i + (i % 2) * 20, i == 3, false);
    dashed->AddXY(40, 10);
    for (int i = 0; i < 5; ++i) {
        TiPlotPointAttributes a = dashed->GetPointAttributes(i == 3 ? 5 : i);
        a.MarkerStyle = styles[i];
        a.MarkerSize = 4;
        a.MarkerPenColor = clYellow;
        a.MarkerBrushColor = clNavy;
        dashed->SetPointAttributes(i == 3 ? 5 : i, a);
    }
    for (TiXYPlotChannel* channel : {curve.get(), marker.get(), dashed.get()}) {
        channel->PrepareDraw();
        ASSERT_TRUE(channel->CanDraw());
        picture.SaveDC();
        channel->Draw(picture, clBlack);
        picture.RestoreDC(-1);
    }
    // The curve's corner at (-30, -30) sits under the marker's circle.
    const TPoint corner = curve->GetMarkerPixelPoint(1);
    EXPECT_EQ(marker->GetMarkerPixelPoint(0), corner);
    EXPECT_EQ(korvan::testing::PlotPixel(bitmap.Image(), corner.X, corner.Y - 5), TColor(8421631));
    korvan::testing::SavePng(bitmap.Image(), "plot_channels_traces_markers");
}

} // namespace
