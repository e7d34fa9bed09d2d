// A picture of the power and demo buttons in their states, written as
// panels_power_demo_buttons.png for a person to look at.

#include "controls/panels/DemoButton.h"
#include "controls/panels/PowerButton.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;

class VrButtonPictures : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(VrButtonPictures, EveryStateOfBothButtons) {
    form->SetBounds(0, 0, 560, 260);
    form->SetColor(clBtnFace);
    // Row 1: the editor's LED switches (black, no bevel): off, on, pressed,
    // disabled on.
    TVrPowerButton* editor[4];
    for (int i = 0; i < 4; ++i) {
        auto* b = editor[i] = new TVrPowerButton(form.get());
        b->SetBounds(10 + i * 130, 10, 118, 16);
        b->Palette()->SetLow(clOlive);
        b->Palette()->SetHigh(clYellow);
        b->SetColor(clBlack);
        b->SetBevelWidth(0);
        b->SetOutlineWidth(0);
        b->Font().SetName("Tahoma");
        b->Font().SetHeight(-11);
        b->Font().SetColor(clLime);
        const char* captions[] = {"Off", "On", "Pressed", "Disabled"};
        b->SetCaption(captions[i]);
        b->SetParent(form.get());
    }
    editor[1]->SetActive(true);
    editor[3]->SetActive(true);
    editor[3]->SetEnabled(false);
    // Row 2: default power buttons: off, on, pressed, disabled; LED right.
    TVrPowerButton* plain[4];
    for (int i = 0; i < 4; ++i) {
        auto* b = plain[i] = new TVrPowerButton(form.get());
        b->SetBounds(10 + i * 135, 40, 125, 25);
        const char* captions[] = {"Power off", "Power on", "Pressed", "Disabled"};
        b->SetCaption(captions[i]);
        b->SetParent(form.get());
    }
    plain[1]->SetActive(true);
    plain[3]->SetEnabled(false);
    auto* right = new TVrPowerButton(form.get());
    right->SetBounds(10, 75, 125, 40);
    right->SetLayout(ImageRight);
    right->SetLedWidth(20);
    right->SetActive(true);
    right->SetCaption("LED right");
    right->SetParent(form.get());
    auto* top = new TVrPowerButton(form.get());
    top->SetBounds(145, 75, 125, 40);
    top->SetLayout(ImageTop);
    top->SetCaption("LED top");
    top->SetParent(form.get());

    // Row 3: the editor's demo buttons (black, one font), and default ones:
    // normal, hovered, pressed, flat, disabled, raised 3-D text.
    TVrDemoButton* demo[8];
    const char* captions[] = {"RESET",   "BYPASS", "Normal",   "Hovered",
                              "Pressed", "Flat",   "Disabled", "Raised"};
    for (int i = 0; i < 8; ++i) {
        auto* b = demo[i] = new TVrDemoButton(form.get());
        b->SetBounds(10 + (i % 4) * 135, 130 + (i / 4) * 40, i < 2 ? 65 : 125, i < 2 ? 17 : 30);
        b->SetCaption(captions[i]);
        b->SetParent(form.get());
    }
    for (int i = 0; i < 2; ++i) {
        TFont f;
        f.SetName("Arial");
        f.SetHeight(-11);
        f.SetColor(clActiveBorder);
        demo[i]->SetColor(clBlack);
        demo[i]->SetBevelWidth(1);
        demo[i]->SetFontEnter(&f);
        demo[i]->SetFontLeave(&f);
    }
    demo[5]->SetFlat(true);
    demo[6]->SetEnabled(false);
    demo[7]->Font3D()->SetStyle(f3dRaised);
    demo[7]->Font3D()->SetHighlightColor(clWhite);
    demo[7]->FontLeave()->SetColor(clNavy);
    TBitmap tile(8, 8);
    tile.Canvas().Brush().SetColor(RGB(200, 220, 240));
    tile.Canvas().FillRect(Rect(0, 0, 8, 8));
    tile.Canvas().Brush().SetColor(RGB(170, 190, 220));
    tile.Canvas().FillRect(Rect(0, 0, 4, 4));
    tile.Canvas().FillRect(Rect(4, 4, 8, 8));
    demo[7]->SetBitmap(&tile);

    ShowForm(form.get());
    // The pressed faces, each grabbed while held and released off the
    // button (which changes nothing).
    std::vector<std::pair<TControl*, QImage>> pressed;
    for (TControl* b : {static_cast<TControl*>(editor[2]), static_cast<TControl*>(plain[2]),
                        static_cast<TControl*>(demo[4])}) {
        input.MouseMove(b, 30, 8);
        input.MouseDown(b, 30, 8);
        ProcessEvents();
        pressed.emplace_back(b, Grab(b));
        input.MouseMove(b, 30, 200);
        input.MouseUp(b, 30, 200);
    }
    EXPECT_FALSE(editor[2]->Active());
    input.MouseMove(demo[3], 30, 12);
    ProcessEvents();
    QImage shot = Grab(form.get());
    QPainter paint(&shot);
    const TPoint o = form->ClientOrigin();
    for (const auto& [b, face] : pressed)
        paint.drawImage(o.X + b->Left(), o.Y + b->Top(), face);
    paint.end();
    EXPECT_FALSE(korvan::testing::SavePng(shot, "panels_power_demo_buttons").empty());
    // Three times as large, for the rings and the LED's pixels.
    korvan::testing::SavePng(shot.scaled(shot.size() * 3), "panels_power_demo_buttons_x3");
}

} // namespace
