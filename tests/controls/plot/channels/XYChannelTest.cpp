// The XY channel: the draw range is every point, the fit queries with and
// without markers, null and empty adders, and its data-cursor values and
// texts.

#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class XYChannelTest : public ::testing::Test, public korvan::testing::ChannelFixture {};

TEST_F(XYChannelTest, EmptyChannelIsNotDrawnAndFitsNothing) {
    auto channel = MakeChannel();
    channel->CalcStopIndex();
    EXPECT_EQ(channel->DrawStopIndex(), -1);
    channel->PrepareDraw();
    EXPECT_FALSE(channel->CanDraw());
    EXPECT_EQ(channel->GetFitXMax(), -1e300);
    EXPECT_EQ(channel->GetFitXMin(), 1e300);
}

TEST_F(XYChannelTest, PointsAreJoinedInTheOrderAdded) {
    auto channel = MakeChannel();
    xAxis->SetMinSpan(-100, 120);
    yAxis->SetMinSpan(-100, 120);
    PlaceAxes();
    for (auto [x, y] : std::vector<std::pair<double, double>>{{0, 0}, {-30, -30}, {-50, -40}, {-100, -100}})
        channel->AddXY(x, y);
    channel->PrepareDraw();
    ASSERT_TRUE(channel->CanDraw());
    channel->Draw(canvas, clBlack);
    const auto px = [&](double v) { return xAxis->PositionToPixels(v); };
    const auto py = [&](double v) { return yAxis->PositionToPixels(v); };
    EXPECT_EQ(Drawn(), (std::vector<std::vector<int>>{{px(-30), py(-30), px(0), py(0)},
                                                      {px(-50), py(-40), px(-30), py(-30)},
                                                      {px(-100), py(-100), px(-50), py(-40)}}));
}

TEST_F(XYChannelTest, FitsWidenByTheMarkersAndSkipNullAndEmptyPoints) {
    auto channel = MakeChannel();
    channel->AddXY(10, 20);
    channel->AddXY(40, 5);
    channel->AddNull();
    EXPECT_EQ(channel->GetFitXMax(), 40);
    EXPECT_EQ(channel->GetFitYMin(), 5);
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(5);
    EXPECT_DOUBLE_EQ(channel->GetFitXMax(), 40.5);
    EXPECT_DOUBLE_EQ(channel->GetFitXMin(), 9.5);
    EXPECT_DOUBLE_EQ(channel->GetFitYMax(), 20.5);
    auto hollow = MakeChannel();
    hollow->AddNull();
    hollow->AddEmpty();
    EXPECT_EQ(hollow->GetFitYMax(), -1e300);
    EXPECT_EQ(hollow->GetFitXMin(), 1e300);
}

TEST_F(XYChannelTest, NullAndEmptyAddersBypassTheRunningValues) {
    auto channel = MakeChannel();
    channel->AddXY(1, 1);
    EXPECT_EQ(channel->AddNull(), 1);
    EXPECT_EQ(channel->AddEmpty(), 2);
    EXPECT_EQ(channel->RunningCount(), 1);
    EXPECT_TRUE(channel->GetPointNull(1));
    EXPECT_TRUE(channel->GetPointEmpty(2));
}

TEST_F(XYChannelTest, DataCursorValuesAndTexts) {
    auto channel = MakeChannel();
    korvan::testing::FakeCursor cursor;
    cursor.p1 = 25;
    cursor.p2 = 75;
    struct Case {
        TiPlotDataCursorStyle style;
        double x, y;
        std::string text;
    };
    const std::vector<Case> cases{
        {ipcsValueXY, 25, 75, channel->GetXValueText(25) + ", " + channel->GetYValueText(75)},
        {ipcsValueX, 25, 0, channel->GetXValueText(25)},
        {ipcsValueY, 0, 75, channel->GetYValueText(75)},
        {ipcsDeltaX, 50, 0, channel->GetXValueText(50)},
        {ipcsDeltaY, 0, 50, channel->GetYValueText(50)},
        {ipcsInverseDeltaX, 0.02, 0, channel->GetXValueText(0.02)},
    };
    for (const Case& c : cases) {
        cursor.style = c.style;
        channel->UpdateDataCursor(cursor);
        EXPECT_DOUBLE_EQ(cursor.x, c.x) << c.style;
        EXPECT_DOUBLE_EQ(cursor.y, c.y) << c.style;
        EXPECT_EQ(cursor.status, ipdpsValid);
        EXPECT_EQ(cursor.text, c.text) << c.style;
    }
    cursor.style = ipcsInverseDeltaX;
    cursor.p2 = cursor.p1;
    channel->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor.x, std::numeric_limits<double>::infinity());
    EXPECT_EQ(cursor.text, "Infinite");
    auto lost = MakeOn<TiXYPlotChannel>();
    lost->UpdateDataCursor(cursor);
    EXPECT_EQ(cursor.text, "No X-Axis");
    EXPECT_EQ(lost->GetYValueText(1), "No Y-Axis");
}

} // namespace
