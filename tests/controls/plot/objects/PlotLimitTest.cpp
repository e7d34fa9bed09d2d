// Limits: defaults, streaming and the axis names, band elements, drawing of
// each style on the recording canvas, and dragging a line.

#include "controls/plot/objects/PlotLimit.h"
#include "controls/plot/plots/PlotClasses.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/OverlayTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::RaisedMessage;

class PlotLimitTest : public ::testing::Test {
protected:
    PlotLimitTest() {
        korvan::testing::PrepareOverlayPlot(plot);
        limit = static_cast<TiPlotLimit*>(plot.KindObject(korvan::plot::kind::Limit, plot.AddLimit()));
    }
    int X(double v) const { return plot.XAxis(0)->PositionToPixels(v); }
    int Y(double v) const { return plot.YAxis(0)->PositionToPixels(v); }
    std::vector<korvan::gfx::DrawCall> DrawnCalls() {
        korvan::gfx::RecordingCanvas canvas(500, 300);
        limit->Draw(canvas, clBlack);
        return canvas.Calls();
    }
    static std::vector<std::string> Ops(const std::vector<korvan::gfx::DrawCall>& calls) {
        std::vector<std::string> ops;
        for (const auto& c : calls)
            ops.push_back(c.Op);
        return ops;
    }

    TiPlot plot{nullptr};
    TiPlotLimit* limit = nullptr;
};

TEST_F(PlotLimitTest, ANewLimitHasItsDefaultsAndTheFirstAxes) {
    EXPECT_EQ(limit->Name(), "Limit 1");
    EXPECT_EQ(limit->XAxisName(), "X-Axis 1");
    EXPECT_EQ(limit->YAxisName(), "Y-Axis 1");
    EXPECT_EQ(limit->Color(), clRed);
    EXPECT_EQ(limit->Style(), iplsLineY);
    EXPECT_EQ(limit->Line1Position(), 50);
    EXPECT_EQ(limit->Line2Position(), 50);
    EXPECT_EQ(limit->LineWidth(), 0);
    EXPECT_EQ(limit->LineStyle(), psSolid);
    EXPECT_EQ(limit->FillStyle(), bsSolid);
    EXPECT_FALSE(limit->UserCanMove());
    EXPECT_TRUE(limit->SelectModeOnlyInteraction());
    EXPECT_FALSE(limit->ClipToAxes());
}

TEST_F(PlotLimitTest, LimitsStreamWithThePlotAndBothAxisNamesNotify) {
    korvan::plot::RegisterPlotClasses();
    plot.SetName("Plot1");
    limit->SetStyle(iplsBandX);
    limit->SetFillStyle(bsDiagCross);
    limit->SetLine1Position(20);
    limit->SetLine2Position(35.5);
    limit->SetUserCanMove(true);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    TiPlot read(nullptr);
    korvan::testing::PrepareOverlayPlot(read);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.LimitCount(), 1) << text;
    auto* copy = static_cast<TiPlotLimit*>(read.KindObject(korvan::plot::kind::Limit, 0));
    EXPECT_EQ(copy->Style(), iplsBandX);
    EXPECT_EQ(copy->FillStyle(), bsDiagCross);
    EXPECT_EQ(copy->Line2Position(), 35.5);
    EXPECT_TRUE(copy->UserCanMove());
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);

    int changes = 0;
    TiPlotObjectPtr<TiPlotLimit> lone(new TiPlotLimit(
        nullptr, [&](TObject*) { ++changes; }, nullptr, nullptr, nullptr));
    lone->SetXAxisName("A");
    lone->SetYAxisName("B");
    lone->SetYAxisName("B");
    EXPECT_EQ(changes, 2);
}

TEST_F(PlotLimitTest, BandElementsRefuseALowerLimitAboveTheUpper) {
    EXPECT_EQ(RaisedMessage([&] { limit->AddBandElement(5, 1, 2); }),
              "the Upper Limit must be greater than or equal to the Lower Limit");
    EXPECT_EQ(limit->ElementCount(), 0);
    limit->AddBandElement(5, 2, 2);
    EXPECT_EQ(limit->ElementCount(), 1);
    limit->ClearAllElements();
    EXPECT_EQ(limit->ElementCount(), 0);
}

TEST_F(PlotLimitTest, AreaLimitsAreFilledBandsAndPolygonBands) {
    const struct {
        TiPlotLimitStyle style;
        TBrushStyle fill;
        bool area;
    } cases[] = {{iplsLineX, bsSolid, false},   {iplsLineY, bsSolid, false}, {iplsBandX, bsSolid, true},
                 {iplsBandY, bsClear, false},   {iplsBandY, bsCross, true},  {iplsPolyBandX, bsClear, true},
                 {iplsPolyBandY, bsSolid, true}};
    for (const auto& c : cases) {
        limit->SetStyle(c.style);
        limit->SetFillStyle(c.fill);
        EXPECT_EQ(limit->IsAreaLimit(), c.area) << c.style << " " << c.fill;
    }
}

TEST_F(PlotLimitTest, LinesAreDrawnAcrossTheOtherAxisOnlyInsideTheirOwnRange) {
    limit->SetStyle(iplsLineX);
    limit->SetLine1Position(30);
    auto calls = DrawnCalls();
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"MoveTo", "LineTo"}));
    EXPECT_EQ(calls[1].Args, (std::vector<int>{X(30), Y(0), X(30), Y(100)}));
    EXPECT_EQ(calls[1].PenColor, clRed);
    ASSERT_TRUE(limit->Line1Show());
    EXPECT_EQ(limit->Line1ClickRect(), (TRect{X(30) - 5, Y(100), X(30) + 5, Y(0)}));

    limit->SetLine1Position(130);
    EXPECT_TRUE(DrawnCalls().empty());
    EXPECT_FALSE(limit->Line1Show());

    limit->SetStyle(iplsLineY);
    limit->SetLine1Position(40);
    calls = DrawnCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].Args, (std::vector<int>{X(0), Y(40), X(100), Y(40)}));

    limit->SetYAxisName("No such axis");
    EXPECT_TRUE(DrawnCalls().empty());
}

TEST_F(PlotLimitTest, BandsFillFrameOrOutlineByTheirFillStyle) {
    limit->SetStyle(iplsBandX);
    limit->SetLine1Position(60);
    limit->SetLine2Position(20);
    const TRect band{X(20), Y(100), X(60), Y(0)};
    auto calls = DrawnCalls();
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Rectangle"}));
    EXPECT_EQ(calls[0].Args, (std::vector<int>{band.Left, band.Top, band.Right, band.Bottom}));
    EXPECT_EQ(calls[0].BrushColor, clRed);
    EXPECT_TRUE(limit->Line1Show() && limit->Line2Show());

    limit->SetFillStyle(bsClear);
    EXPECT_EQ(Ops(DrawnCalls()), (std::vector<std::string>{"MoveTo", "LineTo", "MoveTo", "LineTo"}));
    limit->SetFillStyle(bsHorizontal);
    EXPECT_EQ(Ops(DrawnCalls()),
              (std::vector<std::string>{"Rectangle", "MoveTo", "LineTo", "MoveTo", "LineTo"}));

    limit->SetStyle(iplsBandY);
    limit->SetFillStyle(bsSolid);
    calls = DrawnCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Args, (std::vector<int>{X(0), Y(60), X(100), Y(20)}));
}

TEST_F(PlotLimitTest, PolygonBandsDrawOneQuadrilateralPerPairInsideTheRange) {
    limit->SetStyle(iplsPolyBandY);
    limit->AddBandElement(-20, 5, 1);
    limit->AddBandElement(-10, 6, 2);
    limit->AddBandElement(10, 70, 40);
    limit->AddBandElement(50, 80, 30);
    limit->AddBandElement(120, 90, 20);
    limit->AddBandElement(130, 90, 20);
    const auto calls = DrawnCalls();
    ASSERT_EQ(Ops(calls), (std::vector<std::string>{"Polygon", "Polygon", "Polygon"}));
    EXPECT_EQ(calls[1].Args, (std::vector<int>{X(10), Y(70), X(50), Y(80), X(50), Y(30), X(10), Y(40)}));
    EXPECT_FALSE(limit->Line1Show());

    limit->SetFillStyle(bsBDiagonal);
    EXPECT_EQ(DrawnCalls().size(), 3u * 5u);
}

TEST_F(PlotLimitTest, ALineIsDraggedOnlyWhenMovableAndOutsideSelectModeOnly) {
    limit->SetStyle(iplsLineX);
    limit->SetLine1Position(30);
    plot.ReCalcLayout();
    std::vector<std::tuple<int, double, double>> moves;
    plot.OnLimitLine1PositionChange = [&](int index, double oldValue, double newValue) {
        moves.emplace_back(index, oldValue, newValue);
    };
    int clicks = 0;
    plot.LimitEvents.OnClick = [&](int) { ++clicks; };
    const int y = Y(50);
    EXPECT_FALSE(limit->HitTest(X(30), y));
    limit->SetSelectModeOnlyInteraction(false);
    EXPECT_TRUE(limit->HitTest(X(30), y));
    EXPECT_EQ(limit->GetMouseCursor({X(30), y}), crDefault);

    korvan::testing::Drag(*limit, {X(30), y}, {X(70), y});
    EXPECT_EQ(limit->Line1Position(), 30) << "not movable";

    limit->SetUserCanMove(true);
    EXPECT_EQ(limit->GetMouseCursor({X(30), y}), crHandPoint);
    korvan::testing::Drag(*limit, {X(30) + 2, y}, {X(70) + 2, y});
    EXPECT_DOUBLE_EQ(limit->Line1Position(), plot.XAxis(0)->PixelsToPosition(X(70) + 2));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(std::get<1>(moves[0]), 30);
    limit->SetStyle(iplsBandX);
    plot.ReCalcLayout();
    EXPECT_EQ(limit->GetMouseCursor({X(30), y}), crSizeWE);
    const int x2 = X(limit->Line2Position());
    korvan::testing::Drag(*limit, {x2, y}, {x2, y});
    EXPECT_EQ(clicks, 1);
}

} // namespace
