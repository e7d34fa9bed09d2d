// Power buttons: LED and caption layout, the press that follows the pointer
// off and back on, toggling and clicking after OnMouseUp, keys, the
// accelerator, the disabled look and the stored properties.

#include "controls/panels/PowerButton.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/FormText.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/Messages.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

class PowerButton : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // A button as the editor's main window has them, logging its events.
    TVrPowerButton* Add(int left, int top) {
        auto* b = new TVrPowerButton(form.get());
        b->SetBounds(left, top, 118, 16);
        b->Palette()->SetLow(clOlive);
        b->Palette()->SetHigh(clYellow);
        b->SetColor(clBlack);
        b->SetBevelWidth(0);
        b->SetOutlineWidth(0);
        b->Font().SetName("Tahoma");
        b->Font().SetHeight(-11);
        b->Font().SetColor(clLime);
        b->SetCaption("Show");
        b->OnClick = [this, b](TObject*) { log.push_back("click " + std::to_string(b->Active())); };
        b->OnMouseUp = [this, b](TObject*, TMouseButton, TShiftState, int, int) {
            log.push_back("up " + std::to_string(b->Active()));
        };
        b->SetParent(form.get());
        return b;
    }
    TColor LedColour(TVrPowerButton* b) {
        ProcessEvents();
        const TRect led = b->ImageRect();
        return PixelAt(Grab(b), (led.Left + led.Right) / 2, (led.Top + led.Bottom) / 2);
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::vector<std::string> log;
};

TEST_F(PowerButton, DefaultsOfANewButton) {
    TVrPowerButton b(nullptr);
    EXPECT_EQ(b.Width(), 125);
    EXPECT_EQ(b.Height(), 25);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_FALSE(b.ParentColor());
    EXPECT_FALSE(b.TabStop());
    EXPECT_EQ(b.ControlStyle(),
              TControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csReplicatable));
    EXPECT_FALSE(b.Active());
    EXPECT_EQ(b.Palette()->Low(), clGreen);
    EXPECT_EQ(b.Palette()->High(), clLime);
    EXPECT_EQ(b.LedWidth(), 12);
    EXPECT_EQ(b.BevelWidth(), 2);
    EXPECT_EQ(b.OutlineWidth(), 1);
    EXPECT_EQ(b.Spacing(), 5);
    EXPECT_EQ(b.Margin(), -1);
    EXPECT_EQ(b.Layout(), ImageLeft);
    EXPECT_EQ(b.FocusColor(), clBlue);
    EXPECT_EQ(b.Version(), "1.4.5");
}

TEST_F(PowerButton, TheLedSitsInsideTheBevelAndFollowsItsWidth) {
    TVrPowerButton* b = Add(10, 10);
    // No bevel or outline, 16 high: a 12 x 12 LED 2 pixels from the top.
    EXPECT_EQ(b->ImageRect().Top, 2);
    EXPECT_EQ(b->ImageRect().Height(), 12);
    // Rings narrow the room, and the LED moves with them at once.
    b->SetMargin(2);
    EXPECT_EQ(b->ImageRect().Left, 2);
    b->SetBevelWidth(2);
    EXPECT_EQ(b->ImageRect().Left, 4);
    b->SetOutlineWidth(1);
    EXPECT_EQ(b->ImageRect().Left, 5);
    b->SetHeight(25);
    EXPECT_EQ(b->ImageRect().Top, 3 + (19 - 12 + 1) / 2);
    b->SetLedWidth(20);
    b->SetLayout(ImageRight);
    b->SetMargin(4);
    EXPECT_EQ(b->ImageRect(), Bounds(118 - 3 - 4 - 20, 7, 20, 12));
    EXPECT_LT(b->TextBounds().Right, b->ImageRect().Left);
    // Sizes out of range come into range; any margin lays out and paints.
    b->SetLedWidth(-5);
    EXPECT_EQ(b->LedWidth(), 0);
    b->SetLedWidth(std::numeric_limits<int>::max());
    EXPECT_EQ(b->LedWidth(), 0x7FFF);
    b->SetBevelWidth(1000);
    EXPECT_EQ(b->BevelWidth(), 255);
    b->SetMargin(std::numeric_limits<int>::min());
    ShowForm(form.get());
    b->Repaint();
    // The LED stands right of the caption, pushed as far off as a place goes.
    EXPECT_EQ(b->ImageRect().Left, std::numeric_limits<int>::max() / 2 + 256);
}

TEST_F(PowerButton, TheLedShowsLowInactiveHighActiveAndColorDisabled) {
    TVrPowerButton* b = Add(10, 10);
    ShowForm(form.get());
    EXPECT_EQ(LedColour(b), clOlive);
    b->SetActive(true);
    EXPECT_EQ(LedColour(b), clYellow);
    EXPECT_TRUE(log.empty()); // set from code: no click
    b->Palette()->SetHigh(clRed);
    EXPECT_EQ(LedColour(b), clRed);
    b->SetEnabled(false);
    EXPECT_EQ(LedColour(b), clBlack);
    b->SetActive(false);
    EXPECT_EQ(LedColour(b), clBlack);
    // The LED: black ring, sunken ring, 8 x 8 inside.
    const QImage shot = Grab(b);
    const TRect led = b->ImageRect();
    EXPECT_EQ(PixelAt(shot, led.Left, led.Top), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(shot, led.Right - 1, led.Bottom - 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(shot, led.Left + 1, led.Top + 1), clBlack);
    // The caption is embossed: the highlight colour shows beside it.
    bool highlight = false;
    const TRect t = b->TextBounds();
    for (int y = t.Top; y < t.Bottom + 1; ++y)
        for (int x = t.Left; x < t.Right + 1; ++x)
            highlight |= PixelAt(shot, x, y) == ColorToRGB(clBtnHighlight);
    EXPECT_TRUE(highlight);
}

TEST_F(PowerButton, PressDragOffAndBackOnDecidesTheToggle) {
    TVrPowerButton* b = Add(10, 10);
    Add(10, 40);
    ShowForm(form.get());

    // Off and released outside: nothing.
    input.MouseDown(b, 20, 8);
    EXPECT_TRUE(b->IsDown());
    EXPECT_TRUE(b->IsPressed());
    input.MouseMove(b, 20, 40);
    EXPECT_TRUE(b->IsDown());
    EXPECT_FALSE(b->IsPressed());
    input.MouseUp(b, 20, 40);
    EXPECT_FALSE(b->IsDown());
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<std::string>{"up 0"}));

    // Off and back on: toggles, and clicks after OnMouseUp.
    log.clear();
    input.MouseMove(b, 20, 8);
    input.MouseDown(b, 20, 8);
    input.MouseMove(b, -5, 8);
    EXPECT_FALSE(b->IsPressed());
    input.MouseMove(b, 30, 8);
    EXPECT_TRUE(b->IsPressed());
    input.MouseUp(b, 30, 8);
    EXPECT_TRUE(b->Active());
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"up 1", "click 1"}));

    // A plain click toggles back.
    log.clear();
    input.Click(b);
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<std::string>{"up 0", "click 0"}));
}

TEST_F(PowerButton, AnotherButtonsReleaseWhileTheLeftIsHeldChangesNothing) {
    TVrPowerButton* b = Add(10, 10);
    ShowForm(form.get());
    input.MouseDown(b, 20, 8);
    input.MouseDown(b, 20, 8, mbRight);
    input.MouseUp(b, 20, 8, mbRight);
    EXPECT_FALSE(b->Active());
    EXPECT_TRUE(b->IsDown());
    EXPECT_TRUE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"up 0"}));
    input.MouseUp(b, 20, 8);
    EXPECT_TRUE(b->Active());
    EXPECT_EQ(log, (std::vector<std::string>{"up 0", "up 1", "click 1"}));
    // A right click alone does nothing either.
    log.clear();
    input.Click(b, mbRight);
    EXPECT_TRUE(b->Active());
    EXPECT_FALSE(b->IsPressed());
}

TEST_F(PowerButton, SpaceTogglesOnlyAfterASpacePressOnThisButton) {
    TVrPowerButton* b = Add(10, 10);
    TVrPowerButton* other = Add(10, 40);
    b->SetTabStop(true);
    other->SetTabStop(true);
    ShowForm(form.get());
    b->SetFocus();
    std::vector<std::string> keys;
    b->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        keys.push_back("down " + std::to_string(key));
    };
    input.KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->IsPressed());
    EXPECT_EQ(keys, (std::vector<std::string>{"down 32"}));
    input.KeyUp(b, VK_SPACE);
    EXPECT_TRUE(b->Active());
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"click 1"}));

    // A space release whose press went to another button.
    log.clear();
    input.KeyDown(other, VK_SPACE);
    input.KeyUp(b, VK_SPACE);
    EXPECT_TRUE(b->Active());
    EXPECT_TRUE(log.empty());
    // Other keys do not press.
    input.Key(b, VK_RETURN);
    EXPECT_FALSE(b->IsPressed());
    EXPECT_TRUE(b->Active());
    // The focus moves away during a space press: the press is over, and
    // the release that comes back later does nothing.
    input.KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->IsPressed());
    other->SetFocus();
    EXPECT_FALSE(b->IsPressed());
    b->SetFocus();
    input.KeyUp(b, VK_SPACE);
    EXPECT_TRUE(b->Active());
    EXPECT_TRUE(log.empty());
}

TEST_F(PowerButton, AFocusedButtonOutlinesInTheFocusColour) {
    TVrPowerButton* other = Add(10, 40);
    other->SetTabStop(true);
    TVrPowerButton* b = Add(10, 10);
    b->SetOutlineWidth(1);
    b->SetTabStop(true);
    ShowForm(form.get());
    EXPECT_FALSE(b->IsFocused());
    EXPECT_EQ(PixelAt(Grab(b), 0, 0), clBlack);
    // A press takes the focus of a tab stop.
    input.Click(b);
    EXPECT_TRUE(b->IsFocused());
    EXPECT_EQ(PixelAt(Grab(b), 0, 0), clBlue);
    EXPECT_EQ(PixelAt(Grab(b), 117, 15), clBlue);
    other->SetFocus();
    EXPECT_FALSE(b->IsFocused());
    EXPECT_EQ(PixelAt(Grab(b), 0, 0), clBlack);
}

TEST_F(PowerButton, TheAcceleratorClicksWithoutToggling) {
    TVrPowerButton* b = Add(10, 10);
    b->SetCaption("&Show");
    ShowForm(form.get());
    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 's'), 1);
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(log, (std::vector<std::string>{"click 0"}));
    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'x'), 0);
    b->SetEnabled(false);
    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 's'), 0);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(PowerButton, StoredPropertiesReadAndWriteBack) {
    korvan::panels::RegisterPanelClasses();
    const std::string text = "object Form: TForm\n"
                             "  object PowerButton1: TVrPowerButton\n"
                             "    Left = 8\n"
                             "    Top = 4\n"
                             "    Width = 47\n"
                             "    Height = 16\n"
                             "    Active = True\n"
                             "    Palette.Low = clOlive\n"
                             "    Palette.High = clYellow\n"
                             "    OutlineWidth = 0\n"
                             "    BevelWidth = 0\n"
                             "    Caption = 'CH1'\n"
                             "    Color = clBlack\n"
                             "    Font.Color = clRed\n"
                             "  end\n"
                             "end\n";
    TForm root(nullptr);
    korvan::forms::ReadComponentText(text, &root);
    auto* b = dynamic_cast<TVrPowerButton*>(root.FindComponent("PowerButton1"));
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Active());
    EXPECT_EQ(b->Palette()->Low(), clOlive);
    EXPECT_EQ(b->Palette()->High(), clYellow);
    EXPECT_EQ(b->BevelWidth(), 0);
    EXPECT_EQ(b->Caption(), "CH1");
    EXPECT_EQ(b->Color(), clBlack);
    EXPECT_EQ(b->ImageRect().Top, 2);
    const std::string written = korvan::forms::WriteComponentText(b);
    for (const char* line : {"Active = True", "Palette.Low = clOlive", "Palette.High = clYellow",
                             "BevelWidth = 0", "OutlineWidth = 0", "Caption = 'CH1'"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
    EXPECT_EQ(written.find("Version"), std::string::npos);
    EXPECT_EQ(written.find("LedWidth"), std::string::npos); // the default is not written
}

} // namespace
