// Demo buttons: the bevel that a flat button shows only under the mouse,
// the enter and leave fonts, the press that follows the pointer, the click
// before OnMouseUp, keys and the stored properties.

#include "controls/panels/DemoButton.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/FormText.h"
#include "platform/forms/Messages.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

class DemoButton : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TVrDemoButton* Add(int left, int top) {
        auto* b = new TVrDemoButton(form.get());
        b->SetBounds(left, top, 65, 17);
        b->SetCaption("Reset");
        b->OnClick = [this](TObject*) { log.push_back("click"); };
        b->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
        b->SetParent(form.get());
        return b;
    }
    // Whether any pixel of the caption area has `colour`.
    bool CaptionShows(TVrDemoButton* b, TColor colour) {
        ProcessEvents();
        const QImage shot = Grab(b);
        for (int y = 3; y < b->Height() - 3; ++y)
            for (int x = 3; x < b->Width() - 3; ++x)
                if (PixelAt(shot, x, y) == ColorToRGB(colour))
                    return true;
        return false;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::vector<std::string> log;
};

TEST_F(DemoButton, DefaultsOfANewButton) {
    TVrDemoButton b(nullptr);
    EXPECT_EQ(b.Width(), 150);
    EXPECT_EQ(b.Height(), 25);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_TRUE(b.ControlStyle() & csOpaque);
    EXPECT_FALSE(b.ControlStyle() & csDoubleClicks);
    EXPECT_EQ(b.FontEnter()->Name(), "Arial");
    EXPECT_EQ(b.FontEnter()->Size(), 12);
    EXPECT_EQ(b.FontEnter()->Color(), clRed);
    EXPECT_EQ(b.FontEnter()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(b.FontLeave()->Color(), clBlack);
    EXPECT_EQ(b.BevelWidth(), 2);
    EXPECT_EQ(b.OutlineWidth(), 1);
    EXPECT_EQ(b.TextAlignment(), vtaCenter);
    EXPECT_EQ(b.DisabledTextColor(), clInactiveCaption);
    EXPECT_EQ(b.Font3D()->Style(), f3dNone);
    EXPECT_FALSE(b.Flat());
    EXPECT_TRUE(b.Bitmap()->Empty());
}

TEST_F(DemoButton, AFlatButtonShowsItsBevelOnlyUnderTheMouse) {
    TVrDemoButton* b = Add(10, 10);
    b->SetFlat(true);
    b->SetHighlightColor(clAqua);
    TVrDemoButton* plain = Add(10, 40);
    plain->SetHighlightColor(clAqua);
    input.MoveOutside(); // wherever an earlier test left the pointer
    ShowForm(form.get());
    // Inside the outline ring: the bevel's light ring, or the face.
    EXPECT_EQ(PixelAt(Grab(plain), 1, 1), clAqua);
    EXPECT_EQ(PixelAt(Grab(b), 1, 1), ColorToRGB(clBtnFace));
    input.MouseMove(b, 30, 8);
    EXPECT_TRUE(b->HasMouse());
    EXPECT_EQ(PixelAt(Grab(b), 1, 1), clAqua);
    input.MouseMove(plain, 30, 8);
    EXPECT_FALSE(b->HasMouse());
    EXPECT_EQ(PixelAt(Grab(b), 1, 1), ColorToRGB(clBtnFace));
}

TEST_F(DemoButton, TheCaptionTakesTheEnterFontUnderTheMouse) {
    TVrDemoButton* b = Add(10, 10);
    TVrDemoButton* other = Add(10, 40);
    ShowForm(form.get());
    EXPECT_TRUE(CaptionShows(b, clBlack));
    EXPECT_FALSE(CaptionShows(b, clRed));
    input.MouseMove(b, 30, 8);
    EXPECT_TRUE(CaptionShows(b, clRed));
    // The editor's buttons use one font for both: no change under the mouse.
    TFont same;
    same.SetName("Arial");
    same.SetHeight(-11);
    same.SetColor(clActiveBorder);
    b->SetFontEnter(&same);
    b->SetFontLeave(&same);
    EXPECT_TRUE(CaptionShows(b, clActiveBorder));
    input.MouseMove(other, 30, 8);
    EXPECT_TRUE(CaptionShows(b, clActiveBorder));
    // Disabled: the disabled colour, also under the mouse.
    b->SetDisabledTextColor(clMaroon);
    b->SetEnabled(false);
    EXPECT_TRUE(CaptionShows(b, clMaroon));
}

TEST_F(DemoButton, APressFollowsThePointerAndClicksBeforeOnMouseUp) {
    TVrDemoButton* b = Add(10, 10);
    b->SetShadowColor(clFuchsia);
    ShowForm(form.get());
    input.MouseDown(b, 20, 8);
    EXPECT_TRUE(b->IsPressed());
    EXPECT_TRUE(b->IsDown());
    // Pressed: the sunken bevel's dark ring inside the outline.
    EXPECT_EQ(PixelAt(Grab(b), 1, 1), clFuchsia);
    input.MouseMove(b, 20, 30);
    EXPECT_FALSE(b->IsDown());
    EXPECT_NE(PixelAt(Grab(b), 1, 1), clFuchsia);
    input.MouseUp(b, 20, 30);
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"up"}));

    log.clear();
    input.MouseDown(b, 20, 8);
    input.MouseMove(b, 70, 8);
    input.MouseMove(b, 30, 8);
    EXPECT_TRUE(b->IsDown());
    input.MouseUp(b, 30, 8);
    EXPECT_FALSE(b->IsDown());
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"click", "up"}));
    // A right click is no press.
    log.clear();
    input.Click(b, mbRight);
    EXPECT_EQ(log, (std::vector<std::string>{"up"}));
}

TEST_F(DemoButton, APressedButtonShowsCaptionAndBackgroundOnePixelDownRight) {
    TVrDemoButton* b = Add(10, 10);
    TBitmap tile(4, 4);
    tile.Canvas().Brush().SetColor(clTeal);
    tile.Canvas().FillRect(Rect(0, 0, 4, 4));
    tile.Canvas().SetPixel(0, 0, clYellow);
    b->SetBitmap(&tile);
    b->SetBevelWidth(0);
    b->SetOutlineWidth(0);
    b->SetCaption("");
    ShowForm(form.get());
    EXPECT_EQ(PixelAt(Grab(b), 4, 4), clYellow);
    input.MouseDown(b, 20, 8);
    const QImage pressed = Grab(b);
    EXPECT_EQ(PixelAt(pressed, 5, 5), clYellow);
    EXPECT_EQ(PixelAt(pressed, 4, 4), clTeal);
    EXPECT_EQ(PixelAt(pressed, 0, 0), ColorToRGB(clBtnFace)); // the uncovered corner
    input.MouseUp(b, 20, 8);
}

TEST_F(DemoButton, SpacePressesAndReleasesAndTheAcceleratorClicks) {
    TVrDemoButton* b = Add(10, 10);
    b->SetCaption("&Bypass");
    b->SetTabStop(true);
    ShowForm(form.get());
    b->SetFocus();
    input.KeyDown(b, VK_SPACE);
    EXPECT_TRUE(b->IsDown());
    EXPECT_TRUE(b->IsPressed());
    input.KeyUp(b, VK_SPACE);
    EXPECT_FALSE(b->IsPressed());
    EXPECT_EQ(log, (std::vector<std::string>{"click"}));
    log.clear();
    EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'b'), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"click"}));
}

TEST_F(DemoButton, StoredPropertiesReadAndWriteBack) {
    korvan::panels::RegisterPanelClasses();
    TVrDemoButton source(nullptr);
    source.SetName("DemoButton1");
    TBitmap tile(3, 2);
    tile.Canvas().Brush().SetColor(clNavy);
    tile.Canvas().FillRect(Rect(0, 0, 3, 2));
    source.SetBitmap(&tile);
    source.FontEnter()->SetHeight(-11);
    source.FontLeave()->SetColor(clActiveBorder);
    source.Font3D()->SetStyle(f3dRaised);
    source.SetFlat(true);
    source.SetTextAlignment(vtaBottomRight);
    source.SetCaption("BYPASS");
    const std::string text = korvan::forms::WriteComponentText(&source);
    for (const char* line :
         {"FontEnter.Height = -11", "FontLeave.Color = clActiveBorder", "Font3D.Style = f3dRaised",
          "Flat = True", "TextAlignment = vtaBottomRight", "Bitmap.Data = {", "Caption = 'BYPASS'"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;

    TVrDemoButton back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    EXPECT_EQ(back.FontEnter()->Height(), -11);
    EXPECT_EQ(back.FontLeave()->Color(), clActiveBorder);
    EXPECT_EQ(back.Font3D()->Style(), f3dRaised);
    EXPECT_TRUE(back.Flat());
    EXPECT_EQ(back.TextAlignment(), vtaBottomRight);
    EXPECT_EQ(back.Caption(), "BYPASS");
    ASSERT_EQ(back.Bitmap()->Width(), 3);
    EXPECT_EQ(back.Bitmap()->Canvas().Pixel(2, 1), clNavy);
}

} // namespace
