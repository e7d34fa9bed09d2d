// Shape buttons: the up and down images grown from the source shape, the
// hit-test mask that lets clicks on transparent pixels through, auto size,
// caption placement, disabled buttons and the images kept in the form.

#include "controls/panels/ShapeButton.h"
#include "controls/panels/ColorShading.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Palette.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::panels::BuildStateImage;
using korvan::panels::RingOffsets;
using korvan::panels::ShapeRings;
using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;
using korvan::testing::SolidFace;

// A 30 x 20 fuchsia ground (the transparent colour, bottom left) with a
// navy block from (8, 6) to (21, 13).
TBitmap Shape() {
    TBitmap b = SolidFace(30, 20, clFuchsia);
    b.Canvas().Brush().SetColor(clNavy);
    b.Canvas().FillRect(Rect(8, 6, 22, 14));
    return b;
}

TEST(ShapeImages, RingOffsetsCountOutwards) {
    const std::pair<int, int> sizes[] = {{5, 3}, {9, 7}, {13, 11}};
    for (int ring = 1; ring <= 3; ++ring) {
        EXPECT_EQ(int(RingOffsets(ring, 0).size()), sizes[ring - 1].first);
        EXPECT_EQ(int(RingOffsets(ring, 1).size()), sizes[ring - 1].second);
    }
    EXPECT_EQ(RingOffsets(1, 0), (std::vector<TPoint>{{1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}}));
    EXPECT_EQ(RingOffsets(1, 1), (std::vector<TPoint>{{-1, 0}, {-1, -1}, {0, -1}}));
}

TEST(ShapeImages, RingsGrowAroundTheShape) {
    const TBitmap source = Shape();
    struct Probe {
        int x, y;
        TColor up, down;
    };
    struct Case {
        const char* name;
        ShapeRings rings;
        std::vector<Probe> probes;
    };
    const ShapeRings plain{0, false, clWhite, clGray, clBlack};
    const ShapeRings full{2, true, clWhite, clGray, clBlack};
    const Case cases[] = {
        {"no bevel, no border: the source itself",
         plain,
         {{7, 10, clFuchsia, clFuchsia}, {8, 10, clNavy, clNavy}, {22, 10, clFuchsia, clFuchsia}}},
        {"two bevel rings and a border",
         full,
         {
             {8, 10, clNavy, clNavy},
             {7, 10, clWhite, clGray},  // ring 1, left: light when up
             {6, 10, clWhite, clGray},  // ring 2
             {5, 10, clBlack, clBlack}, // the border ring
             {4, 10, clFuchsia, clFuchsia},
             {22, 10, clGray, clWhite},    // ring 1, right: dark when up
             {23, 10, clGray, clWhite},    // ring 2
             {24, 10, clBlack, clFuchsia}, // the down image has no outer bottom-right part
             {15, 5, clWhite, clGray},     // top
             {15, 14, clGray, clWhite},    // bottom
             {15, 16, clBlack, clFuchsia},
             {22, 5, clGray, clWhite}, // the top-right corner belongs to the bottom-right side
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TBitmap up = BuildStateImage(source, bsUp, c.rings);
        const TBitmap down = BuildStateImage(source, bsDown, c.rings);
        for (const Probe& p : c.probes) {
            SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
            EXPECT_EQ(PixelAt(up.Image(), p.x, p.y), p.up);
            EXPECT_EQ(PixelAt(down.Image(), p.x, p.y), p.down);
        }
    }
    // A highlight in the transparent colour would vanish: one step darker.
    const TBitmap keyed = BuildStateImage(source, bsUp, {1, false, clFuchsia, clGray, clBlack});
    EXPECT_EQ(PixelAt(keyed.Image(), 7, 10), DarkerColor(clFuchsia, 1));
}

class ShapeButton : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzShapeButton* Add(int left = 20, int top = 20) {
        auto* s = new TRzShapeButton(form.get());
        s->SetLeft(left);
        s->SetTop(top);
        s->SetParent(form.get());
        TBitmap shape = Shape();
        s->SetBitmap(&shape);
        s->OnClick = [this](TObject*) { ++clicks; };
        return s;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    int clicks = 0;
};

TEST_F(ShapeButton, AutoSizeTakesTheBitmapPlusFour) {
    auto* s = new TRzShapeButton(form.get());
    EXPECT_EQ(s->Width(), 80);
    TBitmap b = SolidFace(100, 40, clRed);
    s->SetBitmap(&b);
    EXPECT_EQ(s->Width(), 104);
    EXPECT_EQ(s->Height(), 44);
    s->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(s->Width(), 104);
    s->SetAutoSize(false);
    s->SetBounds(0, 0, 10, 10);
    EXPECT_EQ(s->Width(), 10);
    s->SetBevelWidth(5);
    EXPECT_EQ(s->BevelWidth(), 2);
}

TEST_F(ShapeButton, AClickOnATransparentPixelReachesTheControlBelow) {
    auto* below = new TPaintBox(form.get());
    below->SetBounds(0, 0, 100, 80);
    below->SetParent(form.get());
    below->OnPaint = [below](TObject*) {
        below->Canvas().Brush().SetColor(clLime);
        below->Canvas().FillRect(Rect(0, 0, 100, 80));
    };
    int belowClicks = 0;
    below->OnClick = [&](TObject*) { ++belowClicks; };
    TRzShapeButton* s = Add();
    s->SetBevelWidth(0);
    s->SetBorderStyle(bsNone);
    ShowForm(form.get());
    EXPECT_FALSE(s->PtInMask(2, 2));
    EXPECT_TRUE(s->PtInMask(10, 10));

    // The picture: the shape over the control below, which shows around it.
    const QImage shot = Grab(form.get());
    const TPoint origin = form->ScreenToClient(s->ClientToScreen(Point(0, 0)));
    EXPECT_EQ(PixelAt(shot, origin.X + 10, origin.Y + 10), clNavy);
    EXPECT_EQ(PixelAt(shot, origin.X + 2, origin.Y + 2), clLime);

    input.Click(s, 2, 2); // transparent
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(belowClicks, 1);
    input.Click(s, 10, 10); // on the shape
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(belowClicks, 1);

    // Without PreciseClick the whole rectangle is the button.
    s->SetPreciseClick(false);
    input.Click(s, 2, 2);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(belowClicks, 1);
}

TEST_F(ShapeButton, APressShowsTheDownImageWhileOverTheShape) {
    TRzShapeButton* s = Add();
    ShowForm(form.get());
    input.MouseDown(s, 10, 10);
    EXPECT_EQ(s->State(), bsDown);
    QImage shot = Grab(s);
    // The down image stands one pixel down and right: its left ring is
    // dark, one column further right than the up image's.
    EXPECT_EQ(PixelAt(shot, 8, 10), ColorToRGB(clBtnShadow));
    input.MouseMove(s, 2, 2); // off the shape
    EXPECT_EQ(s->State(), bsUp);
    input.MouseMove(s, 12, 10);
    EXPECT_EQ(s->State(), bsDown);
    input.MouseUp(s, 12, 10);
    EXPECT_EQ(s->State(), bsUp);
    EXPECT_EQ(clicks, 1);
    shot = Grab(s);
    EXPECT_EQ(PixelAt(shot, 7, 10), ColorToRGB(clBtnHighlight));
    // Released off the shape: no click.
    input.MouseDown(s, 10, 10);
    input.MouseUp(s, 1, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShapeButton, ADisabledButtonNeverChangesAndKeepsItsCaptionColour) {
    TRzShapeButton* s = Add();
    s->SetBevelWidth(0);
    s->SetBorderStyle(bsNone);
    s->SetCaption("I");
    s->Font().SetColor(clYellow);
    s->Font().SetQuality(fqNonAntialiased);
    s->SetEnabled(false);
    ShowForm(form.get());
    input.Click(s, 15, 10);
    EXPECT_EQ(s->State(), bsUp);
    EXPECT_EQ(clicks, 0);
    const QImage shot = Grab(s);
    bool yellow = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            yellow |= PixelAt(shot, x, y) == clYellow;
    EXPECT_TRUE(yellow);
}

TEST_F(ShapeButton, CaptionPlacement) {
    TRzShapeButton* s = Add();
    EXPECT_EQ(s->CaptionPosition(), cpCentered);
    s->SetCaptionX(18);
    EXPECT_EQ(s->CaptionPosition(), cpXY);
    EXPECT_EQ(s->CaptionX(), 18);
    s->SetCaptionPosition(cpCentered);
    s->SetCaptionX(18); // unchanged: stays centred
    EXPECT_EQ(s->CaptionPosition(), cpCentered);
    s->SetCaptionXY(14, 6);
    EXPECT_EQ(s->CaptionPosition(), cpXY);
    EXPECT_EQ(s->CaptionY(), 6);
}

TEST_F(ShapeButton, TheFormKeepsTheStateImages) {
    korvan::panels::RegisterPanelClasses();
    form->SetName("Form");
    TRzShapeButton* s = Add();
    s->SetName("rzsPlate");
    s->SetCaption("Preset");
    s->SetBevelWidth(1);
    s->SetCaptionXY(14, 6);
    const std::string text = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(text.find("BitmapUp"), std::string::npos);
    EXPECT_NE(text.find("BitmapDown"), std::string::npos);

    TForm back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    auto* read = korvan::testing::Find<TRzShapeButton>(&back, "rzsPlate");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->BitmapUp()->Image().convertToFormat(QImage::Format_RGB32),
              s->BitmapUp()->Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(read->BitmapDown()->Image().convertToFormat(QImage::Format_RGB32),
              s->BitmapDown()->Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(read->CaptionPosition(), cpXY);
    EXPECT_EQ(read->Caption(), "Preset");
    EXPECT_EQ(read->Width(), 34);
    // The mask after loading: opaque in the source or in the up image.
    EXPECT_TRUE(read->PtInMask(7, 10));
    EXPECT_FALSE(read->PtInMask(2, 2));
}

TEST_F(ShapeButton, OffTheShapeTheHintGoesFirstAndTheCursorOnlyWithoutIt) {
    struct Case {
        bool preciseShowHint, preciseClick;
        bool hintAside, cursorAside;
    };
    const Case cases[] = {
        {true, true, true, false},
        {true, false, true, false},
        {false, true, false, true},
        {false, false, false, false},
    };
    TRzShapeButton* s = Add();
    ShowForm(form.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.preciseShowHint << c.preciseClick);
        s->SetPreciseShowHint(c.preciseShowHint);
        s->SetPreciseClick(c.preciseClick);
        s->SetShowHint(true);
        s->SetCursor(crHandPoint);
        const bool parentShowHint = s->ParentShowHint();
        // Held down on the shape, the moves off it still come here.
        input.MouseDown(s, 10, 10);
        input.MouseMove(s, 2, 2);
        EXPECT_EQ(s->ShowHint(), !c.hintAside);
        EXPECT_EQ(s->ParentShowHint(), c.hintAside ? false : parentShowHint);
        EXPECT_EQ(s->Cursor(), c.cursorAside ? crDefault : crHandPoint);
        input.MouseMove(s, 10, 10); // back on the shape: all as it was
        EXPECT_TRUE(s->ShowHint());
        EXPECT_EQ(s->ParentShowHint(), parentShowHint);
        EXPECT_EQ(s->Cursor(), crHandPoint);
        input.MouseUp(s, 10, 10);
    }
}

TEST_F(ShapeButton, ThePaletteIsTheSourceBitmaps) {
    TRzShapeButton* s = Add();
    EXPECT_FALSE(s->GetPalette());
    TBitmap shape = Shape();
    TLogPalette log;
    log.palPalEntry = {{255, 0, 255, 0}, {0, 0, 128, 0}};
    shape.SetPalette(korvan::gfx::Palettes().CreatePalette(log));
    s->SetBitmap(&shape);
    EXPECT_EQ(s->GetPalette(), shape.Palette());
    // The state images have copies of their own.
    ASSERT_TRUE(s->BitmapUp()->Palette());
    EXPECT_NE(s->BitmapUp()->Palette(), shape.Palette());
    EXPECT_NE(s->BitmapDown()->Palette(), s->BitmapUp()->Palette());
    TControl* control = s;
    EXPECT_EQ(control->GetPalette(), shape.Palette());
}

TEST_F(ShapeButton, AStoredUpImageSmallerThanTheSourceLeavesTheRestToTheSource) {
    korvan::panels::RegisterPanelClasses();
    form->SetName("Form");
    TRzShapeButton* s = Add();
    s->SetName("rzsPlate");
    // An up image of 10 x 10, all opaque: its area is inside, the rest of
    // the mask is the source's own.
    TBitmap up = SolidFace(10, 10, clGreen);
    s->SetBitmapUp(&up);
    const std::string text = korvan::forms::WriteComponentText(form.get());
    TForm back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    auto* read = korvan::testing::Find<TRzShapeButton>(&back, "rzsPlate");
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->PtInMask(2, 2));   // in the up image's area
    EXPECT_FALSE(read->PtInMask(2, 15)); // transparent in the source, beyond the up image
    EXPECT_FALSE(read->PtInMask(25, 2));
    EXPECT_TRUE(read->PtInMask(15, 10)); // the source's shape
}

} // namespace
