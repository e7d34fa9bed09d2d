// The toolbar: its settings and their stream, its buttons clicked with the
// mouse (groups, tracking, zoom, output buttons), the plot's two events and
// the cancel path, and how it draws its row of buttons.

#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "controls/plot/plots/PlotClasses.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/PlotObjectsTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

namespace kind = korvan::plot::kind;
using korvan::testing::Click;

class ToolBarTest : public ::testing::Test, protected korvan::testing::LaidOutPlot {
protected:
    ToolBarTest() {
        plot.OnBeforeToolBarButtonClick = [this](int index, TiPlotToolBarButtonType type, bool& cancel) {
            events.push_back("before " + std::to_string(index) + " " + std::to_string(type));
            cancel = type == cancelled;
        };
        plot.OnToolBarButtonClick = [this](int index, TiPlotToolBarButtonType type) {
            events.push_back("after " + std::to_string(index) + " " + std::to_string(type));
        };
    }
    TPoint At(TiPlotToolBarButtonType type) const {
        const TRect r = toolBar.Button(type)->DrawRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // A click where the plot would route it: the entry under the mouse.
    void ClickButton(TiPlotToolBarButtonType type) {
        const TPoint at = At(type);
        TiPlotObject* target = toolBar.GetMouseOverObject(at.X, at.Y);
        ASSERT_EQ(target, toolBar.Button(type));
        Click(*target, at);
    }
    static std::string Before(TiPlotToolBarButtonType type) { return "before 0 " + std::to_string(type); }
    static std::string After(TiPlotToolBarButtonType type) { return "after 0 " + std::to_string(type); }

    TiPlotToolBar& toolBar = *Object<TiPlotToolBar>(kind::ToolBar);
    std::vector<std::string> events;
    int cancelled = -1;
};

TEST_F(ToolBarTest, DefaultsAndTheirStreamRoundTrip) {
    EXPECT_TRUE(toolBar.Horizontal());
    EXPECT_EQ(toolBar.ZOrder(), 3);
    EXPECT_TRUE(toolBar.ShowResumeButton());
    EXPECT_FALSE(toolBar.ShowSelectButton());
    EXPECT_FALSE(toolBar.ShowPreviewButton());
    EXPECT_EQ(toolBar.ZoomInOutFactor(), 2.0);
    EXPECT_FALSE(toolBar.AxesModeZoom());
    EXPECT_TRUE(toolBar.Button(iptbbtScrollAxesMode)->Down());
    EXPECT_EQ(toolBar.Buttons().size(), 19u);
    EXPECT_EQ(toolBar.Button(iptbbtZoomBox)->Hint(), "Zoom Box");
    EXPECT_EQ(toolBar.Button(iptbbtZoomBox)->ImageName(), "SCROLLBOX");

    int changes = 0;
    auto forward = toolBar.OnChange;
    toolBar.OnChange = [&](TObject* sender) {
        ++changes;
        forward(sender);
    };
    toolBar.SetZoomInOutFactor(0.5);
    EXPECT_EQ(toolBar.ZoomInOutFactor(), 1.0);
    toolBar.SetZoomInOutFactor(1.0);
    EXPECT_EQ(changes, 1);
    // The counter lives only as long as this test body.
    toolBar.OnChange = forward;

    korvan::plot::RegisterPlotClasses();
    plot.SetName("Plot1");
    toolBar.SetShowSelectButton(true);
    toolBar.SetShowCopyButton(false);
    toolBar.SetSmallButtons(true);
    toolBar.SetZoomInOutFactor(3);
    EXPECT_EQ(toolBar.Button(iptbbtZoomBox)->ImageName(), "SMALLSCROLLBOX");
    const std::string text = korvan::forms::WriteComponentText(&plot);
    TiXYPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.ToolBarCount(), 1) << text;
    auto* copy = dynamic_cast<TiPlotToolBar*>(read.KindObject(kind::ToolBar, 0));
    EXPECT_TRUE(copy->ShowSelectButton());
    EXPECT_FALSE(copy->ShowCopyButton());
    EXPECT_TRUE(copy->SmallButtons());
    EXPECT_EQ(copy->ZoomInOutFactor(), 3);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

TEST_F(ToolBarTest, AxesModeButtonsAreARadioPairAndSetEveryAxis) {
    ClickButton(iptbbtZoomAxesMode);
    EXPECT_TRUE(toolBar.AxesModeZoom());
    EXPECT_FALSE(toolBar.Button(iptbbtScrollAxesMode)->Down());
    EXPECT_EQ(plot.XAxis(0)->Mode(), ipamZoom);
    EXPECT_EQ(plot.YAxis(0)->Mode(), ipamZoom);
    EXPECT_EQ(events, (std::vector<std::string>{Before(iptbbtZoomAxesMode), After(iptbbtZoomAxesMode)}));
    ClickButton(iptbbtScrollAxesMode);
    EXPECT_FALSE(toolBar.AxesModeZoom());
    EXPECT_EQ(plot.XAxis(0)->Mode(), ipamScroll);
}

TEST_F(ToolBarTest, ACancelledClickLeavesTheGroupAndTheAxesAsTheyWere) {
    cancelled = iptbbtZoomAxesMode;
    ClickButton(iptbbtZoomAxesMode);
    EXPECT_TRUE(toolBar.Button(iptbbtScrollAxesMode)->Down());
    EXPECT_FALSE(toolBar.Button(iptbbtZoomAxesMode)->Down());
    EXPECT_EQ(plot.XAxis(0)->Mode(), ipamScroll);
    EXPECT_EQ(events, (std::vector<std::string>{Before(iptbbtZoomAxesMode)}));
    // Likewise the select and zoom-box pair.
    toolBar.DoButtonClickSelect();
    cancelled = iptbbtZoomBox;
    ClickButton(iptbbtZoomBox);
    EXPECT_TRUE(toolBar.SelectActive());
    EXPECT_FALSE(toolBar.ZoomBoxActive());
}

TEST_F(ToolBarTest, SelectAndZoomBoxReleaseEachOther) {
    toolBar.DoButtonClickSelect();
    EXPECT_TRUE(plot.GetSelectActive());
    ClickButton(iptbbtZoomBox);
    EXPECT_FALSE(toolBar.SelectActive());
    EXPECT_TRUE(toolBar.ZoomBoxActive());
    EXPECT_FALSE(plot.GetSelectActive());
    ClickButton(iptbbtZoomBox);
    EXPECT_FALSE(toolBar.SelectActive());
    EXPECT_FALSE(toolBar.ZoomBoxActive());
    // The plot's select mode drives toolbar 0.
    plot.SetSelectActive(true);
    EXPECT_TRUE(toolBar.SelectActive());
    ClickButton(iptbbtCursor);
    EXPECT_TRUE(toolBar.CursorActive());
    toolBar.TurnOffCursor();
    EXPECT_FALSE(toolBar.CursorActive());
}

TEST_F(ToolBarTest, ResumeAndPauseFollowTrackingAndZoomPausesFirst) {
    // No axis tracks: Pause is drawn disabled and ignores clicks.
    Paint();
    EXPECT_TRUE(toolBar.Button(iptbbtResume)->Enabled());
    EXPECT_FALSE(toolBar.Button(iptbbtPause)->Enabled());
    ClickButton(iptbbtPause);
    EXPECT_TRUE(events.empty());
    ClickButton(iptbbtResume);
    EXPECT_TRUE(plot.XAxis(0)->TrackingEnabled());
    EXPECT_TRUE(plot.YAxis(0)->TrackingEnabled());
    Paint();
    EXPECT_FALSE(toolBar.Button(iptbbtResume)->Enabled());
    EXPECT_TRUE(toolBar.Button(iptbbtPause)->Enabled());

    events.clear();
    plot.XAxis(0)->SetMinSpan(0, 100);
    ClickButton(iptbbtZoomIn);
    EXPECT_EQ(events, (std::vector<std::string>{Before(iptbbtZoomIn), Before(iptbbtPause), After(iptbbtPause),
                                                After(iptbbtZoomIn)}));
    EXPECT_FALSE(plot.XAxis(0)->TrackingEnabled());
    EXPECT_DOUBLE_EQ(plot.XAxis(0)->Span(), 50);
    toolBar.DoButtonClickZoomOut();
    EXPECT_DOUBLE_EQ(plot.XAxis(0)->Span(), 100);
}

// Copy, save and print are followed to their output in the printing
// tests, the preview in the preview's tests; a cancelled preview shows no
// form.
TEST_F(ToolBarTest, PreviewAndEditAreAnnouncedToThePlot) {
    toolBar.SetShowPreviewButton(true);
    Paint();
    cancelled = iptbbtPreview;
    ClickButton(iptbbtPreview);
    EXPECT_EQ(events, (std::vector<std::string>{Before(iptbbtPreview)}));
    // The editor fires no click event after it.
    events.clear();
    plot.SetEditorFormStyle(ipfsStayOnTop);
    int opened = 0;
    plot.OnAfterOpenEditor = [&](TObject*) { ++opened; };
    ClickButton(iptbbtEdit);
    EXPECT_EQ(events, (std::vector<std::string>{Before(iptbbtEdit)}));
    EXPECT_EQ(opened, 1);
    EXPECT_NE(plot.Master()->EditorForm(), nullptr);
    plot.OnAfterOpenEditor = nullptr;
}

TEST_F(ToolBarTest, HintBelowTheButton) {
    plot.OnToolBarCustomizeHint = [](int, std::string& text) { text += "!"; };
    const TPoint at = At(iptbbtZoomBox);
    TiHintData hint;
    toolBar.Button(iptbbtZoomBox)->iMouseMove(hint, 0, at.X, at.Y, at.X, at.Y, false);
    EXPECT_EQ(hint.Text, "Zoom Box!");
    EXPECT_EQ(hint.Top, toolBar.Button(iptbbtZoomBox)->DrawRect().Bottom + 3);
    EXPECT_TRUE(toolBar.Button(iptbbtZoomBox)->MouseOver());
}

TEST_F(ToolBarTest, RowOfButtonsAndHiddenToolBar) {
    const TRect strip = toolBar.DrawRect();
    EXPECT_EQ(toolBar.Button(iptbbtResume)->DrawRect(),
              (TRect{strip.Left + 3, strip.Top + 3, strip.Left + 33, strip.Top + 33}));
    const int scrollLeft = toolBar.Button(iptbbtScrollAxesMode)->DrawRect().Left;
    EXPECT_EQ(scrollLeft, strip.Left + 3 + 2 * 30 + 10);
    // Without Resume and Pause their spacer goes too.
    toolBar.SetShowResumeButton(false);
    toolBar.SetShowPauseButton(false);
    korvan::gfx::RecordingCanvas canvas(500, 240);
    toolBar.Draw(canvas, clBlack);
    EXPECT_EQ(toolBar.Button(iptbbtScrollAxesMode)->DrawRect().Left, scrollLeft - (10 + 2 * 30));
    EXPECT_FALSE(canvas.Calls().empty());

    toolBar.SetVisible(false);
    canvas.Clear();
    toolBar.Draw(canvas, clBlack);
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(toolBar.GetRequiredWidth(canvas), 36);
    toolBar.SetSmallButtons(true);
    EXPECT_EQ(toolBar.GetRequiredWidth(canvas), 28);
}

TEST_F(ToolBarTest, PictureOfThePlotWithItsToolBar) {
    ClickButton(iptbbtZoomAxesMode);
    toolBar.SetShowSelectButton(true);
    toolBar.SetShowPreviewButton(true);
    plot.SetBounds(0, 0, 600, 240);
    const QImage page = Paint();
    korvan::testing::SavePng(page, "plot_toolbar");
    // The pressed zoom-mode button is filled in the pressed colour.
    const TRect r = toolBar.Button(iptbbtZoomAxesMode)->DrawRect();
    EXPECT_EQ(korvan::testing::PlotPixel(page, r.Left + 3, r.Top + 3), TColor(0xEFEFEF));
}

} // namespace
