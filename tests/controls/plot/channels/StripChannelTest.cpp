// The strip-chart channel: the X order rule, the adders, the lookups by X
// (binary search, interpolation, cursor values), and its drawing: the
// visible range, the fast reduction, steps, fill and bars.

#include "controls/plot/channels/StripChannel.h"
#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::RaisedMessage;
using Lines = std::vector<std::vector<int>>;

class StripChannelTest : public ::testing::Test, public korvan::testing::ChannelFixture {
protected:
    double now = 45000.0;
    TiPlotObjectPtr<TiPlotChannel> channel = [this] {
        auto c = MakeOn<TiPlotChannel>();
        c->SetXAxisName("X-Axis 1");
        c->SetYAxisName("Y-Axis 1");
        c->SetClock([this] { return now; });
        return c;
    }();
    void Paint() {
        canvas.Clear();
        channel->PrepareDraw();
        if (channel->CanDraw())
            channel->Draw(canvas, clBlack);
    }
};

TEST_F(StripChannelTest, OutOfOrderXIsRefusedAgainstTheFirstTwoPoints) {
    channel->SetAllowOutOfOrderXValues(false);
    channel->AddXY(1, 0);
    channel->AddXY(2, 0);
    EXPECT_EQ(RaisedMessage([&] { channel->AddXY(1.5, 0); }), "New Data-Point X-Value is out of order");
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_EQ(channel->AddXY(2, 5), 2);
    auto down = MakeOn<TiPlotChannel>();
    down->SetAllowOutOfOrderXValues(false);
    for (double x : {5.0, 4.0, 3.0})
        down->AddXY(x, 0);
    EXPECT_EQ(RaisedMessage([&] { down->AddXNull(3.5); }), "New Data-Point X-Value is out of order.");
    channel->SetAllowOutOfOrderXValues(true);
    channel->AddXY(0, 0);
    EXPECT_EQ(channel->Count(), 4);
}

TEST_F(StripChannelTest, TwoPointsGoingDownStillCountAsIncreasing) {
    channel->AddXY(10, 1);
    channel->AddXY(5, 1);
    channel->PrepareDraw();
    EXPECT_TRUE(channel->XIncreasing());
    channel->AddXY(1, 1);
    channel->PrepareDraw();
    EXPECT_FALSE(channel->XIncreasing());
}

TEST_F(StripChannelTest, TimeStampedAddersUseTheClock) {
    channel->ResetElapsedStartTime();
    now += 30.0 / 86400;
    channel->AddYElapsedSeconds(1);
    EXPECT_NEAR(channel->GetPointX(0), 30, 1e-6);
    channel->AddYElapsedTime(2);
    EXPECT_NEAR(channel->GetPointX(1), 30.0 / 86400, 1e-9);
    channel->AddYNow(3);
    EXPECT_EQ(channel->GetPointX(2), now);
    channel->Clear();
    channel->SetResetStartTimeOnFirstDataPoint(true);
    now += 1;
    channel->AddYElapsedSeconds(1);
    EXPECT_EQ(channel->GetPointX(0), 0);
}

TEST_F(StripChannelTest, ArrayContinuesFromTheLastX) {
    channel->AddXY(10, 0);
    channel->AddYArray(0.5, {{0}, {2}, {1, 2, 3}});
    EXPECT_EQ(channel->Count(), 4);
    EXPECT_EQ(channel->GetPointX(1), 10);
    EXPECT_EQ(channel->GetPointX(3), 11);
    EXPECT_EQ(channel->GetPointY(3), 3);
    EXPECT_EQ(RaisedMessage([&] {
                  channel->AddYArray(1, {{0, 0}, {1, 1}, {1, 2, 3, 4}});
              }),
              "Y-Data array must be 1 dimensional");
    EXPECT_EQ(RaisedMessage([&] {
                  channel->AddYArray(1, {{0}, {5}, {1, 2}});
              }),
              "Array bounds do not match its values");
    EXPECT_EQ(channel->Count(), 4);
}

TEST_F(StripChannelTest, HighLowPointsKeepTheirFourValuesOnTheFullList) {
    channel->SetDataStyle(ipdsFullFeature);
    channel->AddHighLow(1, 9, 2, 4, 7);
    EXPECT_EQ(channel->RunningCount(), 0);
    EXPECT_EQ(channel->List().GetHigh(0), 9);
    EXPECT_EQ(channel->List().GetClose(0), 7);
}

TEST_F(StripChannelTest, CalcIndexFindsTheFirstPointAtOrAfterTheTarget) {
    for (double x : {0.0, 1.0, 2.0, 3.0})
        channel->AddXY(x, x * 10);
    struct Case {
        double target;
        int index;
    };
    for (const Case& c : {Case{2.5, 3}, Case{-1, -1}, Case{2, 2}, Case{0, 0}, Case{3, 3}, Case{3.5, -1}})
        EXPECT_EQ(channel->CalcIndex(c.target), c.index) << c.target;
}

TEST_F(StripChannelTest, InterpolationAtPixelResolution) {
    channel->AddXY(1, 10);
    channel->AddXY(2, 20);
    channel->AddXY(3, 10);
    double y = 0;
    EXPECT_TRUE(channel->GetYInterpolated(1.5, y));
    EXPECT_EQ(y, 15);
    // 2.25 is on pixel 22 (22.5 rounded): 8 of the 10 pixels back from 3.
    EXPECT_TRUE(channel->GetYInterpolated(2.25, y));
    EXPECT_EQ(y, 18);
    EXPECT_FALSE(channel->GetYInterpolated(3.5, y));
    channel->SetInterpolationStyle(ipistDifferential);
    EXPECT_EQ(channel->GetYAtX(1.5, y), ipdpsValid);
    EXPECT_EQ(y, 10);
    EXPECT_EQ(channel->GetYAtX(9, y), ipdpsValid);
    EXPECT_EQ(y, 10);
    channel->SetInterpolationStyle(ipistDifferentialTerminated);
    EXPECT_EQ(channel->GetYAtX(9, y), ipdpsEmpty);
}

TEST_F(StripChannelTest, DrawRangeIsFoundByBinarySearchWithOnePointEachSide) {
    for (int i = 0; i < 1000; ++i)
        channel->AddXY(i * 0.5, i % 7);
    xAxis->SetMinSpan(100, 100);
    channel->CalcStartIndex();
    channel->CalcStopIndex();
    EXPECT_EQ(channel->DrawStartIndex(), 200);
    EXPECT_EQ(channel->DrawStopIndex(), 400);
    xAxis->SetMinSpan(100.2, 100);
    channel->CalcStartIndex();
    channel->CalcStopIndex();
    EXPECT_EQ(channel->DrawStartIndex(), 200);
    EXPECT_EQ(channel->DrawStopIndex(), 401);
    xAxis->SetMinSpan(1000, 10);
    channel->PrepareDraw();
    EXPECT_FALSE(channel->CanDraw());
}

TEST_F(StripChannelTest, PointsOnOneColumnDrawOneVerticalLine) {
    for (int i = 0; i < 10; ++i)
        channel->AddXY(50 + i * 0.001, i);
    Paint();
    EXPECT_EQ(Drawn(), (Lines{{500, 1000, 500, 910}}));
}

TEST_F(StripChannelTest, FastDrawJoinsColumnsAndBreaksAtNullPoints) {
    channel->AddXY(10, 10);
    channel->AddXY(10.01, 20);
    channel->AddXY(20, 30);
    channel->AddXNull(30);
    channel->AddXY(40, 40);
    channel->AddXY(50, 50);
    Paint();
    EXPECT_EQ(Drawn(), (Lines{{100, 900, 100, 800}, {100, 800, 200, 700}, {400, 600, 500, 500}}));
}

TEST_F(StripChannelTest, DenseDataCostsAFewSegmentsPerColumn) {
    for (int i = 0; i < 100000; ++i)
        channel->AddXY(i * 0.001, (i * 7919) % 100);
    Paint();
    EXPECT_LE(int(canvas.CallsNamed("Polyline").size()), 4 * 1000);
    EXPECT_GT(int(canvas.CallsNamed("Polyline").size()), 100);
}

TEST_F(StripChannelTest, StepTraces) {
    channel->AddXY(0, 1);
    channel->AddXY(5, 3);
    channel->SetInterpolationStyle(ipistDifferential);
    Paint();
    EXPECT_EQ(Drawn(), (Lines{{0, 990, 50, 990}, {50, 990, 50, 970}, {50, 970, 1000, 970}}));
    channel->SetInterpolationStyle(ipistDifferentialTerminated);
    Paint();
    EXPECT_EQ(Drawn(), (Lines{{0, 990, 50, 990}, {50, 990, 50, 970}}));
}

TEST_F(StripChannelTest, FillDownToTheReferenceUnlessClear) {
    channel->AddXY(10, 50);
    channel->AddXY(20, 60);
    channel->SetFillEnabled(true);
    channel->SetFillReference(0);
    Paint();
    EXPECT_EQ(Drawn("Polygon"), (Lines{{200, 1000, 200, 400, 100, 500, 100, 1000}}));
    channel->SetFillStyle(bsClear);
    Paint();
    EXPECT_TRUE(canvas.CallsNamed("Polygon").empty());
}

TEST_F(StripChannelTest, BarsAreAtLeastOnePixelWide) {
    channel->SetBarEnabled(true);
    channel->SetBarWidth(4);
    channel->AddXY(50, 30);
    channel->AddXY(60, 0);
    Paint();
    EXPECT_EQ(Drawn("Rectangle"), (Lines{{480, 700, 520, 1000}, {580, 1000, 620, 1000}}));
    channel->SetBarWidth(0);
    Paint();
    EXPECT_EQ(Drawn("Rectangle"), (Lines{{500, 700, 501, 1000}, {600, 1000, 601, 1000}}));
}

TEST_F(StripChannelTest, RightPressNearTheCurveHitsTheChannel) {
    channel->AddXY(0, 0);
    channel->AddXY(100, 100);
    TiPlotMouseData near = korvan::plot::MakeMouseData(false, 500, 505);
    near.Button = mbRight;
    plot.selectActive = false;
    TiPlotMouseData far = near;
    far.Y = far.YAxisPixels = 520;
    // The hit test is protected: reach it through a member pointer taken in
    // a derived scope, called on the channel itself (no cast to a type the
    // channel is not).
    struct Probe : TiPlotChannel {
        static bool Hit(TiPlotChannel& c, const TiPlotMouseData& data) {
            return (c.*&Probe::DoHitTest)(data);
        }
    };
    const auto hit = [&](const TiPlotMouseData& data) { return Probe::Hit(*channel, data); };
    EXPECT_TRUE(hit(near));
    EXPECT_FALSE(hit(far));
    near.Button = mbLeft;
    EXPECT_FALSE(hit(near));
}

TEST_F(StripChannelTest, InterpolatingStylesDrawOneValuePerColumnAndFeedTheCursor) {
    channel->AddXY(0, 0);
    channel->AddXY(50, 50);
    channel->AddXY(100, 0);
    double y = 0;
    channel->SetInterpolationStyle(ipistPolynomial);
    Paint();
    EXPECT_EQ(canvas.CallsNamed("Polyline").size(), 1001u);
    EXPECT_EQ(channel->GetYAtX(25, y), ipdpsValid);
    EXPECT_DOUBLE_EQ(y, 37.5);
    channel->SetInterpolationStyle(ipistCubicSpline);
    Paint();
    EXPECT_EQ(channel->GetYAtX(50, y), ipdpsValid);
    EXPECT_DOUBLE_EQ(y, 50);
    EXPECT_EQ(channel->GetYAtX(25, y), ipdpsValid);
    EXPECT_GT(y, 25);
    // A fill is drawn as one vertical line a column.
    channel->SetFillEnabled(true);
    Paint();
    EXPECT_EQ(canvas.CallsNamed("Polyline").size(), 2 * 1001u + 1);
    channel->SetFillEnabled(false);
    channel->SetInterpolationStyle(ipistRational);
    Paint();
    EXPECT_EQ(canvas.CallsNamed("Polyline").size(), 1001u);
}

TEST_F(StripChannelTest, SplineRunsBreakAtNullPoints) {
    channel->SetInterpolationStyle(ipistCubicSpline);
    channel->AddXY(10, 10);
    channel->AddXY(20, 20);
    channel->AddXNull(30);
    channel->AddXY(40, 40);
    channel->AddXY(50, 20);
    Paint();
    EXPECT_EQ(canvas.CallsNamed("Polyline").size(), 2 * 101u);
    double y = 0;
    EXPECT_EQ(channel->GetYAtX(30, y), ipdpsNull);
}

TEST_F(StripChannelTest, DigitalTraceHoldsLevelsAndStepsAtTransitions) {
    channel->SetDigitalEnabled(true);
    // Points take their own marker switch when added.
    channel->SetMarkersVisible(true);
    for (double y : {0.0, 0.0, 1.0, 1.0, 0.0})
        channel->AddXY(channel->Count(), y);
    Paint();
    EXPECT_EQ(Drawn(),
              (Lines{{0, 900, 20, 900}, {20, 900, 20, 100}, {20, 100, 40, 100}, {40, 100, 40, 900}}));
    // Markers stand on the levels, not on the values.
    const Lines markers = Drawn("Ellipse");
    ASSERT_EQ(markers.size(), 5u);
    EXPECT_EQ(markers[2], (std::vector<int>{17, 97, 23, 103}));
    korvan::testing::FakeCursor cursor;
    cursor.style = ipcsValueY;
    cursor.p1 = 3;
    channel->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor.text, "High");
    EXPECT_EQ(channel->DataCursorYText(), "High");
    cursor.style = ipcsValueXY;
    cursor.p1 = 1;
    channel->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor.text, channel->GetXValueText(1) + ", Low");
}

TEST_F(StripChannelTest, CandlesAreBearishWhenOpenAboveClose) {
    channel->SetDataStyle(ipdsFullFeature);
    channel->SetHighLowEnabled(true);
    channel->SetHighLowStyle(iphlsCandleStick);
    channel->SetTraceVisible(false);
    channel->AddHighLow(20, 12, 3, 10, 5);
    channel->AddHighLow(40, 12, 3, 5, 10);
    Paint();
    const auto bodies = canvas.CallsNamed("Rectangle");
    ASSERT_EQ(bodies.size(), 2u);
    EXPECT_EQ(bodies[0].BrushColor, channel->HighLowBearishColor());
    EXPECT_EQ(bodies[1].BrushColor, channel->HighLowBullishColor());
    EXPECT_EQ(bodies[0].Args, (std::vector<int>{198, 900, 203, 950}));
    EXPECT_EQ(Drawn("LineTo")[0], (std::vector<int>{200, 880, 200, 970}));
}

TEST_F(StripChannelTest, OpenCloseBarsDrawTheirTicksThenTheBar) {
    channel->SetDataStyle(ipdsFullFeature);
    channel->SetHighLowEnabled(true);
    channel->SetTraceVisible(false);
    channel->AddHighLow(20, 12, 3, 10, 5);
    Paint();
    const auto rects = canvas.CallsNamed("Rectangle");
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].BrushColor, channel->HighLowOpenColor());
    EXPECT_EQ(rects[1].BrushColor, channel->HighLowCloseColor());
    EXPECT_EQ(rects[2].BrushColor, channel->HighLowBarColor());
}

TEST_F(StripChannelTest, PixelCacheRefusesColumnsOutsideThePreparedSpan) {
    channel->AddXY(1, 1);
    channel->PrepareDraw();
    channel->StorePixelValue(1000, 5);
    EXPECT_EQ(RaisedMessage([&] { channel->StorePixelValue(1001, 5); }), "Pixel List XPixel out of Range");
}

} // namespace
