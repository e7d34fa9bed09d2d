// Annotations: defaults and the plot's annotation defaults, coordinate
// references, each style's placement on the recording canvas, hit tests,
// and moving and resizing with the mouse.

#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/OverlayTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

class PlotAnnotationTest : public ::testing::Test {
protected:
    PlotAnnotationTest() {
        korvan::testing::PrepareOverlayPlot(plot);
        note = static_cast<TiPlotAnnotation*>(
            plot.KindObject(korvan::plot::kind::Annotation, plot.AddAnnotation()));
        note->SetSelectModeOnlyInteraction(false);
        view = plot.DataViewRect();
    }
    std::vector<korvan::gfx::DrawCall> Drawn(const std::string& op) {
        canvas.Clear();
        note->Draw(canvas, clBlack);
        return canvas.CallsNamed(op);
    }
    TPoint Centre() const { return {(view.Left + view.Right) / 2, (view.Top + view.Bottom) / 2}; }

    TiXYPlot plot{nullptr};
    TiPlotAnnotation* note = nullptr;
    TRect view{};
    korvan::gfx::RecordingCanvas canvas{500, 300};
};

TEST_F(PlotAnnotationTest, ANewAnnotationTakesThePlotsDefaultsAndStaysUnnamed) {
    TiPlotObjectPtr<TiPlotAnnotation> lone(new TiPlotAnnotation(nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(lone->Style(), ipasText);
    EXPECT_EQ(lone->Reference(), iprtDataView);
    EXPECT_EQ(lone->ReferenceSizeY(), ipriAuto);
    EXPECT_EQ(lone->PenWidth(), 0);
    EXPECT_EQ(lone->PenColor(), clWhite);
    EXPECT_EQ(lone->Font()->Name(), "Arial");
    EXPECT_EQ(lone->TextHorzMargin(), 1.0);
    EXPECT_TRUE(lone->ShowFocusRect());
    EXPECT_TRUE(lone->SelectModeOnlyInteraction());

    plot.SetAnnotationDefaultPenWidth(3);
    plot.SetAnnotationDefaultReference(iprtXChannelYDataView);
    plot.AnnotationDefaultFont()->SetSize(17);
    auto* made =
        static_cast<TiPlotAnnotation*>(plot.KindObject(korvan::plot::kind::Annotation, plot.AddAnnotation()));
    EXPECT_EQ(made->Name(), "");
    EXPECT_EQ(made->PenWidth(), 3);
    EXPECT_EQ(made->Reference(), iprtXChannelYDataView);
    EXPECT_EQ(made->Font()->Size(), 17);

    int changes = 0;
    TiPlotObjectPtr<TiPlotAnnotation> counted(new TiPlotAnnotation(
        nullptr, [&](TObject*) { ++changes; }, nullptr, nullptr, nullptr));
    counted->PolyPointAdd(1, 2);
    EXPECT_EQ(counted->PolyPointsCount(), 1);
    EXPECT_EQ(changes, 0) << "adding a polygon point does not repaint";
}

TEST_F(PlotAnnotationTest, ReferencesMixChannelUnitsAndDataViewPercent) {
    plot.XAxis(0)->SetMinSpan(-10, 20);
    plot.ReCalcLayout();
    note->SetChannelName("Channel 1");
    note->SetReference(iprtXChannelYDataView);
    EXPECT_EQ(note->PositionXToPixels(5), plot.XAxis(0)->PositionToPixels(5));
    int middle = 0;
    plot.DataViewPercentToPixelsY(50, middle);
    EXPECT_EQ(note->PositionYToPixels(50), middle);
    EXPECT_EQ(note->SizeXToPixels(10),
              std::abs(plot.XAxis(0)->PositionToPixels(0) - plot.XAxis(0)->PositionToPixels(-10)));
    note->SetReferencePositionY(ipriChannel);
    EXPECT_EQ(note->PositionYToPixels(50), plot.YAxis(0)->PositionToPixels(50));
    note->SetReference(iprtDataView);
    note->SetReferencePositionY(ipriAuto);
    EXPECT_EQ(note->PositionXToPixels(0), view.Left);
    EXPECT_EQ(note->PositionXToPixels(100), view.Right);
    EXPECT_NEAR(note->PixelsXToPosition(view.Right), 100, 1e-9);

    // A channel reference to no channel draws nothing and is never hit.
    note->SetReference(iprtChannel);
    note->SetChannelName("Nothing");
    note->SetText("Hidden");
    note->SetX(5);
    EXPECT_TRUE(Drawn("DrawText").empty());
    EXPECT_FALSE(note->Showing());
    EXPECT_FALSE(note->HitTest(Centre().X, Centre().Y));
}

TEST_F(PlotAnnotationTest, TextIsPlacedByItsAlignmentAndABoxAddsItsMargin) {
    note->SetText("Peak");
    note->SetX(50);
    note->SetY(50);
    const TPoint anchor{note->PositionXToPixels(50), note->PositionYToPixels(50)};
    canvas.Font().Assign(*note->Font());
    const int aw = canvas.TextExtent("A").cx;
    const int tw = korvan::plot::MultiLineTextWidth(canvas, "Peak");
    const int th = korvan::plot::GetTextHeight(canvas, "Peak");
    ASSERT_EQ(Drawn("DrawText").size(), 1u);
    EXPECT_EQ(note->ClickRect(),
              (TRect{anchor.X - tw / 2, anchor.Y - th / 2, anchor.X - tw / 2 + tw, anchor.Y - th / 2 + th}));
    note->SetTextHorzAlignment(iahLeft);
    Drawn("DrawText");
    EXPECT_EQ(note->ClickRect().Left, anchor.X + aw);
    EXPECT_TRUE(note->HitTest(anchor.X + aw + 1, anchor.Y));

    note->SetTextHorzAlignment(iahCenter);
    note->SetStyle(ipasTextBox);
    note->SetOuterMargin(4);
    ASSERT_EQ(Drawn("Rectangle").size(), 1u);
    EXPECT_EQ(note->ClickRect().Width(), tw + 8);
    EXPECT_EQ(note->ClickRect().Height(), th + 8);

    note->SetX(500);
    EXPECT_TRUE(Drawn("Rectangle").empty());
    EXPECT_FALSE(note->Showing());
    EXPECT_FALSE(note->HitTest(anchor.X, anchor.Y));
}

TEST_F(PlotAnnotationTest, ShapesLinesAndPicturesLeaveTheirRectangles) {
    note->SetStyle(ipasRectangle);
    note->SetX(50);
    note->SetY(50);
    note->SetWidth(20);
    note->SetHeight(40);
    const int px = note->PositionXToPixels(50), py = note->PositionYToPixels(50);
    const int hw = note->SizeXToPixels(20) / 2, hh = note->SizeYToPixels(40) / 2;
    const auto rects = Drawn("Rectangle");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Args, (std::vector<int>{px - hw, py - hh, px + hw, py + hh}));
    EXPECT_TRUE(Drawn("StretchBlt").empty()) << "no focus mark while not selected";
    note->SetUserSelected(true);
    const auto handles = Drawn("StretchBlt");
    ASSERT_EQ(handles.size(), 4u);
    EXPECT_EQ(handles[0].Args[0], px - hw - 3);
    EXPECT_EQ(handles[0].Args[2], 6);
    EXPECT_EQ(handles[0].Args[3], 6);

    note->SetStyle(ipasEllipse);
    note->SetX2(70);
    note->SetY2(10);
    ASSERT_EQ(Drawn("Ellipse").size(), 1u);
    EXPECT_EQ(note->DrawRect(), (TRect{px, py, note->PositionXToPixels(70), note->PositionYToPixels(10)}));

    note->SetStyle(ipasLine);
    EXPECT_EQ(Drawn("LineTo").size(), 1u);
    EXPECT_FALSE(note->Showing()) << "a free line is never hit";

    note->SetStyle(ipasLineX);
    const auto lines = Drawn("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args, (std::vector<int>{px, view.Top, px, view.Bottom}));
    EXPECT_TRUE(note->HitTest(px + 4, py));

    note->SetStyle(ipasImage);
    TBitmap picture(20, 10);
    note->SetImage(&picture);
    const TPoint centre = Centre();
    note->SetX(note->PixelsXToPosition(centre.X));
    note->SetY(note->PixelsYToPosition(centre.Y));
    Drawn("StretchBlt");
    EXPECT_EQ(note->ClickRect(), (TRect{centre.X - 10, centre.Y - 5, centre.X + 10, centre.Y + 5}));

    note->SetStyle(ipasPolygon);
    note->PolyPointAdd(10, 10);
    EXPECT_TRUE(Drawn("Polygon").empty()) << "one point is no polygon";
    note->PolyPointAdd(30, 60);
    note->PolyPointAdd(60, 20);
    ASSERT_EQ(Drawn("Polygon").size(), 1u);
    EXPECT_EQ(note->DrawRect().Left, note->PositionXToPixels(10));
}

TEST_F(PlotAnnotationTest, MovingKeepsTheSizeAndCornersResize) {
    note->SetStyle(ipasRectangle2);
    note->SetX(20);
    note->SetY(80);
    note->SetX2(40);
    note->SetY2(60);
    note->SetUserCanMove(true);
    note->SetUserSelected(true);
    int moves = 0, finished = 0;
    plot.OnAnnotationMoveUser = [&](int) { ++moves; };
    plot.OnAnnotationCoordinatesChangeFinished = [&](int) { ++finished; };
    Drawn("Rectangle");
    const TPoint from{note->PositionXToPixels(30), note->PositionYToPixels(70)};
    const TPoint to{note->PositionXToPixels(50), note->PositionYToPixels(30)};
    korvan::testing::Drag(*note, from, to);
    EXPECT_NEAR(note->X(), 40, 0.5);
    EXPECT_NEAR(note->Y(), 40, 0.5);
    EXPECT_NEAR(note->X2() - note->X(), 20, 1e-9);
    EXPECT_NEAR(note->Y() - note->Y2(), 20, 1e-9);
    EXPECT_GT(moves, 0);
    EXPECT_EQ(finished, 1);

    note->SetStyle(ipasRectangle);
    note->SetX(50);
    note->SetY(50);
    note->SetWidth(20);
    note->SetHeight(20);
    Drawn("Rectangle");
    korvan::testing::Drag(*note, Centre(), {Centre().X + 30, Centre().Y});
    EXPECT_EQ(note->Width(), 20);
    EXPECT_GT(note->X(), 50);

    // Sizing only: a press off the handles changes nothing, but clicks.
    note->SetUserCanMove(false);
    note->SetUserCanSize(true);
    int clicks = 0;
    plot.AnnotationEvents.OnClick = [&](int) { ++clicks; };
    Drawn("Rectangle");
    const double x = note->X();
    const TRect drawn = note->DrawRect();
    korvan::testing::Drag(*note, {(drawn.Left + drawn.Right) / 2, (drawn.Top + drawn.Bottom) / 2},
                          {drawn.Right + 40, (drawn.Top + drawn.Bottom) / 2});
    EXPECT_EQ(note->X(), x);
    EXPECT_EQ(clicks, 0) << "released off the annotation";
    korvan::testing::Drag(*note, {drawn.Left + 5, drawn.Top + 5}, {drawn.Left + 5, drawn.Top + 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(note->GetMouseCursor({drawn.Right, drawn.Bottom}), crSizeNWSE);
    korvan::testing::Drag(*note, {drawn.Right, drawn.Bottom}, {drawn.Right + 20, drawn.Bottom});
    EXPECT_NEAR(note->Width(),
                20 + note->PixelsXToPosition(view.Left + 20) - note->PixelsXToPosition(view.Left), 0.5);
}

} // namespace
