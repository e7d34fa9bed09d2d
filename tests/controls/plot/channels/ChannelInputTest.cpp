// The channel base's mouse handling: data points hit only in select mode,
// the hint text and its placement, clicks, drags and their events, and
// the legend entry.

#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

class ChannelInputTest : public ::testing::Test, public korvan::testing::ChannelFixture {
protected:
    // A channel with markers (half-size 3) at (50, 50) and (20, 80): pixels
    // (500, 500) and (200, 200).
    TiPlotObjectPtr<TiXYPlotChannel> channel = [this] {
        auto c = MakeChannel();
        c->SetMarkersVisible(true);
        c->AddXY(50, 50);
        c->AddXY(20, 80);
        return c;
    }();
    TiHintData hint;

    void Press(int x, int y) {
        channel->HitTest(x, y);
        channel->iMouseDown(mbLeft, 0, x, y, 0, 0, nullptr);
    }
    void Move(int x, int y) { channel->iMouseMove(hint, 0, x, y, 0, 0, false); }
    void Release(int x, int y) { channel->iMouseUp(mbLeft, 0, x, y, 0, 0, false, nullptr); }
};

TEST_F(ChannelInputTest, PointsAreHitOnlyInSelectModeWithinTheirMarker) {
    EXPECT_TRUE(channel->HitTest(500, 500));
    EXPECT_TRUE(channel->HitTest(497, 502));
    EXPECT_FALSE(channel->HitTest(503, 500));
    EXPECT_TRUE(channel->HitTest(200, 200));
    plot.selectActive = false;
    EXPECT_FALSE(channel->HitTest(500, 500));
    plot.selectActive = true;
    channel->SetMarkersVisible(false);
    EXPECT_FALSE(channel->HitTest(500, 500));
}

TEST_F(ChannelInputTest, LegendEntryIsHitAndClickedWithoutSelectMode) {
    plot.selectActive = false;
    channel->SetName("Curve");
    channel->SetLegendRect(Rect(10, 10, 60, 20));
    EXPECT_TRUE(channel->HitTest(20, 15));
    channel->SetVisibleInLegend(false);
    EXPECT_FALSE(channel->HitTest(20, 15));
    channel->SetVisibleInLegend(true);
    Press(20, 15);
    Release(20, 15);
    EXPECT_EQ(plot.channelEvents.back(), "object click Curve");
}

TEST_F(ChannelInputTest, HintShowsBothLabelTextsAboveThePoint) {
    channel->SetShowDataPointHints(true);
    channel->HitTest(500, 500);
    Move(500, 500);
    const std::string text = xAxis->GetLabelText(50) + ", " + yAxis->GetLabelText(50);
    EXPECT_EQ(hint.Text, text);
    EXPECT_EQ(plot.channelEvents, (Events{"move 0", "hint 0 " + text}));
    const int width = int(text.size()) * 6 + 4;
    EXPECT_EQ(hint.Width, width);
    EXPECT_EQ(hint.Height, 17);
    EXPECT_EQ(hint.Left, 500 - width / 2);
    EXPECT_EQ(hint.Top, 500 - (13 + 1 + 8));
}

TEST_F(ChannelInputTest, HintKeepsInsideTheDataView) {
    channel->SetShowDataPointHints(true);
    channel->AddXY(0, 100);
    channel->HitTest(0, 0);
    Move(0, 0);
    // Too high: below the point; too far left: right of it, centred.
    EXPECT_EQ(hint.Left, 0 + 1 + 8);
    EXPECT_EQ(hint.Top, 0);
    hint = {};
    channel->SetShowDataPointHints(false);
    channel->HitTest(500, 500);
    Move(500, 500);
    EXPECT_TRUE(hint.Text.empty());
}

TEST_F(ChannelInputTest, PressAndReleaseOnAPointClicksIt) {
    Press(500, 500);
    Release(501, 499);
    EXPECT_EQ(plot.channelEvents, (Events{"down 0", "up 0", "click 0"}));
    EXPECT_EQ(channel->GetPointX(0), 50);
}

TEST_F(ChannelInputTest, DragMovesThePointByTheAxesAndReportsTheMove) {
    struct Case {
        TiPlotChannelDataPointMoveStyle style;
        double x, y;
    };
    for (const Case& c :
         {Case{ipcdpmsXandY, 60, 60}, Case{ipcdpmsXOnly, 60, 50}, Case{ipcdpmsYOnly, 50, 60}}) {
        channel->SetPointX(0, 50);
        channel->SetPointY(0, 50);
        channel->SetUserCanMoveDataPoints(true);
        channel->SetUserCanMoveDataPointsStyle(c.style);
        plot.channelEvents.clear();
        Press(500, 500);
        Move(600, 400);
        Release(600, 400);
        EXPECT_EQ(channel->GetPointX(0), c.x) << c.style;
        EXPECT_EQ(channel->GetPointY(0), c.y) << c.style;
        EXPECT_EQ(plot.channelEvents.back(), "moved 0 50,50>" + korvan::testing::RecordingAxisHost::Num(c.x) +
                                                 "," + korvan::testing::RecordingAxisHost::Num(c.y));
    }
}

TEST_F(ChannelInputTest, DragWithoutPermissionOrAfterThePointWentMovesNothing) {
    Press(500, 500);
    Move(600, 400);
    Release(600, 400);
    EXPECT_EQ(channel->GetPointX(0), 50);
    EXPECT_EQ(plot.channelEvents, (Events{"down 0", "move 0", "up 0"}));
    channel->SetUserCanMoveDataPoints(true);
    Press(200, 200);
    channel->DeletePoints(channel->Count());
    Move(300, 300);
    Release(300, 300);
    EXPECT_EQ(channel->Count(), 0);
}

TEST_F(ChannelInputTest, CursorIsTheHandAndThePopupOffersEdit) {
    EXPECT_EQ(channel->GetMouseCursor({}), crHandPoint);
}

} // namespace
