// Data cursors: defaults and streaming, the pointers of each style on both
// plots, pointers and hint on the recording canvas, dragging, keys,
// snapping to data points and the interpolated Y lookup.

#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/plots/PlotClasses.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/FormText.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/OverlayTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

TiPlotDataCursor* CursorOf(TiPlotComponent& plot, int index = 0) {
    return static_cast<TiPlotDataCursor*>(plot.KindObject(korvan::plot::kind::DataCursor, index));
}

class PlotDataCursorTest : public ::testing::Test {
protected:
    PlotDataCursorTest() {
        korvan::testing::PrepareOverlayPlot(strip);
        for (int i = 0; i <= 10; ++i)
            strip.Channel(0)->AddXY(i * 10, i * i);
        cursor = CursorOf(strip);
        cursor->SetVisible(true);
        strip.ReCalcLayout();
        view = strip.DataViewRect();
    }
    int PointerX(double percent) {
        int x = 0;
        strip.DataViewPercentToPixelsX(percent, x);
        return x;
    }
    std::vector<korvan::gfx::DrawCall> Drawn(const std::string& op) {
        canvas.Clear();
        cursor->Draw(canvas, clBlack);
        return canvas.CallsNamed(op);
    }
    void Key(std::uint16_t key, TShiftState shift = 0) { cursor->iKeyDown(key, shift, nullptr); }

    TiPlot strip{nullptr};
    TiPlotDataCursor* cursor = nullptr;
    TRect view{};
    korvan::gfx::RecordingCanvas canvas{500, 300};
};

TEST_F(PlotDataCursorTest, ThePlotsCursorHasItsDefaultsAndStreams) {
    TiPlot plot(nullptr);
    ASSERT_EQ(plot.DataCursorCount(), 1);
    TiPlotDataCursor* made = CursorOf(plot);
    EXPECT_EQ(made->Name(), "Cursor 1");
    EXPECT_EQ(made->ChannelName(), "Channel 1");
    EXPECT_FALSE(made->Visible());
    EXPECT_TRUE(made->Enabled());
    EXPECT_EQ(made->Style(), ipcsValueXY);
    EXPECT_EQ(made->Color(), clYellow);
    EXPECT_TRUE(made->UseChannelColor());
    EXPECT_EQ(made->Pointer1Position(), 50);
    EXPECT_EQ(made->Pointer2Position(), 60);
    EXPECT_EQ(made->HintPosition(), 50);
    EXPECT_EQ(made->HintOrientationSide(), iosBottomRight);
    EXPECT_EQ(made->MenuItemCaption(ipcsDeltaY), "Peak-Peak");
    EXPECT_EQ(made->MenuItemCaption(ipcsInverseDeltaX), "Frequency");
    made->SetPointer1Position(150);
    EXPECT_EQ(made->Pointer1Position(), 100);
    made->SetPointer1Position(-3);
    EXPECT_EQ(made->Pointer1Position(), 0);

    korvan::plot::RegisterPlotClasses();
    plot.SetName("Plot1");
    // (A position of 0 is not written and reads back as the constructor's.)
    made->SetPointer1Position(12.5);
    made->SetStyle(ipcsDeltaX);
    made->SetMenuItemCaptionDeltaX("Width");
    made->SetHintPosition(20);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    TiPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.DataCursorCount(), 1) << text;
    EXPECT_EQ(CursorOf(read)->Style(), ipcsDeltaX);
    EXPECT_EQ(CursorOf(read)->MenuItemCaption(ipcsDeltaX), "Width");
    EXPECT_EQ(CursorOf(read)->Pointer1Position(), 12.5);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

TEST_F(PlotDataCursorTest, EachStyleChoosesItsPointersOnBothPlots) {
    struct Case {
        TiPlotDataCursorStyle style;
        bool xy;
        bool p1, p2;
        TiOrientation o1, o2, hint;
    };
    const Case cases[] = {
        {ipcsValueXY, true, true, true, ioVertical, ioHorizontal, ioVertical},
        {ipcsValueX, true, true, false, ioVertical, ioHorizontal, ioVertical},
        {ipcsValueY, true, false, true, ioVertical, ioHorizontal, ioHorizontal},
        {ipcsValueY, false, true, false, ioVertical, ioHorizontal, ioVertical},
        {ipcsValueXY, false, true, false, ioVertical, ioHorizontal, ioVertical},
        {ipcsDeltaX, false, true, true, ioVertical, ioVertical, ioVertical},
        {ipcsDeltaY, true, true, true, ioHorizontal, ioHorizontal, ioHorizontal},
        {ipcsInverseDeltaX, true, true, true, ioVertical, ioVertical, ioVertical},
    };
    TiXYPlot xy(nullptr);
    for (const Case& c : cases) {
        TiPlotDataCursor* subject = c.xy ? CursorOf(xy) : cursor;
        subject->SetStyle(c.style == ipcsValueXY ? ipcsDeltaY : ipcsValueXY);
        subject->SetStyle(c.style);
        EXPECT_EQ(subject->Pointer1Show(), c.p1) << c.style << c.xy;
        EXPECT_EQ(subject->Pointer2Show(), c.p2) << c.style << c.xy;
        if (c.p1) {
            EXPECT_EQ(subject->Pointer1Orientation(), c.o1) << c.style << c.xy;
        }
        if (c.p2) {
            EXPECT_EQ(subject->Pointer2Orientation(), c.o2) << c.style << c.xy;
        }
        EXPECT_EQ(subject->HintOrientation(), c.hint) << c.style << c.xy;
    }
    cursor->SetStyle(ipcsDeltaY);
    cursor->SetXYAxesReversed(true);
    EXPECT_EQ(cursor->Pointer1Orientation(), ioVertical);
    EXPECT_EQ(cursor->HintOrientation(), ioVertical);
}

TEST_F(PlotDataCursorTest, PointersAndHintAreDrawnWithTheChannelsValues) {
    strip.Channel(0)->SetColor(clLime);
    cursor->SetPointer1Position(50);
    const auto lines = Drawn("LineTo");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].Args, (std::vector<int>{PointerX(50), view.Top, PointerX(50), view.Bottom}));
    EXPECT_EQ(lines[0].PenColor, clLime);
    EXPECT_EQ(cursor->Pointer1Rect(), (TRect{PointerX(50) - 5, view.Top, PointerX(50) + 6, view.Bottom}));
    EXPECT_NEAR(cursor->ValueX(), strip.XAxis(0)->PixelsToPosition(PointerX(50)), 1e-9);
    EXPECT_EQ(cursor->Status(), ipdpsValid);
    // The last text is the hint's (the first one measures it).
    const auto texts = canvas.CallsNamed("DrawText");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().Text, cursor->CursorDisplayText());
    EXPECT_EQ(texts.back().FontColor, clInfoText);
    EXPECT_TRUE(cursor->HintShowing());
    EXPECT_EQ(cursor->HintRect().Left, PointerX(50) + 5);

    // Near the right edge the hint goes to the pointer's left.
    cursor->SetPointer1Position(99);
    Drawn("Rectangle");
    EXPECT_EQ(cursor->HintOrientationSide(), iosTopLeft);
    EXPECT_EQ(cursor->HintRect().Right, PointerX(99) - 5);

    cursor->SetChannelName("Missing");
    ASSERT_FALSE(Drawn("DrawText").empty());
    EXPECT_EQ(canvas.CallsNamed("DrawText").back().Text, "No Channel");
    cursor->SetChannelName(TiPlotDataCursor::AllChannels);
    EXPECT_TRUE(Drawn("Rectangle").empty()) << "no hint for every channel";
    EXPECT_FALSE(cursor->HintShowing());
    cursor->SetVisible(false);
    EXPECT_TRUE(Drawn("LineTo").empty());
}

TEST_F(PlotDataCursorTest, DraggingAPointerMeasuresWhereItIsReleased) {
    std::vector<int> changes;
    strip.OnDataCursorChange = [&](int index) { changes.push_back(index); };
    int clicks = 0;
    strip.DataCursorEvents.OnClick = [&](int) { ++clicks; };
    cursor->SetPointer1Position(50);
    Drawn("LineTo");
    const int y = (view.Top + view.Bottom) / 2;
    EXPECT_EQ(cursor->GetMouseCursor({PointerX(50), y}), crHandPoint);
    korvan::testing::Drag(*cursor, {PointerX(50) + 2, y}, {PointerX(50) + 2 - 100, y});
    const double expected = (PointerX(50) - 100 - view.Left) * 100.0 / view.Width();
    EXPECT_NEAR(cursor->Pointer1Position(), expected, 1e-9);
    EXPECT_FALSE(changes.empty());
    EXPECT_NEAR(cursor->ValueX(), strip.XAxis(0)->PixelsToPosition(PointerX(cursor->Pointer1Position())),
                1e-9);
    EXPECT_EQ(clicks, 0) << "released away from where the pointer was drawn";
    Drawn("LineTo");
    const int at = PointerX(cursor->Pointer1Position());
    korvan::testing::Drag(*cursor, {at, y}, {at, y});
    EXPECT_EQ(clicks, 1);
}

TEST_F(PlotDataCursorTest, KeysMoveThePointersByPixelsAndToTheEnds) {
    cursor->SetStyle(ipcsValueX);
    cursor->SetPointer1Position(50);
    Drawn("LineTo");
    const double pixel = 100.0 / view.Width();
    Key(VK_RIGHT);
    EXPECT_NEAR(cursor->Pointer1Position(), 50 + pixel, 1e-9);
    Key(VK_PRIOR);
    EXPECT_NEAR(cursor->Pointer1Position(), 50 + 6 * pixel, 1e-9);
    const double hint = cursor->HintPosition();
    Key(VK_UP);
    EXPECT_GT(cursor->HintPosition(), hint) << "the hint slides up a vertical pointer";
    Key(VK_END);
    EXPECT_EQ(cursor->Pointer1Position(), 100);
    Key(VK_RIGHT);
    EXPECT_EQ(cursor->Pointer1Position(), 100);
    Key(VK_HOME);
    EXPECT_EQ(cursor->Pointer1Position(), 0);
    Key(VK_END, ssCtrl);
    EXPECT_EQ(cursor->Pointer2Position(), 60) << "no second pointer in this style";
    cursor->SetStyle(ipcsDeltaX);
    Key(VK_END, ssCtrl);
    EXPECT_EQ(cursor->Pointer2Position(), 100);
}

TEST_F(PlotDataCursorTest, SnappingPutsAReleasedPointerOnTheNearestPoint) {
    cursor->SetSnapToDataPoint(true);
    cursor->SetPointer1Position(50);
    Drawn("LineTo");
    const int y = (view.Top + view.Bottom) / 2;
    const int target = strip.XAxis(0)->PositionToPixels(33);
    korvan::testing::Drag(*cursor, {PointerX(50), y}, {target, y});
    EXPECT_NEAR(cursor->Pointer1Position(), strip.XAxis(0)->PositionToPercent(30) * 100, 1e-9);
    EXPECT_EQ(cursor->SnapToIndexData(), 3);
    Key(VK_RIGHT);
    EXPECT_EQ(cursor->SnapToIndexData(), 4);
    Key(VK_END);
    EXPECT_EQ(cursor->SnapToIndexData(), 10);

    // Among every channel the closest point wins.
    strip.AddChannel();
    strip.Channel(1)->AddXY(57, 1);
    cursor->SetChannelName(TiPlotDataCursor::AllChannels);
    cursor->SetPointer1Position(strip.XAxis(0)->PositionToPercent(56) * 100);
    cursor->SetPointer2Position(strip.XAxis(0)->PositionToPercent(89) * 100);
    cursor->DoSnapToDataPoint();
    EXPECT_NEAR(cursor->Pointer1Position(), strip.XAxis(0)->PositionToPercent(57) * 100, 1e-9);
    EXPECT_NEAR(cursor->Pointer2Position(), strip.XAxis(0)->PositionToPercent(90) * 100, 1e-9);
    EXPECT_EQ(cursor->SnapToIndexChannel(), 0) << "the last snap was pointer 2's";
}

TEST_F(PlotDataCursorTest, ThePopupMenuOffersChannelsStylesOptionsAndSnapping) {
    TPopupMenu menu(nullptr);
    cursor->PreparePopupMenu(&menu);
    std::vector<std::string> captions;
    for (int i = 0; i < menu.Items()->Count(); ++i)
        captions.push_back(menu.Items()->Items(i)->Caption());
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Channel", "Style", "Options", "Snap to Data-Point", "Edit..."}));
    TMenuItem* channels = menu.Items()->Items(0);
    ASSERT_EQ(channels->Count(), 2);
    EXPECT_EQ(channels->Items(0)->Caption(), "<All>");
    EXPECT_TRUE(channels->Items(1)->Checked());
    channels->Items(0)->OnClick(channels->Items(0));
    EXPECT_EQ(cursor->ChannelName(), TiPlotDataCursor::AllChannels);
    TMenuItem* styles = menu.Items()->Items(1);
    ASSERT_EQ(styles->Count(), 6);
    EXPECT_EQ(styles->Items(3)->Caption(), "Period");
    styles->Items(4)->OnClick(styles->Items(4));
    EXPECT_EQ(cursor->Style(), ipcsDeltaY);

    TiXYPlot xy(nullptr);
    CursorOf(xy)->PreparePopupMenu(&menu);
    EXPECT_EQ(menu.Items()->Count(), 4) << "no snapping on an XY plot";
}

TEST_F(PlotDataCursorTest, TheInterpolatedLookupLeavesCursorAndAxisAsTheyWere) {
    cursor->SetVisible(false);
    cursor->SetStyle(ipcsDeltaX);
    cursor->SetPointer1Position(12);
    double y = -1;
    EXPECT_EQ(cursor->GetInterpolatedYValue("Channel 1", 45, y), ipdpsValid);
    EXPECT_NEAR(y, 0.5 * (16 + 25), 2.0);
    EXPECT_FALSE(cursor->Visible());
    EXPECT_EQ(cursor->Style(), ipcsDeltaX);
    EXPECT_EQ(cursor->ChannelName(), "Channel 1");
    EXPECT_EQ(cursor->Pointer1Position(), 12);
    EXPECT_EQ(strip.XAxis(0)->Min(), 0);
    EXPECT_EQ(cursor->GetInterpolatedYValue("Nothing", 45, y), ipdpsNull);
    EXPECT_EQ(y, 0);
}

} // namespace
