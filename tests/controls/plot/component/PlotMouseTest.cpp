// The plot's mouse and keys, scripted through the window: selection,
// presses and drags reaching the pressed or the selected objects, axis
// scrolling by drag, wheel and arrow keys, an axis' input repeated on the
// others of its direction, the popup, the delayed hint on the driven clock,
// the data view's zoom box and a real channel's points in select mode.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/objects/PlotDataView.h"
#include "controls/plot/objects/PlotLimit.h"
#include "controls/plot/objects/PlotTable.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// A channel that answers the mouse inside a fixed area, asks for a hint
// there and logs what reaches it.
class ProbeChannel : public TiXYPlotChannel {
public:
    using TiXYPlotChannel::TiXYPlotChannel;
    TRect area{};
    std::string hint = "probe";
    std::vector<std::string> log;

    bool DoHitTest(const TiPlotMouseData& d) override { return area.Contains(Point(d.X, d.Y)); }
    void DoMouseHint(TiPlotMouseData& d, TiHintData& h) override {
        h.Text = hint;
        h.Left = d.X;
        h.Top = d.Y + 12;
        h.Width = 50;
        h.Height = 16;
    }
    void DoMouseLeft(TiPlotMouseData& d) override { log.push_back("down " + Where(d)); }
    void DoMouseRight(TiPlotMouseData& d) override { log.push_back("right " + Where(d)); }
    void DoMouseMove(TiPlotMouseData& d) override { log.push_back("drag " + Where(d)); }
    void DoMouseUp(TiPlotMouseData& d) override {
        if (MouseIsDown())
            log.push_back("up " + Where(d));
    }
    void DoMouseNotOver() override { log.push_back("left it"); }

protected:
    ~ProbeChannel() override = default;

private:
    static std::string Where(const TiPlotMouseData& d) {
        return std::to_string(d.X) + "," + std::to_string(d.Y);
    }
};

class PlotMouse : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 460, 300);
        plot = new TiXYPlot(form.get());
        plot->SetParent(form.get());
        plot->SetBounds(0, 0, 420, 260);
        plot->ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<ProbeChannel>());
        plot->AddChannel();
        probe = static_cast<ProbeChannel*>(plot->Channel(1));
        ShowForm(form.get());
        Repaint();
        const TRect view = plot->DataViewRect();
        probe->area = TRect{view.Left + 40, view.Top + 40, view.Left + 80, view.Top + 80};
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // Paints as the window does, which lays the objects out.
    void Repaint() {
        plot->RepaintNow();
        ProcessEvents();
    }
    void Wait(korvan::sys::Millis ms) {
        AdvanceTimers(ms);
        ProcessEvents();
    }
    static TPoint Middle(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
    TPoint YAxisPoint(int index) const { return Middle(plot->YAxis(index)->FocusRect()); }
    TPoint XAxisPoint() const { return Middle(plot->XAxis(0)->FocusRect()); }
    TPoint ProbePoint() const { return Middle(probe->area); }
    void Click(TPoint p, TMouseButton button = mbLeft, TShiftState shift = 0) {
        input.MouseDown(plot, p.X, p.Y, button, shift);
        input.MouseUp(plot, p.X, p.Y, button, shift);
    }
    void Drag(TPoint from, TPoint to) {
        input.MouseDown(plot, from.X, from.Y);
        input.MouseMove(plot, (from.X + to.X) / 2, (from.Y + to.Y) / 2, ssLeft);
        input.MouseMove(plot, to.X, to.Y, ssLeft);
        input.MouseUp(plot, to.X, to.Y);
    }

    // A click on a button of toolbar 0, through the window.
    void ClickToolBar(TiPlotToolBarButtonType type) {
        auto* toolBar = dynamic_cast<TiPlotToolBar*>(plot->KindObject(korvan::plot::kind::ToolBar, 0));
        ASSERT_NE(toolBar, nullptr);
        Click(Middle(toolBar->Button(type)->DrawRect()));
    }
    void DragWith(TMouseButton button, TPoint from, TPoint to) {
        const TShiftState held = button == mbLeft ? ssLeft : ssRight;
        input.MouseDown(plot, from.X, from.Y, button);
        input.MouseMove(plot, (from.X + to.X) / 2, (from.Y + to.Y) / 2, held);
        input.MouseMove(plot, to.X, to.Y, held);
        input.MouseUp(plot, to.X, to.Y, button);
    }

    std::unique_ptr<TForm> form;
    TiXYPlot* plot = nullptr;
    ProbeChannel* probe = nullptr;
};

TEST_F(PlotMouse, PressesSelectObjectsShiftAndCtrlKeepOthersAndTheRightButtonClears) {
    TiPlotObject* y = plot->YAxis(0);
    TiPlotObject* x = plot->XAxis(0);
    Click(YAxisPoint(0));
    EXPECT_TRUE(y->UserSelected());
    EXPECT_EQ(plot->LastMouseClickObject(), y);
    // Ctrl on an axis toggles it; on another object it only selects.
    Click(XAxisPoint(), mbLeft, ssCtrl);
    EXPECT_TRUE(x->UserSelected());
    Click(XAxisPoint(), mbLeft, ssCtrl);
    EXPECT_FALSE(x->UserSelected());
    Click(ProbePoint(), mbLeft, ssCtrl);
    Click(ProbePoint(), mbLeft, ssCtrl);
    EXPECT_TRUE(probe->UserSelected());
    // A press on empty space clears every selection, whatever the button.
    for (TMouseButton button : {mbLeft, mbRight}) {
        Click(YAxisPoint(0));
        ASSERT_TRUE(y->UserSelected());
        Click(Point(plot->Width() - 2, plot->Height() - 2), button);
        EXPECT_FALSE(y->UserSelected()) << button;
        EXPECT_FALSE(probe->UserSelected()) << button;
        EXPECT_EQ(plot->LastMouseClickObject(), nullptr);
    }
    // The hit test finds the selected object first, and nothing outside.
    EXPECT_EQ(plot->FindObjectAt(ProbePoint().X, ProbePoint().Y), probe);
    EXPECT_EQ(plot->FindObjectAt(-5, -5), nullptr);
}

TEST_F(PlotMouse, ThePressedObjectGetsTheDragAndReleaseAndHoveringReleasesNothing) {
    const TPoint p = ProbePoint();
    Drag(p, Point(p.X + 30, p.Y + 10));
    const std::vector<std::string> expected{
        "down " + std::to_string(p.X) + "," + std::to_string(p.Y),
        "drag " + std::to_string(p.X + 15) + "," + std::to_string(p.Y + 5),
        "drag " + std::to_string(p.X + 30) + "," + std::to_string(p.Y + 10),
        "up " + std::to_string(p.X + 30) + "," + std::to_string(p.Y + 10)};
    EXPECT_EQ(probe->log, expected);
    EXPECT_EQ(plot->MouseDownObject(), nullptr);
    // Moving over it and away tells it the mouse left, and no release
    // without its own press reaches it as one.
    probe->log.clear();
    input.MouseMove(plot, p.X, p.Y);
    input.MouseMove(plot, 2, plot->Height() - 2);
    input.MouseMove(plot, p.X, p.Y);
    input.MouseMove(plot, XAxisPoint().X, XAxisPoint().Y);
    EXPECT_EQ(probe->log, std::vector<std::string>({"left it", "left it"}));
}

TEST_F(PlotMouse, DraggingTheWheelAndTheArrowKeysScrollTheSelectedAxis) {
    TiPlotYAxis* y = plot->YAxis(0);
    TiPlotXAxis* x = plot->XAxis(0);
    const double yMin = y->Min(), xMin = x->Min();
    // Dragging up by a fifth of the scale scrolls the axis down by a fifth
    // of its span.
    const TRect scale = y->ScaleRect();
    const int fifth = (scale.Bottom - scale.Top) / 5;
    const TPoint at = YAxisPoint(0);
    Drag(at, Point(at.X, at.Y - fifth));
    EXPECT_NEAR(y->Min(), yMin - y->Span() * fifth / (scale.Bottom - scale.Top), y->Span() / 100);
    EXPECT_DOUBLE_EQ(x->Min(), xMin);
    // The wheel and the keys go to the selected axis only.
    const double dragged = y->Min();
    input.Wheel(plot, at.X, at.Y, 120);
    EXPECT_NE(y->Min(), dragged);
    const double wheeled = y->Min();
    EXPECT_TRUE(plot->WantSpecialKey(VK_UP));
    EXPECT_TRUE(plot->WantSpecialKey(VK_LEFT));
    EXPECT_FALSE(plot->WantSpecialKey(VK_TAB));
    input.Key(plot, VK_UP);
    EXPECT_NE(y->Min(), wheeled);
    EXPECT_DOUBLE_EQ(x->Min(), xMin);
}

TEST_F(PlotMouse, AnAxisThatRepeatsItsInputMovesEveryOtherAxisOfItsDirectionOnce) {
    plot->AddYAxis();
    plot->AddXAxis();
    Repaint();
    for (int i = 0; i < 2; ++i)
        plot->YAxis(i)->SetMasterUIInput(true);
    const double xMin = plot->XAxis(1)->Min();
    const TPoint at = YAxisPoint(0);
    Drag(at, Point(at.X, at.Y - 20));
    const double moved = plot->YAxis(0)->Min();
    EXPECT_LT(moved, 0);
    // Both Y axes have the same scale length, so the repeated drag moves
    // the other one just as far, once.
    EXPECT_DOUBLE_EQ(plot->YAxis(1)->Min(), moved);
    EXPECT_DOUBLE_EQ(plot->XAxis(1)->Min(), xMin);
    // The wheel is repeated too.
    input.Wheel(plot, at.X, at.Y, -120);
    EXPECT_DOUBLE_EQ(plot->YAxis(1)->Min(), plot->YAxis(0)->Min());
    EXPECT_DOUBLE_EQ(plot->YAxis(1)->Span(), plot->YAxis(0)->Span());
}

TEST_F(PlotMouse, TheRightButtonOpensTheObjectsPopupUnlessItsEventCancels) {
    int popups = 0, events = 0;
    plot->PopupMenu()->OnPopup = [&](TObject*) { ++popups; };
    plot->YAxisEvents.OnPopupMenu = [&](int index, bool& cancel, int, int) {
        EXPECT_EQ(index, 0);
        cancel = ++events == 2;
    };
    Click(YAxisPoint(0), mbRight);
    EXPECT_EQ(popups, 1);
    EXPECT_GT(plot->PopupMenu()->Items()->Count(), 0);
    EXPECT_FALSE(plot->MouseCapture());
    Click(YAxisPoint(0), mbRight);
    EXPECT_EQ(events, 2);
    EXPECT_EQ(popups, 1);
}

TEST_F(PlotMouse, AHintShowsAfterTheMouseRestsAndGoesAfterItsTime) {
    const TPoint p = ProbePoint();
    input.MouseMove(plot, p.X, p.Y);
    EXPECT_TRUE(plot->GetTimerActive());
    Wait(plot->HintsPause() - 100);
    // Every move starts the delay again; a move repeated where the mouse
    // already is does not.
    input.MouseMove(plot, p.X + 1, p.Y);
    Wait(plot->HintsPause() - 100);
    input.MouseMove(plot, p.X + 1, p.Y);
    EXPECT_FALSE(plot->HintData().Visible);
    Wait(100);
    ASSERT_TRUE(plot->HintData().Visible);
    EXPECT_EQ(plot->HintData().Text, "probe");
    EXPECT_TRUE(plot->HintShowing());
    EXPECT_TRUE(plot->MouseCapture());
    const QImage shown = korvan::testing::PaintPlot(*plot);
    korvan::testing::SavePng(shown, "plot_hint_over_channel");
    EXPECT_EQ(korvan::testing::PlotPixel(shown, plot->HintData().Left + 2, plot->HintData().Top + 2),
              ColorToRGB(clInfoBk));
    // Over a channel the hint stays up while the mouse moves over it, for
    // its full time after the last move.
    Wait(plot->HintsHidePause() - 100);
    input.MouseMove(plot, p.X + 2, p.Y);
    Wait(plot->HintsHidePause() - 100);
    EXPECT_TRUE(plot->HintData().Visible);
    Wait(100);
    EXPECT_FALSE(plot->HintData().Visible);
    EXPECT_FALSE(plot->HintShowing());
    EXPECT_FALSE(plot->MouseCapture());
    // Back on the same object near where it showed: no new delay.
    input.MouseMove(plot, p.X + 2, p.Y + 2);
    EXPECT_FALSE(plot->GetTimerActive());
}

TEST_F(PlotMouse, AnAxisHintGoesOnTheNextMoveAndNoHintRunsWithHintsOff) {
    TiPlotYAxis* y = plot->YAxis(0);
    y->SetTitle("Level");
    y->SetTitleShow(false);
    const TPoint at = YAxisPoint(0);
    input.MouseMove(plot, at.X, at.Y);
    Wait(plot->HintsPause());
    ASSERT_TRUE(plot->HintData().Visible);
    EXPECT_EQ(plot->HintData().Text, "Level");
    input.MouseMove(plot, at.X, at.Y + 1);
    EXPECT_FALSE(plot->HintData().Visible);
    EXPECT_FALSE(plot->GetTimerActive());
    // A press hides a pending hint as well.
    input.MouseMove(plot, ProbePoint().X, ProbePoint().Y);
    EXPECT_TRUE(plot->GetTimerActive());
    input.MouseDown(plot, ProbePoint().X, ProbePoint().Y);
    EXPECT_FALSE(plot->GetTimerActive());
    input.MouseUp(plot, ProbePoint().X, ProbePoint().Y);

    plot->SetHintsShow(false);
    for (TPoint p : {at, ProbePoint(), Point(at.X, at.Y + 3)}) {
        input.MouseMove(plot, p.X, p.Y);
        EXPECT_FALSE(plot->GetTimerActive());
    }
}

TEST_F(PlotMouse, AnObjectThatGoesIsForgottenByTheMouse) {
    const TPoint p = ProbePoint();
    input.MouseMove(plot, p.X, p.Y);
    input.MouseDown(plot, p.X, p.Y);
    ASSERT_EQ(plot->MouseDownObject(), probe);
    plot->DeleteChannel(1);
    EXPECT_EQ(plot->MouseDownObject(), nullptr);
    EXPECT_EQ(plot->LastMouseOverObject(), nullptr);
    input.MouseMove(plot, p.X + 5, p.Y, ssLeft);
    input.MouseUp(plot, p.X + 5, p.Y);
    input.MouseMove(plot, p.X, p.Y);
    EXPECT_EQ(plot->LastMouseClickObject(), nullptr);
}

TEST_F(PlotMouse, LosingTheCaptureHidesTheHintAndLeavesTheObject) {
    const TPoint p = ProbePoint();
    input.MouseMove(plot, p.X, p.Y);
    Wait(plot->HintsPause());
    ASSERT_TRUE(plot->HintShowing());
    probe->log.clear();
    plot->MouseCaptureChanged(form.get());
    ProcessEvents();
    EXPECT_FALSE(plot->HintData().Visible);
    EXPECT_FALSE(plot->HintShowing());
    EXPECT_TRUE(plot->JustReleasedCapture());
    EXPECT_EQ(probe->log, std::vector<std::string>{"left it"});
    EXPECT_EQ(plot->LastMouseOverObject(), nullptr);
}

// The plot holds the capture while its hint shows and while the right
// button is down; when the desktop takes the mouse away (another window
// becomes active, a popup menu drops down) the plot hears it through the
// window and drops the hint and the object under the mouse.
TEST_F(PlotMouse, TheDesktopTakingTheMouseHidesTheHintAndLeavesTheObject) {
    TForm other(nullptr);
    other.SetBounds(600, 0, 120, 80);
    const TPoint p = ProbePoint();
    input.MouseMove(plot, p.X, p.Y);
    Wait(plot->HintsPause());
    ASSERT_TRUE(plot->HintShowing());
    ASSERT_TRUE(plot->MouseCapture());
    probe->log.clear();
    ShowForm(&other);
    EXPECT_FALSE(plot->MouseCapture());
    EXPECT_FALSE(plot->HintData().Visible);
    EXPECT_FALSE(plot->HintShowing());
    EXPECT_FALSE(plot->GetTimerActive());
    EXPECT_TRUE(plot->JustReleasedCapture());
    EXPECT_EQ(plot->CaptureWindow(), nullptr);
    EXPECT_EQ(probe->log, std::vector<std::string>{"left it"});
    EXPECT_EQ(plot->LastMouseOverObject(), nullptr);

    other.Hide();
    ShowForm(form.get());
    auto* menu = new TPopupMenu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("Copy");
    menu->Items()->Add(item);
    input.MouseMove(plot, p.X + 1, p.Y);
    input.MouseDown(plot, p.X + 1, p.Y, mbRight);
    ASSERT_TRUE(plot->MouseCapture());
    probe->log.clear();
    menu->Popup(10, 10);
    ProcessEvents();
    EXPECT_FALSE(plot->MouseCapture());
    EXPECT_EQ(probe->log, std::vector<std::string>{"left it"});
    EXPECT_EQ(plot->LastMouseOverObject(), nullptr);
    menu->ShownMenu()->close();
}

// Both ways of drawing a zoom box: a left drag in the toolbar's zoom-box
// mode, and a right drag of more than 5 pixels in the axes mode.
TEST_F(PlotMouse, AZoomBoxDrawnThroughTheWindowZoomsBothAxesToIt) {
    const TRect view = plot->DataViewRect();
    const TPoint from = Point(view.Left + 100, view.Top + 20), to = Point(view.Left + 200, view.Top + 100);
    auto* dataView = dynamic_cast<TiPlotDataView*>(plot->KindObject(korvan::plot::kind::DataView, 0));
    ASSERT_NE(dataView, nullptr);
    dataView->SetAxesControlEnabled(true);
    std::vector<TRect> boxes;
    plot->OnBeforeZoomBox = [&](TRect& r, bool&) { boxes.push_back(r); };
    for (TMouseButton button : {mbLeft, mbRight}) {
        SCOPED_TRACE(button);
        for (TiPlotAxis* axis :
             {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))})
            axis->SetMinSpan(0, 100);
        Repaint();
        const double xMin = plot->XAxis(0)->PixelsToPosition(from.X),
                     xMax = plot->XAxis(0)->PixelsToPosition(to.X);
        const double yMin = plot->YAxis(0)->PixelsToPosition(to.Y),
                     yMax = plot->YAxis(0)->PixelsToPosition(from.Y);
        // The zoom-box button toggles: on for the left drag, off again for
        // the right one.
        ClickToolBar(iptbbtZoomBox);
        boxes.clear();
        DragWith(button, from, to);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], (TRect{from.X, from.Y, to.X, to.Y}));
        EXPECT_DOUBLE_EQ(plot->XAxis(0)->Min(), xMin);
        EXPECT_DOUBLE_EQ(plot->XAxis(0)->Max(), xMax);
        EXPECT_DOUBLE_EQ(plot->YAxis(0)->Min(), yMin);
        EXPECT_DOUBLE_EQ(plot->YAxis(0)->Max(), yMax);
        EXPECT_FALSE(plot->XAxis(0)->TrackingEnabled());
    }
    // A right drag within 5 pixels is no box.
    boxes.clear();
    DragWith(mbRight, from, Point(from.X + 5, from.Y + 5));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PlotMouse, InTheToolBarsSelectModeARealChannelTakesThePressOnItsPointAndDragsIt) {
    TiXYPlotChannel* channel = plot->Channel(0);
    ASSERT_NE(channel, nullptr);
    for (TiPlotAxis* axis :
         {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))}) {
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(0, 100);
    }
    channel->AddXY(70, 30);
    channel->SetMarkersVisible(true);
    channel->SetUserCanMoveDataPoints(true);
    auto* toolBar = dynamic_cast<TiPlotToolBar*>(plot->KindObject(korvan::plot::kind::ToolBar, 0));
    ASSERT_NE(toolBar, nullptr);
    toolBar->SetShowSelectButton(true);
    Repaint();
    std::vector<int> pressed;
    plot->OnMouseDownDataPoint = [&](int channelIndex, int dataIndex, TMouseButton, TShiftState, int, int) {
        pressed.push_back(channelIndex * 100 + dataIndex);
    };
    const TPoint point = Point(plot->XAxis(0)->PositionToPixels(70), plot->YAxis(0)->PositionToPixels(30));

    // Outside select mode the point is the data view's: no press reaches it.
    Click(point);
    EXPECT_TRUE(pressed.empty());
    EXPECT_FALSE(channel->UserSelected());

    ClickToolBar(iptbbtSelect);
    ASSERT_TRUE(plot->GetSelectActive());
    const TPoint to = Point(point.X + 20, point.Y - 10);
    const double x =
        70 - (plot->XAxis(0)->PixelsToPosition(point.X) - plot->XAxis(0)->PixelsToPosition(to.X));
    const double y =
        30 - (plot->YAxis(0)->PixelsToPosition(point.Y) - plot->YAxis(0)->PixelsToPosition(to.Y));
    Drag(point, to);
    EXPECT_EQ(pressed, std::vector<int>{0});
    EXPECT_TRUE(channel->UserSelected());
    EXPECT_NEAR(channel->GetPointX(0), x, 1e-9);
    EXPECT_NEAR(channel->GetPointY(0), y, 1e-9);
    // The axes stayed where they were.
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Min(), 0);
    EXPECT_DOUBLE_EQ(plot->YAxis(0)->Min(), 0);
}

// The picture half way through a zoom-box drag and after it, with every
// kind of object on the plot.
TEST_F(PlotMouse, APlotCarryingItsObjectsZoomedByABox) {
    namespace kind = korvan::plot::kind;
    form->SetBounds(0, 0, 680, 400);
    plot->SetBounds(0, 0, 640, 360);
    plot->SetTitleText("Zoomed");
    probe->SetVisibleInLegend(false);
    TiXYPlotChannel* wave = plot->Channel(0);
    wave->SetColor(clAqua);
    for (int i = 0; i <= 100; ++i)
        wave->AddXY(i, 50 + 35 * std::sin(i / 9.0));
    for (TiPlotAxis* axis :
         {static_cast<TiPlotAxis*>(plot->XAxis(0)), static_cast<TiPlotAxis*>(plot->YAxis(0))}) {
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(0, 100);
    }
    auto* band = static_cast<TiPlotLimit*>(plot->KindObject(kind::Limit, plot->AddLimit()));
    band->SetStyle(iplsBandY);
    band->SetColor(TColor(0x004000));
    band->SetLine1Position(20);
    band->SetLine2Position(35);
    auto* table = static_cast<TiPlotTable*>(plot->KindObject(kind::Table, plot->AddTable()));
    table->AddColumn("Band");
    table->SetCellText(0, table->AddRow(), "20..35");
    auto* note = static_cast<TiPlotAnnotation*>(plot->KindObject(kind::Annotation, plot->AddAnnotation()));
    note->SetStyle(ipasTextBox);
    note->SetReference(iprtChannel);
    note->SetChannelName(wave->Name());
    note->SetText("Crest");
    note->SetBrushColor(clNavy);
    note->SetX(42);
    note->SetY(78);
    auto* cursor = static_cast<TiPlotDataCursor*>(plot->KindObject(kind::DataCursor, plot->AddDataCursor()));
    cursor->SetPointer1Position(50);
    ClickToolBar(iptbbtCursor);
    ASSERT_TRUE(cursor->Visible());
    Repaint();

    ClickToolBar(iptbbtZoomBox);
    const TPoint from = Point(plot->XAxis(0)->PositionToPixels(30), plot->YAxis(0)->PositionToPixels(90));
    const TPoint to = Point(plot->XAxis(0)->PositionToPixels(60), plot->YAxis(0)->PositionToPixels(40));
    input.MouseDown(plot, from.X, from.Y);
    input.MouseMove(plot, to.X, to.Y, ssLeft);
    korvan::testing::SavePng(korvan::testing::PaintPlot(*plot), "plot_zoom_box_dragging");
    input.MouseUp(plot, to.X, to.Y);
    Repaint();
    const QImage page = korvan::testing::PaintPlot(*plot);
    korvan::testing::SavePng(page, "plot_zoomed_with_objects");
    EXPECT_NEAR(plot->XAxis(0)->Min(), 30, 1);
    EXPECT_NEAR(plot->XAxis(0)->Max(), 60, 1);
    EXPECT_NEAR(plot->YAxis(0)->Min(), 40, 1);
    EXPECT_NEAR(plot->YAxis(0)->Max(), 90, 1);
    // The annotation follows its channel's values into the zoomed view.
    const TRect view = plot->DataViewRect();
    int navy = 0;
    for (int y = view.Top; y < view.Bottom; ++y)
        for (int x = view.Left; x < view.Right; ++x)
            navy += korvan::testing::PlotPixel(page, x, y) == clNavy;
    EXPECT_GT(navy, 100);
}

} // namespace
