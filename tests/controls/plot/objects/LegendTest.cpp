// The legend: its settings and their stream, how entries wrap into rows
// and columns with the scroll buttons, the names and cells it draws, and
// the mouse on entries, buttons and the legend itself.

#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/objects/PlotLegend.h"
#include "controls/plot/plots/PlotClasses.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/PlotObjectsTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace kind = korvan::plot::kind;
using korvan::testing::Click;

class LegendTest : public ::testing::Test, protected korvan::testing::LaidOutPlot {
protected:
    void Channels(int count) {
        while (plot.ChannelCount() < count)
            plot.AddChannel();
    }
    // A vertical legend with room for at least `rows` rows.
    void Vertical(int rows) {
        legend.SetHorizontal(false);
        legend.SetDrawRect(TRect{0, 0, 120, 40 + rows * 30});
        legend.GetRequiredWidth(scratch.Canvas());
    }
    std::vector<std::string> Texts() {
        korvan::gfx::RecordingCanvas canvas(500, 400);
        legend.Draw(canvas, clBlack);
        std::vector<std::string> texts;
        for (const auto& call : canvas.CallsNamed("DrawText"))
            texts.push_back(call.Text);
        return texts;
    }

    TiPlotLegend& legend = *Object<TiPlotLegend>(kind::Legend);
    TBitmap scratch{10, 10};
};

TEST_F(LegendTest, DefaultsAndTheirStreamRoundTrip) {
    EXPECT_FALSE(legend.Horizontal());
    EXPECT_EQ(legend.ZOrder(), 2);
    EXPECT_EQ(legend.BackGroundColor(), clGray);
    EXPECT_TRUE(legend.ShowColumn(TiPlotLegend::ColLine));
    EXPECT_FALSE(legend.ShowColumn(TiPlotLegend::ColMarker));
    EXPECT_EQ(legend.Caption(TiPlotLegend::ColYMean), "Y-Mean");
    EXPECT_EQ(legend.Font()->Color(), clWhite);
    EXPECT_EQ(legend.ColumnTitlesFont()->Color(), clAqua);
    EXPECT_EQ(legend.WrapRowDesiredCount(), 5);
    EXPECT_EQ(legend.LineColumnHeight(), 3);
    legend.SetWrapColDesiredCount(0);
    EXPECT_EQ(legend.WrapColDesiredCount(), 1);
    legend.SetRowSpacing(0.5);
    EXPECT_EQ(legend.WrapRowSpacingMin(), 0.5);

    korvan::plot::RegisterPlotClasses();
    plot.SetName("Plot1");
    legend.SetShowColumn(TiPlotLegend::ColYMax, true);
    legend.SetCaption(TiPlotLegend::ColYMax, "Peak");
    legend.SetChannelNameColorStyle(iplcncsChannelColor);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    // The line height is written even at its first value.
    EXPECT_NE(text.find("LineColumnHeight = 3"), std::string::npos) << text;
    TiXYPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    auto* copy = dynamic_cast<TiPlotLegend*>(read.KindObject(kind::Legend, 0));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->ShowColumn(TiPlotLegend::ColYMax));
    EXPECT_EQ(copy->Caption(TiPlotLegend::ColYMax), "Peak");
    EXPECT_EQ(copy->ChannelNameColorStyle(), iplcncsChannelColor);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

TEST_F(LegendTest, EightEntriesInFiveRowsScrollByOne) {
    Channels(8);
    legend.SetWrapRowAutoCountEnabled(false);
    legend.SetDrawRect(TRect{0, 0, 400, 300});
    const int width = legend.GetRequiredWidth(scratch.Canvas());
    EXPECT_EQ(legend.ActualWrapRowCount(), 5);
    EXPECT_EQ(legend.ActualWrapColCount(), 1);
    EXPECT_TRUE(legend.UpButton()->Visible());
    EXPECT_FALSE(legend.UpButton()->Enabled());
    EXPECT_TRUE(legend.DownButton()->Enabled());
    EXPECT_EQ(legend.ViewStopIndex(), 4);
    legend.SetShowColumn(TiPlotLegend::ColLine, true);
    const TRect down = legend.DownButton()->DrawRect();
    Click(*legend.DownButton(), TPoint{down.Left + 2, down.Top + 2});
    legend.GetRequiredWidth(scratch.Canvas());
    EXPECT_EQ(legend.ViewStartIndex(), 1);
    EXPECT_EQ(legend.ViewStopIndex(), 5);
    const auto texts = Texts();
    EXPECT_EQ(texts.front(), "Channel 2");
    EXPECT_EQ(texts.back(), "Channel 6");
    // The buttons make room for themselves.
    legend.SetEnabled(false);
    const int disabledWidth = legend.GetRequiredWidth(scratch.Canvas());
    EXPECT_EQ(width - disabledWidth, 25);
    EXPECT_FALSE(legend.UpButton()->Visible());
    EXPECT_EQ(legend.ViewStartIndex(), 0);
}

TEST_F(LegendTest, FewRowsAreRaisedToThreeAndZeroCountsAreClamped) {
    Channels(2);
    legend.SetWrapRowAutoCountEnabled(false);
    legend.SetWrapRowDesiredCount(1);
    Vertical(5);
    EXPECT_EQ(legend.ActualWrapRowCount(), 3);
    EXPECT_FALSE(legend.DownButton()->Visible());
    // No column count and no room: the layout still divides by at least one.
    legend.SetWrapColAutoCountMax(0);
    legend.SetWrapColAutoCountEnabled(true);
    legend.SetHorizontal(true);
    legend.SetDrawRect(TRect{0, 0, 0, 0});
    legend.GetRequiredWidth(scratch.Canvas());
    legend.SetHorizontal(false);
    legend.GetRequiredWidth(scratch.Canvas());
    SUCCEED();
}

TEST_F(LegendTest, NamesCellsAndAnEmptyLegend) {
    Channels(2);
    plot.Channel(0)->SetTitleText("  ");
    plot.Channel(1)->SetTitleText("Marker");
    plot.Channel(1)->AddXY(10, 20);
    legend.SetShowColumn(TiPlotLegend::ColYValue, true);
    legend.SetShowColumn(TiPlotLegend::ColXName, true);
    Vertical(5);
    const auto texts = Texts();
    // A blank title lists the channel's name; an empty channel says so.
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Channel 1", "X-Axis 1", "Empty", "Marker", "X-Axis 1", "20"}));

    for (int i = 0; i < plot.ChannelCount(); ++i)
        plot.Channel(i)->SetVisibleInLegend(false);
    const int height = legend.RequiredHeight();
    korvan::gfx::RecordingCanvas canvas(500, 400);
    legend.GetRequiredWidth(canvas);
    canvas.Clear();
    legend.Draw(canvas, clBlack);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(legend.RequiredHeight(), height);
}

TEST_F(LegendTest, CursorModeShowsTheValueColumns) {
    Channels(1);
    Vertical(5);
    const int plain = legend.ItemWidth();
    legend.SetCursorAllChannels(true);
    legend.GetRequiredWidth(scratch.Canvas());
    EXPECT_GT(legend.ItemWidth(), plain);
    EXPECT_GT(legend.ColumnWidth(TiPlotLegend::ColXValue), 0);
}

// Each paint starts legend 0 out of cursor mode and lets the cursors put
// it back.
TEST_F(LegendTest, ThePlotsPaintSwitchesCursorModeFromTheDataCursors) {
    Channels(1);
    auto* cursor = Object<TiPlotDataCursor>(kind::DataCursor, plot.AddDataCursor());
    ASSERT_NE(cursor, nullptr);
    struct Case {
        bool visible;
        const char* channel;
        bool showAllInLegend;
        bool cursorMode;
    };
    const Case cases[] = {
        {true, "<All>", true, true},   {false, "<All>", true, false}, {true, "<All>", true, true},
        {true, "<All>", false, false}, {true, "<All>", true, true},   {true, "<all>", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.visible << c.channel << c.showAllInLegend);
        cursor->SetVisible(c.visible);
        cursor->SetChannelName(c.channel);
        cursor->SetChannelShowAllInLegend(c.showAllInLegend);
        Paint();
        EXPECT_EQ(legend.CursorAllChannels(), c.cursorMode);
    }
}

TEST_F(LegendTest, LineSampleRowsAndSegments) {
    Channels(1);
    plot.Channel(0)->SetTraceLineStyle(iplsDash);
    Vertical(5);
    korvan::gfx::RecordingCanvas canvas(500, 400);
    legend.Draw(canvas, clBlack);
    const auto lines = canvas.CallsNamed("Polyline");
    // Height 3 draws four rows of the dash pattern 0-5 and 8-13.
    ASSERT_EQ(lines.size(), 8u);
    const TiPlotLegendItem& item = legend.Items().front();
    EXPECT_EQ(lines[1].Args[0] - lines[0].Args[0], 8);
    EXPECT_EQ(lines[0].Args[2] - lines[0].Args[0], 5);
    EXPECT_EQ(lines[0].Args[0], item.ALeft + legend.ColumnStart(TiPlotLegend::ColLine));
}

TEST_F(LegendTest, MouseOnEntriesAndOnTheLegend) {
    Channels(2);
    Paint();
    std::vector<int> clicks;
    plot.LegendEvents.OnClick = [&](int index) { clicks.push_back(index); };
    const TRect name = plot.Channel(1)->LegendRect();
    ASSERT_LT(name.Left, name.Right);
    EXPECT_EQ(legend.GetMouseOverObject(name.Left + 1, name.Top + 1), plot.Channel(1));
    const TRect r = legend.DrawRect();
    const TPoint corner{r.Right - 2, r.Bottom - 2};
    EXPECT_EQ(legend.GetMouseOverObject(corner.X, corner.Y), &legend);
    Click(legend, corner);
    EXPECT_EQ(clicks, (std::vector<int>{0}));
}

TEST_F(LegendTest, PictureOfAPlotWithItsLegend) {
    Channels(3);
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k <= 10; ++k)
            plot.Channel(i)->AddXY(k * 10, 20 + i * 25 + k * 2);
    plot.Channel(1)->SetTraceLineStyle(iplsDash);
    plot.Channel(1)->SetUserSelected(true);
    legend.SetShowColumn(TiPlotLegend::ColYValue, true);
    legend.SetColumnTitlesVisible(true);
    const QImage page = Paint();
    korvan::testing::SavePng(page, "plot_legend");
    const TRect name = plot.Channel(1)->LegendRect();
    EXPECT_EQ(korvan::testing::PlotPixel(page, name.Left, name.Top), clYellow);
}

} // namespace
