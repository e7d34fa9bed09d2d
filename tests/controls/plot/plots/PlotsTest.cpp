// The strip chart and the XY plot: their default objects, the typed
// channel lookup, channels joined to the plot (events, fits, data rows,
// copies, clearing), the form stream with two channels and a picture.

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/objects/PlotLabel.h"
#include "controls/plot/plots/PlotClasses.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/FormText.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using korvan::testing::RaisedMessage;

TEST(PlotsTest, ANewPlotHasItsDefaultObjectsAndTitle) {
    TiXYPlot xy(nullptr);
    TiPlot strip(nullptr);
    for (TiPlotComponent* plot :
         {static_cast<TiPlotComponent*>(&xy), static_cast<TiPlotComponent*>(&strip)}) {
        EXPECT_EQ(plot->XAxisCount(), 1);
        EXPECT_EQ(plot->YAxisCount(), 1);
        EXPECT_EQ(plot->ChannelCount(), 1);
        ASSERT_EQ(plot->LabelCount(), 1);
        EXPECT_EQ(plot->Label(0)->Name(), "Title");
        EXPECT_EQ(plot->TitleText(), "Untitled");
        EXPECT_EQ(plot->Label(0)->ZOrder(), 2);
        EXPECT_TRUE(plot->Master()->LayoutManager()->Enabled());
        EXPECT_FALSE(plot->UpdateActive());
    }
    EXPECT_NE(xy.Channel(0), nullptr);
    EXPECT_NE(strip.Channel(0), nullptr);
    EXPECT_EQ(xy.Channel(0)->XAxisName(), "X-Axis 1");
    EXPECT_EQ(RaisedMessage([&] { xy.Channel(1); }), "List index out of bounds (1)");
    // A channel of the other class is refused.
    xy.ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<TiPlotChannel>());
    xy.AddChannel();
    EXPECT_EQ(RaisedMessage([&] { xy.Channel(1); }), "Invalid class typecast");
}

TEST(PlotsTest, OnlyStripChartChannelsRaiseTheWheelEventAndChannelsReachTheirPlot) {
    TiPlot strip(nullptr);
    TiXYPlot xy(nullptr);
    std::vector<std::string> events;
    for (TiPlotComponent* plot :
         {static_cast<TiPlotComponent*>(&strip), static_cast<TiPlotComponent*>(&xy)}) {
        plot->ChannelEvents.OnMouseWheel = [&, plot](int, int, TShiftState, int, int) {
            events.push_back(plot == &strip ? "strip" : "xy");
        };
        plot->DoObjectMouseWheel(plot->ChannelManager()->Items(0), 120, 0, 1, 1);
    }
    EXPECT_EQ(events, std::vector<std::string>{"strip"});
    // The channel finds the plot as its host: a moved point reaches the
    // plot's event with the channel's index.
    xy.AddChannel();
    xy.OnDataPointMoved = [&](int c, int d, double, double, double, double) {
        events.push_back("moved " + std::to_string(c) + "/" + std::to_string(d));
    };
    korvan::plot::ChannelHostOf(&xy)->DoDataPointMoved(xy.Channel(1), 2, 0, 0, 1, 1);
    EXPECT_EQ(events.back(), "moved 1/2");
}

TEST(PlotsTest, AxesFitTheChannelsDrawnAgainstThem) {
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    plot.Channel(0)->AddXY(-30, 5);
    plot.Channel(0)->AddXY(10, 7);
    plot.Channel(1)->AddXY(-50, -1);
    plot.XAxis(0)->ZoomToFit();
    EXPECT_DOUBLE_EQ(plot.XAxis(0)->Min(), -50);
    EXPECT_DOUBLE_EQ(plot.XAxis(0)->Span(), 60);
    // Only channels drawn against the axis count.
    plot.Channel(1)->SetYAxisName("elsewhere");
    plot.YAxis(0)->ZoomToFitFast();
    EXPECT_DOUBLE_EQ(plot.YAxis(0)->Min(), 5);
    EXPECT_DOUBLE_EQ(plot.YAxis(0)->Span(), 2);
    plot.ClearAllData();
    EXPECT_EQ(plot.Channel(0)->Count(), 0);
    EXPECT_EQ(plot.Channel(1)->Count(), 0);
}

TEST(PlotsTest, DataArraysFillTheChannels) {
    TiPlot plot(nullptr);
    plot.AddChannel();
    plot.AddChannel();
    // One row from bound 1: element k goes to channel k - 1, with the null
    // and empty marks.
    plot.AddDataArray(3, TiPlotValueArray{{1}, {3}, {7, 5e-301, 5e-302}});
    EXPECT_EQ(plot.Channel(0)->GetPointY(0), 7);
    EXPECT_TRUE(plot.Channel(1)->GetPointNull(0));
    EXPECT_TRUE(plot.Channel(2)->GetPointEmpty(0));
    EXPECT_EQ(plot.Channel(2)->GetPointX(0), 3);
    // Rows per channel continue from each channel's last X.
    plot.AddDataArray(2, TiPlotValueArray{{0, 0}, {1, 1}, {1, 2, 3, 4}});
    ASSERT_EQ(plot.Channel(0)->Count(), 3);
    EXPECT_EQ(plot.Channel(0)->GetPointX(2), 7);
    EXPECT_EQ(plot.Channel(0)->GetPointY(2), 2);
    EXPECT_EQ(plot.Channel(1)->GetPointY(2), 4);
    // One row for the first array, one per row of the second.
    EXPECT_EQ(plot.LogBufferCount(), 3);
    EXPECT_EQ(RaisedMessage([&] {
                  plot.AddDataArray(0, TiPlotValueArray{{0, 0, 0}, {0, 0, 0}, {1}});
              }),
              "Data Array must be 1 or 2 Dimensions");
    EXPECT_EQ(RaisedMessage([&] {
                  plot.AddDataArray(0, TiPlotValueArray{{0}, {3}, {1}});
              }),
              "Array bounds do not match its values");
    EXPECT_EQ(plot.LogBufferCount(), 3);
    EXPECT_EQ(RaisedMessage([&] {
                  plot.AddDataArray(0, TiPlotValueArray{{0}, {5}, {1, 2, 3, 4, 5, 6}});
              }),
              "List index out of bounds (3)");
}

TEST(PlotsTest, TransferCopiesPointsWithTheirFlags) {
    TiXYPlot plot(nullptr);
    plot.AddChannel();
    TiXYPlotChannel& source = *plot.Channel(0);
    source.AddXY(1, 2);
    source.AddNull();
    source.AddXY(3, 4);
    plot.TransferChannelData(0, 1, 1, 0);
    EXPECT_EQ(plot.Channel(1)->Count(), 0);
    plot.TransferChannelData(0, 1, 0, 2);
    ASSERT_EQ(plot.Channel(1)->Count(), 3);
    EXPECT_TRUE(plot.Channel(1)->GetPointNull(1));
    EXPECT_EQ(plot.Channel(1)->GetPointY(2), 4);
    EXPECT_EQ(RaisedMessage([&] { plot.TransferChannelData(0, 1, -1, 0); }),
              "Start Index Must be 0 or Greater");
    EXPECT_EQ(RaisedMessage([&] { plot.TransferChannelData(0, 1, 0, 3); }), "StopIndex Must Out Of Range");
}

TEST(PlotsTest, FormRoundTripWithTwoChannelsAndCustomAxes) {
    korvan::plot::RegisterPlotClasses();
    TiXYPlot plot(nullptr);
    plot.SetName("Plot1");
    plot.AddChannel();
    plot.Channel(1)->SetColor(clRed);
    plot.Channel(1)->SetMarkersVisible(true);
    plot.XAxis(0)->SetMinSpan(-100, 120);
    plot.YAxis(0)->SetName("Output");
    plot.Channel(0)->SetYAxisName("Output");
    const std::string text = korvan::forms::WriteComponentText(&plot);

    TiXYPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.ChannelCount(), 2) << text;
    EXPECT_EQ(read.Channel(1)->Color(), clRed);
    EXPECT_TRUE(read.Channel(1)->MarkersVisible());
    EXPECT_EQ(read.Channel(0)->YAxisName(), "Output");
    EXPECT_EQ(read.XAxis(0)->Min(), -100);
    EXPECT_EQ(read.LabelCount(), 1);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

} // namespace

namespace {

using korvan::testing::PlotPixel;

// Pixels of `color` inside the plot's data view.
int CountInDataView(const TiPlotComponent& plot, const QImage& image, TColor color) {
    const TRect dv = plot.DataViewRect();
    int count = 0;
    for (int y = dv.Top; y <= dv.Bottom; ++y)
        for (int x = dv.Left; x <= dv.Right; ++x)
            count += PlotPixel(image, x, y) == color;
    return count;
}

TEST(PlotsTest, PicturesOfAStripChartAndAnXYPlot) {
    TiPlot strip(nullptr);
    strip.SetBounds(0, 0, 500, 200);
    strip.SetTitleText("Strip chart");
    strip.Channel(0)->SetColor(clLime);
    strip.XAxis(0)->SetTrackingEnabled(false);
    strip.YAxis(0)->SetTrackingEnabled(false);
    strip.XAxis(0)->SetMinSpan(0, 100);
    strip.YAxis(0)->SetMinSpan(-1.5, 3);
    for (int i = 0; i <= 100; ++i)
        strip.Channel(0)->AddXY(i, std::sin(i / 8.0));
    const QImage stripPage = korvan::testing::PaintPlot(strip);
    korvan::testing::SavePng(stripPage, "plot_strip_chart");
    EXPECT_GT(CountInDataView(strip, stripPage, clLime), 100);

    TiXYPlot xy(nullptr);
    xy.SetBounds(0, 0, 500, 200);
    xy.SetTitleText("XY plot");
    xy.AddChannel();
    xy.Channel(0)->SetColor(clAqua);
    xy.Channel(1)->SetColor(clYellow);
    xy.Channel(1)->SetMarkersVisible(true);
    for (TiPlotAxis* axis : {static_cast<TiPlotAxis*>(xy.XAxis(0)), static_cast<TiPlotAxis*>(xy.YAxis(0))}) {
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(-1.2, 2.4);
    }
    for (int i = 0; i <= 64; ++i)
        xy.Channel(0)->AddXY(std::cos(i / 10.0), std::sin(i / 10.0));
    xy.Channel(1)->AddXY(0, 0);
    const QImage xyPage = korvan::testing::PaintPlot(xy);
    korvan::testing::SavePng(xyPage, "plot_xy_plot");
    EXPECT_GT(CountInDataView(xy, xyPage, clAqua), 100);
    EXPECT_GT(CountInDataView(xy, xyPage, clYellow), 4);
}

} // namespace
