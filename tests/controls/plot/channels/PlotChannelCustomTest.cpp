// The channel base: defaults, settings, adding and removing points with
// their running values, the data style switch, axis lookup and tracking,
// and the marker allowance of the fit queries.

#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::RaisedMessage;

class PlotChannelCustomTest : public ::testing::Test, public korvan::testing::ChannelFixture {};

TEST_F(PlotChannelCustomTest, NewChannelDefaults) {
    auto channel = MakeOn<TiXYPlotChannel>();
    EXPECT_EQ(channel->Color(), TColor(255));
    EXPECT_EQ(channel->TraceLineWidth(), 1);
    EXPECT_EQ(channel->TraceLineStyle(), iplsSolid);
    EXPECT_FALSE(channel->MarkersVisible());
    EXPECT_EQ(channel->MarkersSize(), 3);
    EXPECT_EQ(channel->MarkersPenColor(), TColor(255));
    EXPECT_EQ(channel->MarkersBrushColor(), TColor(255));
    EXPECT_EQ(channel->MarkersFont()->Color(), clWhite);
    EXPECT_TRUE(channel->MarkersFont()->Style() & fsBold);
    EXPECT_TRUE(channel->XAxisTrackingEnabled());
    EXPECT_TRUE(channel->YAxisTrackingEnabled());
    EXPECT_TRUE(channel->VisibleInLegend());
    EXPECT_TRUE(channel->TraceVisible());
    EXPECT_EQ(channel->DataStyle(), ipdsStandard);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->RunningXMin(), 1e300);
    EXPECT_EQ(channel->RunningXMax(), -1e300);
    EXPECT_EQ(channel->XFirst(), -1);
    EXPECT_EQ(channel->IndexLast(), -1);
    EXPECT_EQ(channel->DrawStopIndex(), -1);
}

TEST_F(PlotChannelCustomTest, SettersNotifyByTheirRule) {
    auto channel = MakeChannel();
    struct Case {
        const char* what;
        std::function<void()> set;
        int changes;
    };
    const std::vector<Case> cases{
        {"changed title", [&] { channel->SetTitleText("T"); }, 1},
        {"same title", [&] { channel->SetTitleText("T"); }, 0},
        {"list default, same value", [&] { channel->SetColor(channel->Color()); }, 1},
        {"marker size", [&] { channel->SetMarkersSize(7); }, 1},
        {"hints: silent", [&] { channel->SetShowDataPointHints(true); }, 0},
        {"moving: silent", [&] { channel->SetUserCanMoveDataPoints(true); }, 0},
        {"font", [&] { channel->MarkersFont()->SetSize(20); }, 1},
        {"same axis name", [&] { channel->SetXAxisName("X-Axis 1"); }, 0},
        {"ring size", [&] { channel->SetRingBufferSize(0); }, 1},
    };
    for (const Case& c : cases) {
        master.changes = 0;
        c.set();
        EXPECT_EQ(master.changes, c.changes) << c.what;
    }
}

TEST_F(PlotChannelCustomTest, RunningValuesFollowAddsAndStayOnDelete) {
    auto channel = MakeChannel();
    channel->AddXY(0, 0);
    channel->AddXY(-100, -100);
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_EQ(channel->RunningXMin(), -100);
    EXPECT_EQ(channel->RunningXMax(), 0);
    EXPECT_EQ(channel->RunningXMean(), -50);
    channel->DeletePoints(2);
    channel->AddXY(10, 10);
    EXPECT_EQ(channel->RunningXMean(), 10);
    EXPECT_EQ(channel->RunningCount(), 1);
}

TEST_F(PlotChannelCustomTest, DeletePointsWholeCountClearsOtherwiseCutsOldest) {
    auto channel = MakeChannel();
    EXPECT_EQ(RaisedMessage([&] { channel->DeletePoints(4); }), "Delete size out of Range");
    for (int i = 0; i < 4; ++i)
        channel->AddXY(i, i * 10);
    channel->DeletePoints(1);
    EXPECT_EQ(channel->Count(), 3);
    EXPECT_EQ(channel->XFirst(), 1);
    EXPECT_EQ(channel->RunningCount(), 4);
    EXPECT_EQ(channel->RunningXMin(), 0);
    channel->DeletePoints(3);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->RunningCount(), 0);
    EXPECT_EQ(channel->RunningXMin(), 1e300);
    EXPECT_EQ(RaisedMessage([&] { channel->DeletePoints(-1); }), "Delete size out of Range");
}

TEST_F(PlotChannelCustomTest, TheEditorsCallPatternReplacesTheCurveEachTime) {
    auto channel = MakeChannel();
    for (int round = 0; round < 3; ++round) {
        channel->DeletePoints(channel->Count());
        channel->AddXY(0, 0);
        channel->AddXY(-30, -30 + round);
        channel->AddXY(-50, -40);
        channel->AddXY(-100, -100);
        EXPECT_EQ(channel->Count(), 4);
        EXPECT_EQ(channel->GetPointY(1), -30 + round);
        EXPECT_EQ(channel->RunningCount(), 4);
    }
}

TEST_F(PlotChannelCustomTest, DataStyleSwitchDropsPointsKeepsSettings) {
    auto channel = MakeChannel();
    channel->SetColor(clBlue);
    channel->SetMarkersSize(9);
    channel->SetRingBufferSize(50);
    channel->AddXY(1, 1);
    channel->SetDataStyle(ipdsCompact);
    EXPECT_EQ(channel->Count(), 0);
    EXPECT_EQ(channel->Color(), clBlue);
    EXPECT_EQ(channel->MarkersSize(), 9);
    EXPECT_EQ(channel->RingBufferSize(), 50);
    EXPECT_EQ(channel->DataStyle(), ipdsCompact);
}

TEST_F(PlotChannelCustomTest, CountWriteShrinksAndRefusesNegative) {
    auto channel = MakeChannel();
    for (int i = 0; i < 5; ++i)
        channel->AddXY(i, i);
    channel->SetCount(2);
    EXPECT_EQ(channel->Count(), 2);
    EXPECT_EQ(channel->Capacity(), 2);
    EXPECT_EQ(channel->XLast(), 1);
    EXPECT_EQ(RaisedMessage([&] { channel->SetCount(-1); }), "Exceed Maximum List Size");
    EXPECT_EQ(channel->Count(), 2);
}

TEST_F(PlotChannelCustomTest, ArraysAreCheckedBeforeAnythingIsAdded) {
    auto channel = MakeChannel();
    const TiPlotValueArray x{{0}, {2}, {1, 2, 3}}, y{{1}, {3}, {1, 2, 3}};
    EXPECT_EQ(RaisedMessage([&] { channel->AddXYArrays(x, y); }),
              "X-Data and Y-Data low bound dimension must match");
    EXPECT_EQ(channel->Count(), 0);
    channel->AddXYArray({{0, 0}, {1, 2}, {1, 2, 3, 10, 20, 30}});
    EXPECT_EQ(channel->Count(), 3);
    EXPECT_EQ(channel->GetPointY(2), 30);
}

TEST_F(PlotChannelCustomTest, AxesAreFoundByNameAndForgottenOnRemoveAndRename) {
    auto channel = MakeOn<TiXYPlotChannel>();
    EXPECT_EQ(channel->XAxis(), nullptr);
    channel->SetXAxisName("X-Axis 1");
    channel->SetYAxisName("Y-Axis 1");
    EXPECT_EQ(channel->XAxis(), xAxis.get());
    EXPECT_TRUE(channel->HasAxes());
    xAxis->SetName("Time");
    channel->NotifyRename(xAxis.get());
    EXPECT_EQ(channel->XAxisName(), "Time");
    channel->NotifyRemove(yAxis.get());
    plot.yAxes.clear();
    EXPECT_EQ(channel->YAxis(), nullptr);
}

TEST_F(PlotChannelCustomTest, TrackingFeedsXAlwaysAndYOnlyForValidPoints) {
    auto channel = MakeChannel();
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(xAxis.get()), static_cast<TiPlotAxis*>(yAxis.get())}) {
        axis->SetTrackingStyle(iptsScaleMinMax);
        axis->SetTrackingAlignFirstStyle(ipafsNone);
        axis->SetTrackingEnabled(true);
    }
    channel->AddXY(0, 0);
    channel->AddXY(200, 300);
    EXPECT_GE(xAxis->Max(), 200);
    EXPECT_GE(yAxis->Max(), 300);
    channel->AddDataPoint(500, 900, true, false);
    EXPECT_GE(xAxis->Max(), 500);
    EXPECT_LT(yAxis->Max(), 900);
}

TEST_F(PlotChannelCustomTest, MarkerAllowanceIsTheMarkerSizeInAxisUnits) {
    auto channel = MakeChannel();
    channel->AddXY(50, 50);
    channel->AddDataPoint(60, 60, true, false);
    EXPECT_EQ(channel->GetXPlusMarker(0), 50);
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(5);
    EXPECT_DOUBLE_EQ(channel->GetXPlusMarker(0), 50.5);
    EXPECT_DOUBLE_EQ(channel->GetYMinusMarker(0), 49.5);
    EXPECT_EQ(RaisedMessage([&] { channel->GetXPlusMarker(1); }), "Data Point Null");
    auto lost = MakeOn<TiXYPlotChannel>();
    lost->AddXY(1, 1);
    lost->SetMarkersVisible(true);
    EXPECT_EQ(RaisedMessage([&] { lost->GetYPlusMarker(0); }), "Y-Axis not assigned");
}

TEST_F(PlotChannelCustomTest, ScansSkipNullAndEmptyPoints) {
    auto channel = MakeChannel();
    channel->AddXY(1, 10);
    channel->AddDataPoint(-5, -50, true, false);
    channel->AddDataPoint(99, 99, false, true);
    channel->AddXY(3, 30);
    EXPECT_EQ(channel->RunningXMin(), -5);
    EXPECT_EQ(channel->GetXMin(), 1);
    EXPECT_EQ(channel->GetXMax(), 3);
    EXPECT_EQ(channel->GetYMean(), 20);
    channel->ReCalcRunningMinMaxMean();
    EXPECT_EQ(channel->RunningCount(), 2);
    EXPECT_EQ(channel->RunningYMax(), 30);
}

} // namespace
