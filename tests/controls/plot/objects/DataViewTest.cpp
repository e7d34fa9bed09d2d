// The data view: its settings and their stream, the percent conversions,
// the grid and frame it draws, and the mouse and keys of axes control and
// the zoom box.

#include "controls/plot/objects/PlotDataView.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "controls/plot/plots/PlotClasses.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/PlotObjectsTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

namespace kind = korvan::plot::kind;
using korvan::testing::Move;
using korvan::testing::Press;
using korvan::testing::Release;

class DataViewTest : public ::testing::Test, protected korvan::testing::LaidOutPlot {
protected:
    TiPlotDataView& view = *Object<TiPlotDataView>(kind::DataView);
    TiPlotToolBar& toolBar = *Object<TiPlotToolBar>(kind::ToolBar);
    TiPlotAxis& x = *plot.XAxis(0);
    TiPlotAxis& y = *plot.YAxis(0);
    TPoint Centre() const {
        const TRect r = view.DrawRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // Green polylines the data view draws on a recording canvas.
    int GreenLines() {
        korvan::gfx::RecordingCanvas canvas(500, 240);
        view.Draw(canvas, clBlack);
        int count = 0;
        for (const auto& call : canvas.CallsNamed("Polyline"))
            count += call.PenColor == clGreen;
        return count;
    }
};

TEST_F(DataViewTest, DefaultsAndTheirStreamRoundTrip) {
    EXPECT_EQ(view.Name(), "Data View 1");
    EXPECT_EQ(view.GridXAxisName(), "X-Axis 1");
    EXPECT_EQ(view.GridYAxisName(), "Y-Axis 1");
    EXPECT_TRUE(view.BackgroundTransparent());
    EXPECT_EQ(view.BackgroundColor(), clTeal);
    EXPECT_EQ(view.GridLineColor(), clGreen);
    EXPECT_TRUE(view.GridLineShow(TiPlotDataView::XMajor));
    EXPECT_FALSE(view.GridLineShow(TiPlotDataView::XMinor));
    EXPECT_FALSE(view.AxesControlEnabled());
    EXPECT_EQ(view.AxesControlMouseStyle(), ipacsBoth);
    EXPECT_EQ(view.AxesControlWheelStyle(), ipacsXAxis);
    EXPECT_EQ(view.GetAxesControlMode(), TiDataViewMode::None);

    korvan::plot::RegisterPlotClasses();
    plot.SetName("Plot1");
    view.SetTitle("Area");
    view.SetBackgroundTransparent(false);
    view.SetGridLineShowEdge(TiPlotDataView::EdgeTop, false);
    view.SetGridLineCustom(TiPlotDataView::YMinor, true);
    view.SetGridLineColor(TiPlotDataView::YMinor, clRed);
    view.SetGridLineWidth(TiPlotDataView::YMinor, 2);
    view.SetGridLineStyle(TiPlotDataView::YMinor, ipglsDot);
    view.SetAxesControlEnabled(true);
    view.SetAxesControlWheelStyle(ipacsBoth);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    EXPECT_NE(text.find("GridLineYMinorStyle = ipglsDot"), std::string::npos) << text;
    TiXYPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.DataViewCount(), 1);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
    auto* copy = dynamic_cast<TiPlotDataView*>(read.KindObject(kind::DataView, 0));
    EXPECT_EQ(copy->GridLinePen(TiPlotDataView::YMinor).Color, clRed);
    EXPECT_FALSE(copy->GridLineShowEdge(TiPlotDataView::EdgeTop));
    EXPECT_EQ(copy->AxesControlWheelStyle(), ipacsBoth);
}

TEST_F(DataViewTest, PercentConversionsAndAnEmptyRectangle) {
    view.SetDrawRect(TRect{10, 20, 210, 120});
    EXPECT_EQ(view.PositionPercentToPixelsX(50), 110);
    EXPECT_DOUBLE_EQ(view.PixelsXToPositionPercent(60), 25.0);
    EXPECT_EQ(view.PositionPercentToPixelsY(75), 45);
    EXPECT_DOUBLE_EQ(view.PixelsYToPositionPercent(45), 75.0);
    // A rectangle not laid out counts as one pixel: no division by zero.
    view.SetDrawRect(TRect{10, 20, 10, 20});
    EXPECT_TRUE(std::isfinite(view.PixelsXToPositionPercent(12)));
    EXPECT_TRUE(std::isfinite(view.PixelsYToPositionPercent(25)));
}

TEST_F(DataViewTest, GridOfTheNamedAxesAndTheFrame) {
    const int majors = GreenLines();
    EXPECT_GT(majors, 4);
    view.SetGridLineShow(TiPlotDataView::XMinor, true);
    EXPECT_GT(GreenLines(), majors);
    view.SetGridLineShow(TiPlotDataView::XMinor, false);
    // A name that matches no axis draws only the frame; "<all>" in any
    // case draws every axis.
    view.SetGridXAxisName("nowhere");
    view.SetGridYAxisName("nowhere");
    EXPECT_EQ(GreenLines(), 4);
    view.SetGridXAxisName("<aLL>");
    view.SetGridYAxisName("Y-Axis 1");
    EXPECT_EQ(GreenLines(), majors);

    korvan::gfx::RecordingCanvas canvas(500, 240);
    view.SetGridXAxisName("nowhere");
    view.SetGridYAxisName("nowhere");
    view.Draw(canvas, clBlack);
    const TRect r = view.DrawRect();
    const auto frame = canvas.CallsNamed("Polyline");
    ASSERT_EQ(frame.size(), 4u);
    EXPECT_EQ(frame[0].Args, (std::vector<int>{r.Left, r.Top, r.Left, r.Bottom}));
    EXPECT_EQ(frame[3].Args, (std::vector<int>{r.Left, r.Bottom, r.Right + 1, r.Bottom}));
    // Without the grid, nothing but the focus frame of a selected view.
    view.SetGridShow(false);
    EXPECT_EQ(GreenLines(), 0);
    view.SetUserSelected(true);
    canvas.Clear();
    view.Draw(canvas, clBlack);
    EXPECT_EQ(canvas.CallsNamed("Polyline").size(), 4u);
    EXPECT_EQ(canvas.CallsNamed("DrawFocusRect").size(), 1u);
}

TEST_F(DataViewTest, TheGridAxisFollowsItsRenameAndIsForgottenWhenItGoes) {
    ASSERT_EQ(view.GetGridXAxis(), plot.XAxis(0));
    plot.XAxis(0)->SetName("Input");
    EXPECT_EQ(view.GridXAxisName(), "Input");
    EXPECT_EQ(view.GetGridXAxis(), plot.XAxis(0));
    plot.DeleteXAxis(0);
    EXPECT_EQ(view.GetGridXAxis(), nullptr);
    // The frame and the Y grid are still drawn.
    EXPECT_GT(GreenLines(), 4);
}

TEST_F(DataViewTest, WithoutAxesControlInputLeavesTheAxesAlone) {
    const TPoint c = Centre();
    Press(view, c.X, c.Y);
    Move(view, c.X + 40, c.Y + 30);
    Release(view, c.X + 40, c.Y + 30);
    EXPECT_TRUE(view.iMouseWheel(120, 0, c) == false);
    EXPECT_EQ(x.Min(), 0);
    EXPECT_EQ(y.Min(), 0);
    view.GetMouseOverObject(c.X, c.Y);
    EXPECT_EQ(view.GetMouseCursor(c), crDefault);
}

TEST_F(DataViewTest, AxesControlDragsAndWheelsTheAxes) {
    view.SetAxesControlEnabled(true);
    view.GetMouseOverObject(Centre().X, Centre().Y);
    EXPECT_EQ(view.GetMouseCursor(Centre()), crHandPoint);
    const TPoint c = Centre();
    Press(view, c.X, c.Y);
    Move(view, c.X - 50, c.Y);
    Release(view, c.X - 50, c.Y);
    EXPECT_GT(x.Min(), 0);
    EXPECT_EQ(y.Min(), 0);

    // Wheel: X axes only, Y axes with Shift.
    const double xMin = x.Min();
    EXPECT_TRUE(view.iMouseWheel(120, 0, c));
    EXPECT_NE(x.Min(), xMin);
    EXPECT_EQ(y.Min(), 0);
    EXPECT_TRUE(view.iMouseWheel(120, ssShift, c));
    EXPECT_NE(y.Min(), 0);

    // Both directions with Shift held: 4 right and 2 down locks to X.
    bool shift = true;
    view.ShiftQuery = [&] { return shift; };
    const double xBefore = x.Min(), yBefore = y.Min();
    Press(view, c.X, c.Y);
    Move(view, c.X + 4, c.Y + 2);
    Move(view, c.X + 4, c.Y + 30);
    Release(view, c.X + 4, c.Y + 30);
    EXPECT_NE(x.Min(), xBefore);
    EXPECT_EQ(y.Min(), yBefore);
}

TEST_F(DataViewTest, ZoomBoxZoomsOnlyWhenDraggedRightAndDown) {
    toolBar.DoButtonClickZoomBox();
    ASSERT_EQ(view.GetAxesControlMode(), TiDataViewMode::ZoomBox);
    view.GetMouseOverObject(Centre().X, Centre().Y);
    EXPECT_EQ(view.GetMouseCursor(Centre()), crDrag);
    const TPoint c = Centre();
    struct Case {
        int dx, dy;
        bool zooms;
    };
    for (const Case& k : {Case{-30, -20, false}, Case{30, 0, false}, Case{30, 20, true}}) {
        x.SetMinSpan(0, 100);
        Press(view, c.X, c.Y);
        EXPECT_TRUE(view.ZoomBoxActive());
        Move(view, c.X + k.dx, c.Y + k.dy);
        Release(view, c.X + k.dx, c.Y + k.dy);
        EXPECT_FALSE(view.ZoomBoxActive());
        EXPECT_EQ(x.Span() < 100, k.zooms) << k.dx << "," << k.dy;
    }
    // The plot's handler may cancel the zoom.
    x.SetMinSpan(0, 100);
    plot.OnBeforeZoomBox = [](TRect&, bool& cancel) { cancel = true; };
    Press(view, c.X, c.Y);
    Move(view, c.X + 30, c.Y + 20);
    Release(view, c.X + 30, c.Y + 20);
    EXPECT_EQ(x.Span(), 100);
    // Escape ends a box being dragged.
    Press(view, c.X, c.Y);
    std::uint16_t key = 27;
    view.iKeyDown(key, 0, nullptr);
    EXPECT_FALSE(view.ZoomBoxActive());
}

TEST_F(DataViewTest, ARightDragBeyondFivePixelsStartsAZoomBoxWithoutPopup) {
    view.SetAxesControlEnabled(true);
    const TPoint c = Centre();
    Press(view, c.X, c.Y, mbRight);
    Move(view, c.X + 5, c.Y);
    EXPECT_FALSE(view.ZoomBoxActive());
    EXPECT_TRUE(view.MouseDownPopup());
    Move(view, c.X + 6, c.Y);
    EXPECT_TRUE(view.ZoomBoxActive());
    EXPECT_FALSE(view.MouseDownPopup());
    Release(view, c.X + 6, c.Y, mbRight);
    EXPECT_FALSE(view.ZoomBoxActive());
}

TEST_F(DataViewTest, ThePlotDrawsTheGridOfItsTransferCurveSettings) {
    plot.SetBackGroundColor(clBlack);
    const QImage page = Paint();
    korvan::testing::SavePng(page, "plot_data_view_grid");
    const TRect r = view.DrawRect();
    EXPECT_EQ(korvan::testing::PlotPixel(page, r.Left, (r.Top + r.Bottom) / 2), clGreen);
    EXPECT_EQ(korvan::testing::PlotPixel(page, (r.Left + r.Right) / 2, r.Bottom), clGreen);
}

} // namespace
