// The speed button: sunken while pressed with the pointer on it, clicked
// by a release on it only, and its glyph's see-through colour.

#include "platform/forms/Buttons.h"
#include "platform/forms/Form.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SpeedButton : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 200, 120);
        button = new TSpeedButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(10, 10, 40, 30);
        button->OnClick = [this](TObject*) { ++clicks; };
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TSpeedButton* button = nullptr;
    int clicks = 0;
};

TEST_F(SpeedButton, PressShowsDownAndOnlyAReleaseOnItClicks) {
    input.MouseDown(button, 5, 5);
    EXPECT_TRUE(button->Pressed());
    input.MouseMove(button, 100, 5, ssLeft);
    EXPECT_FALSE(button->Pressed());
    input.MouseUp(button, 100, 5);
    EXPECT_EQ(clicks, 0);

    // Past the double-click time: a fresh press.
    input.Wait(1000);
    input.MouseDown(button, 5, 5);
    input.MouseUp(button, 6, 6);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButton, GlyphCentredOnTheFaceWithItsCornerColourSeeThrough) {
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush().SetColor(clRed);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().SetPixel(0, 3, clLime);
    glyph.Canvas().SetPixel(1, 1, clLime);
    button->SetGlyph(glyph);
    button->Repaint();
    const QImage& face = button->Surface();
    // The glyph sits at (18, 13); lime is the see-through colour.
    EXPECT_EQ(korvan::gfx::FromQRgb(face.pixel(20, 14)), clRed);
    EXPECT_EQ(korvan::gfx::FromQRgb(face.pixel(19, 14)), ColorToRGB(clBtnFace));
}

} // namespace
