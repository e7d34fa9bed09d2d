// The plot's layout pass and paint: rows shared along a side, the data
// view without side objects, labels across the plot width, cartesian axes
// without a reference, label measures and drawing, and a picture of a plot
// with axes and a title.

#include "controls/plot/component/PlotLayout.h"
#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotLabel.h"
#include "platform/gfx/ImageList.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using korvan::testing::PlotPixel;

class PlotLayoutTest : public ::testing::Test {
protected:
    // A plot paints only with a toolbar, a legend and a data view; hidden,
    // the first two take no room.
    PlotLayoutTest() {
        plot.AddToolBar();
        plot.AddLegend();
        plot.AddDataView();
        plot.KindObject(korvan::plot::kind::ToolBar, 0)->SetVisible(false);
        plot.KindObject(korvan::plot::kind::Legend, 0)->SetVisible(false);
    }

    TiPlotComponent plot{nullptr};
    TBitmap scratch{500, 200};

    // The box of the pixels in `color` inside `area`; empty when none.
    static TRect Painted(const QImage& image, TColor color, TRect area) {
        TRect box{area.Right, area.Bottom, area.Left, area.Top};
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (PlotPixel(image, x, y) == color) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box;
    }
};

TEST_F(PlotLayoutTest, WithoutSideObjectsTheDataViewFillsThePlot) {
    plot.SetBorderStyle(ibsNone);
    for (auto setter : {&TiPlotComponent::SetOuterMarginLeft, &TiPlotComponent::SetOuterMarginTop,
                        &TiPlotComponent::SetOuterMarginRight, &TiPlotComponent::SetOuterMarginBottom})
        (plot.*setter)(0);
    plot.ReCalcLayout();
    EXPECT_EQ(plot.DataViewRect(), (TRect{0, 0, 499, 199}));
    plot.SetBorderStyle(ibsLowered);
    plot.SetOuterMarginLeft(5);
    plot.ReCalcLayout();
    EXPECT_EQ(plot.DataViewRect(), (TRect{7, 2, 497, 197}));
}

TEST_F(PlotLayoutTest, TwoAxesInOneRowShareItsBandAndStackTheirTouchingEnds) {
    plot.AddXAxis();
    plot.AddYAxis();
    plot.AddYAxis();
    TiPlotYAxis* lower = plot.YAxis(0);
    TiPlotYAxis* upper = plot.YAxis(1);
    lower->SetStartStopPercent(0, 50);
    upper->SetStartStopPercent(50, 100);
    upper->SetZOrder(lower->ZOrder());
    plot.ReCalcLayout();
    EXPECT_EQ(lower->DrawRect().Left, upper->DrawRect().Left);
    EXPECT_EQ(lower->DrawRect().Right, upper->DrawRect().Right);
    EXPECT_FALSE(lower->StartStacked());
    EXPECT_TRUE(lower->StopStacked());
    EXPECT_TRUE(upper->StartStacked());
    EXPECT_FALSE(upper->StopStacked());
    EXPECT_LT(upper->DrawRect().Bottom, lower->DrawRect().Bottom);
    EXPECT_EQ(upper->DrawRect().Bottom, lower->DrawRect().Top);
}

TEST_F(PlotLayoutTest, LabelsSpanThePlotWidthAndCartesianChildrenNeedTheirReference) {
    plot.AddLabel();
    plot.Label(0)->SetZOrder(plot.DataViewZHorz() + 1);
    plot.AddXAxis();
    plot.AddYAxis();
    plot.XAxis(0)->SetCartesianStyle(ipcsChild);
    plot.XAxis(0)->SetCartesianChildRefAxisName("nowhere");
    plot.ReCalcLayout();
    const TRect title = plot.Label(0)->DrawRect();
    EXPECT_EQ(title.Left, 2 + 5);
    EXPECT_EQ(title.Right, 500 - 5);
    EXPECT_EQ(plot.XAxis(0)->DrawRect(), (TRect{0, 0, 0, 0}));
    // The title's row is above the data view's.
    EXPECT_LE(title.Bottom, plot.DataViewRect().Top);
}

TEST_F(PlotLayoutTest, ReversedAxesSwapWhichAxesBoundTheDataView) {
    plot.AddXAxis();
    plot.AddYAxis();
    plot.SetXYAxesReverse(true);
    plot.ReCalcLayout();
    const TRect dv = plot.DataViewRect();
    EXPECT_FALSE(plot.XAxis(0)->IsHorz());
    EXPECT_EQ(dv.Top, plot.XAxis(0)->ScaleRect().Top);
    EXPECT_EQ(dv.Bottom, plot.XAxis(0)->ScaleRect().Bottom);
    EXPECT_EQ(dv.Left, plot.YAxis(0)->ScaleRect().Left);
    EXPECT_EQ(dv.Right, plot.YAxis(0)->ScaleRect().Right);
    EXPECT_LT(plot.XAxis(0)->DrawRect().Right, dv.Right);
}

TEST_F(PlotLayoutTest, ALoneToolBarSitsAboveTheRoomTheVerticalAxesEndsNeed) {
    plot.AddXAxis();
    plot.AddYAxis();
    plot.ReCalcLayout();
    const int without = plot.DataViewRect().Top;
    const int ends = plot.YAxis(0)->GetRequiredEndsMargin(scratch.Canvas());
    ASSERT_GT(ends, 0);
    plot.DisableLayoutManager();
    auto* toolBar = static_cast<TiPlotLayoutObject*>(plot.KindObject(korvan::plot::kind::ToolBar, 0));
    toolBar->SetVisible(true);
    toolBar->SetHorizontal(true);
    toolBar->SetZOrder(plot.DataViewZHorz() + 1);
    plot.EnableLayoutManager();
    plot.ReCalcLayout();
    EXPECT_EQ(toolBar->DrawRect().Top, 2);
    EXPECT_EQ(plot.DataViewRect().Top, without + toolBar->GetRequiredWidth(scratch.Canvas()));
}

TEST_F(PlotLayoutTest, LabelMarginsCountInTheSizeOfZero) {
    plot.AddLabel();
    TiPlotLabel* label = plot.Label(0);
    label->SetMarginTop(1.0);
    label->SetMarginBottom(0.5);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(*label->Font());
    const int zero = canvas.TextHeight("0");
    const int caption = canvas.TextHeight(label->Caption());
    EXPECT_EQ(label->GetRequiredWidth(canvas), caption + zero + int(std::nearbyint(zero * 0.5)));
    label->SetCaption("");
    EXPECT_GE(label->GetRequiredWidth(canvas), zero + int(std::nearbyint(zero * 0.5)));
}

TEST_F(PlotLayoutTest, LabelShowsAListPictureOnlyForAnIndexInTheList) {
    plot.AddLabel();
    TiPlotLabel* label = plot.Label(0);
    label->SetFont(nullptr);
    label->SetDrawRect(TRect{0, 0, 200, 40});
    TBitmap picture(24, 24);
    picture.Canvas().Brush().SetColor(clRed);
    picture.Canvas().FillRect(TRect{0, 0, 24, 24});
    picture.Canvas().SetPixel(0, 23, clBlack);
    plot.ImageListAdd(1, picture);
    struct Case {
        int list, index;
        bool picture;
    };
    for (const Case& c : {Case{1, 0, true}, Case{3, 0, false}, Case{1, 1, false}, Case{1, -1, false}}) {
        TBitmap page(200, 40);
        page.Canvas().Brush().SetColor(clBlack);
        page.Canvas().FillRect(TRect{0, 0, 200, 40});
        label->SetImageListIndex(c.list);
        label->SetImageIndex(c.index);
        label->Draw(page.Canvas(), clBlack);
        EXPECT_EQ(Painted(page.Image(), clRed, TRect{0, 0, 200, 40}).Right > 0, c.picture)
            << c.list << c.index;
        EXPECT_EQ(Painted(page.Image(), clWhite, TRect{0, 0, 200, 40}).Right > 0, !c.picture)
            << c.list << c.index;
    }
}

TEST_F(PlotLayoutTest, AVerticalLabelAlignedLeftStartsNearTheBottom) {
    plot.AddLabel();
    TiPlotLabel* label = plot.Label(0);
    label->SetHorizontal(false);
    label->SetCaption("Out");
    label->SetDrawRect(TRect{0, 0, 30, 300});
    struct Case {
        TiAlignmentHorizontal alignment;
        int from, to;
    };
    for (const Case& c : {Case{iahLeft, 200, 300}, Case{iahCenter, 100, 200}, Case{iahRight, 0, 100}}) {
        TBitmap page(30, 300);
        page.Canvas().Brush().SetColor(clBlack);
        page.Canvas().FillRect(TRect{0, 0, 30, 300});
        label->SetAlignment(c.alignment);
        label->Draw(page.Canvas(), clBlack);
        const TRect text = Painted(page.Image(), clWhite, TRect{0, 0, 30, 300});
        EXPECT_GE(text.Top, c.from) << c.alignment;
        EXPECT_LE(text.Bottom, c.to) << c.alignment;
        EXPECT_GT(text.Bottom - text.Top, text.Right - text.Left) << "reads upward";
    }
}

TEST_F(PlotLayoutTest, PictureOfAPlotWithAxesAndATitle) {
    // Built as a plot class builds its default objects: rows given with
    // the layout manager off.
    plot.SetBounds(0, 0, 587, 230);
    plot.DisableLayoutManager();
    plot.AddXAxis();
    plot.AddYAxis();
    plot.AddLabel();
    plot.Label(0)->SetZOrder(2);
    plot.AddLabel();
    plot.EnableLayoutManager();
    plot.SetTitleText("Compressor transfer curve");
    for (TiPlotAxis* axis :
         {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
        axis->SetMinSpan(-100, 120);
        axis->SetDesiredIncrement(20);
        axis->SetTrackingEnabled(false);
        axis->SetAlignRefAxisName(axis->Name());
        axis->SetTitleShow(true);
    }
    plot.XAxis(0)->SetTitle("Input (dB)");
    plot.YAxis(0)->SetTitle("Output (dB)");
    plot.Label(1)->SetCaption("Gate");
    plot.Label(1)->SetHorizontal(false);
    plot.Label(1)->SetZOrder(3);
    plot.Label(1)->Font()->SetSize(9);
    plot.Label(1)->Font()->SetColor(clYellow);
    const QImage page = korvan::testing::PaintPlot(plot);
    korvan::testing::SavePng(page, "plot_component_axes_and_title");
    const TRect dv = plot.DataViewRect();
    EXPECT_EQ(dv.Left, plot.XAxis(0)->ScaleRect().Left);
    EXPECT_EQ(dv.Top, plot.YAxis(0)->ScaleRect().Top);
    EXPECT_LE(plot.Label(0)->DrawRect().Bottom, dv.Top);
    EXPECT_GE(plot.Label(1)->DrawRect().Left, dv.Right);
    EXPECT_GT(Painted(page, clWhite, plot.Label(0)->DrawRect()).Right, 0);
    EXPECT_GT(Painted(page, clYellow, plot.Label(1)->DrawRect()).Right, 0);
}

} // namespace
