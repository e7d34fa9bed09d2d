// Draws every label, push button and shape button look on one form and
// writes it as panels_labels_buttons.png for a person to look at.

#include "controls/panels/Label.h"
#include "controls/panels/PushButton.h"
#include "controls/panels/ShapeButton.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;

// A push button drawn as the platform's visual style would draw it.
class StyledButton : public TRzButton {
public:
    using TRzButton::TRzButton;
    bool UseThemes() const override { return true; }
};

class LabelButtonSampler : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzLabel* AddLabel(const std::string& caption, int left, int top) {
        auto* l = new TRzLabel(form.get());
        l->SetLeft(left);
        l->SetTop(top);
        l->Font().SetName("Tahoma");
        l->Font().SetHeight(-13);
        l->SetCaption(caption);
        l->SetParent(form.get());
        return l;
    }
    template <class B = TRzButton> B* AddButton(const std::string& caption, int left, int top) {
        auto* b = new B(form.get());
        b->SetThemeAware(false);
        b->SetCaption(caption);
        b->SetBounds(left, top, 80, 26);
        b->SetParent(form.get());
        return b;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(LabelButtonSampler, WritesThePicture) {
    form->SetBounds(0, 0, 760, 520);
    form->SetColor(clBtnFace);

    // Row 1: text styles, a frame, a disabled and a blinking label.
    const std::pair<TTextStyle, const char*> styles[] = {
        {tsNormal, "Normal"}, {tsRaised, "Raised"}, {tsRecessed, "Recessed"}, {tsShadow, "Shadow"}};
    int x = 10;
    for (auto [style, name] : styles) {
        TRzLabel* l = AddLabel(name, x, 10);
        l->Font().SetHeight(-18);
        l->Font().SetStyle(fsBold);
        l->SetTextStyle(style);
        x += 100;
    }
    TRzLabel* framed = AddLabel("Framed", x, 10);
    framed->SetTextMargin(2);
    framed->SetBorderOuter(fsGroove);
    framed->SetBorderWidth(2);
    framed->SetColor(clWindow);
    framed->SetParentColor(false);
    TRzLabel* disabled = AddLabel("Disabled", x + 90, 10);
    disabled->SetTextStyle(tsRaised);
    disabled->SetEnabled(false);
    TRzLabel* blink = AddLabel("Blink on", x + 180, 10);
    blink->SetBlinkColor(clRed);
    blink->SetBlinking(true);
    blink->Blink(bsOn);
    TRzLabel* flyBy = AddLabel("Fly-by", x + 270, 10);
    flyBy->SetFlyByColor(clFuchsia);
    flyBy->SetFlyByEnabled(true);

    // Row 2: flat turns, a condensed caption, arc text.
    x = 10;
    for (int angle : {90, 45, 180, 270, 330}) {
        TRzLabel* l = AddLabel("Turned", x, 60);
        l->SetAngle(angle);
        l->SetAutoSize(false);
        l->SetBounds(x, 60, 70, 70);
        l->SetBorderOuter(fsFlat);
        l->SetAlignment(taCenter);
        x += 80;
    }
    TRzLabel* condensed = AddLabel("C:\\Presets\\Hall\\Live.prs", x, 60);
    condensed->SetCondenseCaption(ccWithinPath);
    condensed->SetBounds(x, 60, 110, 17);
    TRzLabel* ellipsis = AddLabel("A caption far too long to fit", x, 85);
    ellipsis->SetCondenseCaption(ccAtEnd);
    ellipsis->SetBounds(x, 85, 110, 17);
    TRzLabel* arc = AddLabel("ARC TEXT", x + 130, 50);
    arc->SetRotation(roCurve);
    arc->SetAutoSize(false);
    arc->SetBounds(x + 130, 50, 110, 80);
    arc->SetCenterPoint(cpLowerCenter);
    arc->SetAngle(60);
    arc->SetTextStyle(tsRaised);

    // Row 3: classic push buttons.
    const int row3 = 160;
    TRzButton* up = AddButton("Up", 10, row3);
    (void)up;
    TRzButton* focused = AddButton("Focused", 100, row3);
    TRzButton* pressed = AddButton("Pressed", 190, row3);
    TRzButton* held = AddButton("Held", 280, row3);
    held->SetGroupIndex(1);
    held->SetDown(true);
    TRzButton* coloured = AddButton("Coloured", 370, row3);
    coloured->SetColor(RGB(150, 190, 230));
    TRzButton* off = AddButton("Disabled", 460, row3);
    off->SetEnabled(false);
    TRzButton* shadow = AddButton("Shadow", 550, row3);
    shadow->SetTextStyle(tsShadow);
    shadow->SetAlignmentVertical(avTop);
    TRzButton* byDefault = AddButton("Default", 640, row3);
    byDefault->SetDefault(true);

    // Row 4: hot-tracked faces, row 5: styled faces.
    const int row4 = 210, row5 = 260;
    TRzButton* hot[5];
    TRzButton* styled[5];
    const char* names[] = {"Normal", "Hover", "Focused", "Pressed", "Disabled"};
    for (int i = 0; i < 5; ++i) {
        hot[i] = AddButton(names[i], 10 + 90 * i, row4);
        hot[i]->SetHotTrack(true);
        styled[i] = AddButton<StyledButton>(names[i], 10 + 90 * i, row5);
    }
    hot[4]->SetEnabled(false);
    styled[4]->SetEnabled(false);
    TRzButton* complement = AddButton("Complement", 460, row4);
    complement->SetHotTrack(true);
    complement->SetHotTrackColorType(htctComplement);

    // Row 6: shape buttons: plain, bevelled up, pressed, disabled, caption at a point.
    const int row6 = 320;
    TBitmap shape = korvan::testing::SolidFace(90, 50, clFuchsia);
    {
        TCanvas& c = shape.Canvas();
        c.Brush().SetColor(RGB(60, 110, 180));
        c.Pen().SetColor(RGB(60, 110, 180));
        c.Ellipse(6, 6, 84, 44);
    }
    TRzShapeButton* shapes[5];
    for (int i = 0; i < 5; ++i) {
        shapes[i] = new TRzShapeButton(form.get());
        shapes[i]->SetLeft(10 + 110 * i);
        shapes[i]->SetTop(row6);
        shapes[i]->SetParent(form.get());
        shapes[i]->SetBitmap(&shape);
        shapes[i]->SetCaption(i == 4 ? "XY" : "Shape");
        shapes[i]->Font().SetColor(clWhite);
    }
    shapes[0]->SetBevelWidth(0);
    shapes[0]->SetBorderStyle(bsNone);
    shapes[3]->SetEnabled(false);
    shapes[4]->SetCaptionXY(18, 8);

    // An edit holds the focus at first: the default button is the active one.
    auto* edit = new TEdit(form.get());
    edit->SetBounds(10, 420, 120, 22);
    edit->SetParent(form.get());
    ShowForm(form.get());
    edit->SetFocus();
    ProcessEvents();
    // Each state shown in turn and cut from the picture taken while it
    // showed.
    QImage page = Grab(form.get());
    auto show = [&](TControl* c, const std::function<void()>& into, const std::function<void()>& outOf) {
        into();
        ProcessEvents();
        const QImage from = Grab(form.get());
        const TPoint p = form->ScreenToClient(c->ClientToScreen(Point(0, 0)));
        for (int y = 0; y < c->Height(); ++y)
            for (int xx = 0; xx < c->Width(); ++xx)
                page.setPixel(p.X + xx, p.Y + y, from.pixel(p.X + xx, p.Y + y));
        outOf();
    };
    auto press = [&](TControl* c) {
        show(
            c, [&] { input.MouseDown(c, 10, 10); }, [&] { input.MouseUp(c, 10, 10); });
    };
    auto hover = [&](TControl* c) {
        show(
            c, [&] { input.MouseMove(c, 10, 10); }, [&] { input.MoveOutside(); });
    };
    auto focus = [&](TWinControl* c) {
        show(
            c, [&] { c->SetFocus(); }, [] {});
    };
    press(pressed);
    press(hot[3]);
    press(styled[3]);
    show(
        shapes[2], [&] { input.MouseDown(shapes[2], 45, 25); }, [&] { input.MouseUp(shapes[2], 45, 25); });
    hover(flyBy);
    hover(hot[1]);
    hover(styled[1]);
    focus(focused);
    focus(hot[2]);
    focus(styled[2]);
    const std::string path = korvan::testing::SavePng(page, "panels_labels_buttons");
    EXPECT_FALSE(path.empty());
}

} // namespace
