// Painting: off-screen images per control, the parent image under a
// transparent control, enabled painting under a disabled parent, drawing
// outside a paint, and the demo form read from a form stream.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <memory>

namespace {

using korvan::testing::Find;
using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::SavePng;

TColor At(const QImage& image, int x, int y) {
    return korvan::gfx::FromQRgb(image.pixel(x, y));
}

bool HasColour(const QImage& image, TColor colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == ColorToRGB(colour))
                return true;
    return false;
}

// A non-windowed control that paints nothing of its own.
class TClearControl : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

class Painting : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // A borderless red panel 100 px wide on the form.
    TPanel* RedPanel(int height) {
        auto* panel = new TPanel(form.get());
        panel->SetBounds(0, 0, 100, height);
        panel->SetBevelOuter(bvNone);
        panel->SetColor(clRed);
        panel->SetParent(form.get());
        return panel;
    }
    // A lime 20 px square at the top left of `parent`.
    TShape* LimeSquareOn(TWinControl* parent) {
        auto* shape = new TShape(form.get());
        shape->SetBounds(0, 0, 20, 20);
        shape->Brush().SetColor(clLime);
        shape->Pen().SetStyle(psClear);
        shape->SetParent(parent);
        return shape;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(Painting, ATransparentControlShowsItsParentAndTheControlsBelowIt) {
    auto* panel = RedPanel(60);
    LimeSquareOn(panel);
    auto* clear = new TClearControl(form.get());
    clear->SetBounds(10, 10, 40, 40);
    clear->SetParent(panel);
    ShowForm(form.get());
    const QImage image = Grab(clear);
    EXPECT_EQ(At(image, 2, 2), clLime);
    EXPECT_EQ(At(image, 15, 15), clRed);
}

TEST_F(Painting, ChildrenOfADisabledParentPaintAsEnabled) {
    auto* panel = new TPanel(form.get());
    panel->SetBounds(0, 0, 200, 60);
    panel->SetParent(form.get());
    auto* label = new TLabel(form.get());
    label->SetCaption("Label under a disabled panel");
    label->SetLeft(4);
    label->SetTop(4);
    label->SetParent(panel);
    auto* own = new TLabel(form.get());
    own->SetCaption("Disabled label");
    own->SetLeft(4);
    own->SetTop(30);
    own->SetParent(panel);
    own->SetEnabled(false);
    panel->SetEnabled(false);
    ShowForm(form.get());
    const QImage under = Grab(label);
    const QImage disabled = Grab(own);
    SavePng(Grab(panel), "disabled_panel_labels");
    EXPECT_TRUE(HasColour(under, clWindowText));
    EXPECT_FALSE(HasColour(under, clBtnShadow));
    EXPECT_TRUE(HasColour(disabled, clBtnShadow));
    EXPECT_FALSE(HasColour(disabled, clWindowText));
}

TEST_F(Painting, DrawingOnAPaintBoxOutsideAPaintShows) {
    auto* box = new TPaintBox(form.get());
    box->SetBounds(10, 10, 50, 50);
    box->SetParent(form.get());
    int paints = 0;
    box->OnPaint = [&](TObject*) { ++paints; };
    box->OnClick = [box](TObject*) {
        box->Canvas().Brush().SetColor(clBlue);
        box->Canvas().FillRect(TRect{0, 0, 50, 50});
    };
    ShowForm(form.get());
    input.Click(box, 5, 5);
    ProcessEvents();
    const int before = paints;
    EXPECT_EQ(At(Grab(box), 25, 25), clBlue);
    EXPECT_EQ(paints, before); // shown without another OnPaint
    box->Invalidate();
    Grab(box);
    EXPECT_EQ(paints, before + 1);
}

// A damaged form can size a control past any picture that fits in memory:
// its paint is left out (not walked line by line) and a neighbour that
// shows the parent image under it still paints.
TEST_F(Painting, AControlTooLargeToPictureIsNotPainted) {
    auto* clear = new TClearControl(form.get());
    clear->SetBounds(10, 10, 40, 40);
    clear->SetParent(form.get());
    // Past what fits in memory; taller than a picture may be; a few
    // gigabytes that would fit, but not on any screen.
    const TSize sizes[] = {{2147483647, 2147483647}, {118, 163741823}, {40000, 10}, {20000, 20000}};
    for (const TSize& size : sizes) {
        auto* huge = new TPaintBox(form.get());
        huge->SetBounds(0, 0, size.cx, size.cy);
        huge->SetParent(form.get());
        int paints = 0;
        huge->OnPaint = [&](TObject*) { ++paints; };
        clear->PaintSurface();
        huge->PaintSurface();
        EXPECT_EQ(paints, 0) << size.cx << "x" << size.cy;
        EXPECT_FALSE(huge->NeedsPaint());
        EXPECT_FALSE(huge->HasSurface());
        EXPECT_FALSE(clear->Surface().isNull());
        delete huge;
    }
    // The largest allowed picture is still made.
    EXPECT_TRUE(korvan::forms::PictureSizeAllowed(8192, 8192));
    EXPECT_FALSE(korvan::forms::PictureSizeAllowed(8193, 8192));
}

// A control takes its off-screen surface at its first paint, at the size
// it paints then: creating, placing, captioning or resizing it makes none.
TEST_F(Painting, ASurfaceIsMadeAtTheFirstPaintAtTheSizeThen) {
    auto* panel = new TPanel(form.get());
    panel->SetBounds(0, 0, 100, 40);
    panel->SetParent(form.get());
    auto* shape = new TShape(form.get());
    shape->SetBounds(0, 0, 20, 20);
    shape->Brush().SetColor(clLime);
    shape->Pen().SetStyle(psClear);
    shape->SetParent(panel);
    auto* label = new TLabel(form.get());
    label->SetCaption("Never shown");
    label->Font().SetSize(14);
    label->SetParent(panel);
    label->SetVisible(false);
    shape->SetBounds(0, 0, 30, 20);
    for (TControl* c : std::initializer_list<TControl*>{form.get(), panel, shape, label})
        EXPECT_FALSE(c->HasSurface()) << c->Name();

    ShowForm(form.get());
    const QImage first = Grab(shape);
    EXPECT_TRUE(shape->HasSurface());
    EXPECT_TRUE(shape->SurfaceFits());
    EXPECT_EQ(At(first, 25, 15), clLime); // beyond the 20x20 it was made with
    EXPECT_FALSE(label->HasSurface());    // hidden: never painted

    shape->SetBounds(0, 0, 40, 30);
    const QImage grown = Grab(shape);
    EXPECT_TRUE(shape->SurfaceFits());
    EXPECT_EQ(grown.size(), QSize(40, 30));
    EXPECT_EQ(At(grown, 35, 25), clLime);
}

// A window keeps its composed picture while nothing in it changes, and
// composes again when a child moves, hides or is drawn on.
TEST_F(Painting, AWindowShowsItsChildrenWhereTheyAreNow) {
    auto* panel = RedPanel(40);
    auto* shape = LimeSquareOn(panel);
    auto* box = new TPaintBox(form.get());
    box->SetBounds(60, 0, 20, 20);
    box->SetParent(panel);
    ShowForm(form.get());

    const QImage first = Grab(panel);
    EXPECT_EQ(At(first, 5, 5), clLime);
    EXPECT_EQ(Grab(panel), first); // nothing changed, the same picture

    shape->SetBounds(30, 0, 20, 20);
    QImage image = Grab(panel);
    EXPECT_EQ(At(image, 5, 5), clRed);
    EXPECT_EQ(At(image, 35, 5), clLime);

    shape->SetVisible(false);
    EXPECT_EQ(At(Grab(panel), 35, 5), clRed);

    box->Canvas().Brush().SetColor(clBlue);
    box->Canvas().FillRect(TRect{0, 0, 20, 20});
    EXPECT_EQ(At(Grab(panel), 65, 5), clBlue);
}

// The demo form: a panel, a picture with a transparent label over it, an
// edit with an up-down and a button with a modal result, read from text.
std::string DemoFormText() {
    TBitmap picture(160, 100);
    QImage& img = picture.Image();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(40 + x, 60 + y, 160));
    const auto bytes = picture.SaveToBytes();
    std::string hex = "{07" + std::string("54426974") + "6D6170"; // "TBitmap"
    char buf[3];
    for (auto b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", unsigned(b));
        hex += buf;
    }
    hex += "}";
    return R"(object DemoForm: TForm
  Left = 0
  Top = 0
  Caption = 'Demo'
  BorderStyle = bsDialog
  ClientWidth = 360
  ClientHeight = 200
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 344
    Height = 140
    BevelOuter = bvLowered
    BevelInner = bvRaised
    Color = clSilver
    object Image1: TImage
      Left = 10
      Top = 10
      Width = 160
      Height = 100
      Picture.Data = )" +
           hex + R"(
    end
    object Label1: TLabel
      Left = 20
      Top = 45
      Caption = 'Over the picture'
      Transparent = True
      Font.Color = clYellow
      Font.Height = -16
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label2: TLabel
      Left = 180
      Top = 14
      Caption = '&Gain:'
    end
    object Edit1: TEdit
      Left = 220
      Top = 10
      Width = 80
      Height = 21
    end
    object UpDown1: TUpDown
      Left = 300
      Top = 10
      Width = 17
      Height = 21
      Min = 0
      Max = 2000
      Position = 1000
      Associate = Edit1
    end
  end
  object Button1: TButton
    Left = 277
    Top = 164
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
  end
end
)";
}

TEST_F(Painting, DemoFormFromAFormStream) {
    form->SetName("DemoForm");
    korvan::forms::ReadComponentText(DemoFormText(), form.get());
    auto* edit = Find<TEdit>(form.get(), "Edit1");
    auto* updown = Find<TUpDown>(form.get(), "UpDown1");
    auto* label = Find<TLabel>(form.get(), "Label1");
    auto* button = Find<TButton>(form.get(), "Button1");
    ASSERT_TRUE(edit && updown && label && button);
    EXPECT_EQ(edit->Text(), "1000");
    EXPECT_EQ(form->ClientWidth(), 360);
    input.Click(updown, 8, 4); // the upper arrow
    EXPECT_EQ(edit->Text(), "1001");
    ShowForm(form.get());
    const QImage image = Grab(form.get());
    SavePng(image, "demo_form");
    // The label's transparent background shows the picture.
    const TPoint p = label->ClientToParent(Point(1, 1), form.get());
    const QRgb under = image.pixel(p.X, p.Y);
    EXPECT_EQ(qBlue(under), 160);
    // Return on the edit presses the OK button, which ends the modal form.
    form->Hide();
    EXPECT_EQ(korvan::testing::RunModal(form.get(), [&] { input.Key(edit, VK_RETURN, 0, "\r"); }), mrOk);
}

} // namespace
