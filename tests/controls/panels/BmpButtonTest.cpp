// Bitmap buttons: the face shown for each state, glyph layout, groups,
// presses by mouse and keys, the modal result and keyed faces over the
// parent's picture.

#include "controls/panels/BmpButton.h"
#include "controls/panels/Panel.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::panels::GlyphPlacement;
using korvan::panels::PlaceGlyph;
using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::KeyedFace;
using korvan::testing::PixelAt;
using korvan::testing::SolidFace;

class BmpButton : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzBmpButton* Add(TWinControl* parent, int left, int top, int group = 0) {
        auto* b = new TRzBmpButton(form.get());
        b->SetButtonSize(bszStretchToButton);
        b->SetBounds(left, top, 40, 24);
        b->SetShowFocus(false);
        b->SetGroupIndex(group);
        b->SetParent(parent);
        return b;
    }
    TColor Centre(TRzBmpButton* b) {
        ProcessEvents();
        return PixelAt(Grab(b), b->Width() / 2, b->Height() / 2);
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

// ---------------------------------------------------------------- faces

enum Face : unsigned { kUp = 1, kFocused = 2, kDisabled = 4, kDown = 8, kStayDown = 16, kHot = 32 };
enum class Action { None, Focus, Disable, Press, HoldDown, Hover };

struct FaceCase {
    const char* name;
    unsigned present;
    Action action;
    TColor expected; // clNone: the embossed face
};

TEST_F(BmpButton, ShowsTheBitmapOfItsStateOrTheNextOneDown) {
    const FaceCase cases[] = {
        {"up", kUp | kDown | kHot, Action::None, clRed},
        {"up and focused", kUp | kFocused, Action::Focus, clFuchsia},
        {"focused without its face", kUp, Action::Focus, clRed},
        {"hot", kUp | kHot, Action::Hover, clYellow},
        {"pressed", kUp | kDown, Action::Press, clLime},
        {"pressed without Down", kUp, Action::Press, clRed},
        {"held", kUp | kDown | kStayDown, Action::HoldDown, clBlue},
        {"held without StayDown", kUp | kDown, Action::HoldDown, clLime},
        {"held with Up only", kUp, Action::HoldDown, clRed},
        {"disabled", kUp | kDisabled, Action::Disable, clGray},
        {"disabled without Up", kDisabled, Action::Disable, clGray},
        {"embossed", kUp, Action::Disable, clNone},
    };
    const std::pair<unsigned, TColor> colours[] = {{kUp, clRed},        {kFocused, clFuchsia},
                                                   {kDisabled, clGray}, {kDown, clLime},
                                                   {kStayDown, clBlue}, {kHot, clYellow}};
    ShowForm(form.get());
    for (const FaceCase& fc : cases) {
        SCOPED_TRACE(fc.name);
        TRzBmpButton* b = Add(form.get(), 10, 10, 1);
        b->SetAllowAllUp(true);
        b->SetShowFocus(fc.action == Action::Focus);
        TRzButtonBitmaps& bm = *b->Bitmaps();
        for (auto [bit, colour] : colours) {
            if (!(fc.present & bit))
                continue;
            TBitmap face = SolidFace(20, 20, colour);
            TBitmap* slot[] = {bm.Up(), bm.UpAndFocused(), bm.Disabled(), bm.Down(), bm.StayDown(), bm.Hot()};
            slot[__builtin_ctz(bit)]->Assign(face);
        }
        switch (fc.action) {
        case Action::None:
            break;
        case Action::Focus:
            b->SetFocus();
            break;
        case Action::Disable:
            b->SetEnabled(false);
            break;
        case Action::Press:
            input.MouseDown(b, 5, 5);
            break;
        case Action::HoldDown:
            b->SetDown(true);
            break;
        case Action::Hover:
            input.MouseMove(b, 5, 5);
            break;
        }
        const TColor shown = Centre(b);
        if (fc.expected == clNone) {
            EXPECT_EQ(b->State(), bsDisabled);
            EXPECT_NE(shown, ColorToRGB(clRed));
        } else {
            EXPECT_EQ(shown, ColorToRGB(fc.expected));
        }
        if (fc.action == Action::Press)
            input.MouseUp(b, 5, 5);
        input.MoveOutside();
        delete b;
    }
}

TEST_F(BmpButton, WithoutBitmapsOnlyTheCaptionAndBorderAreDrawn) {
    form->SetColor(clAqua);
    TRzBmpButton* b = Add(form.get(), 10, 10);
    b->SetBounds(10, 10, 80, 30);
    b->SetCaption("Go");
    b->SetButtonBorder(bbSingle);
    b->SetColor(clWhite);
    ShowForm(form.get());
    const QImage image = Grab(b);
    EXPECT_EQ(PixelAt(image, 0, 0), clBlack); // the single border
    EXPECT_EQ(PixelAt(image, 3, 3), clWhite); // the face colour
    bool dark = false;
    for (int x = 30; x < 50; ++x)
        for (int y = 8; y < 22; ++y)
            dark |= PixelAt(image, x, y) == clBlack; // the caption
    EXPECT_TRUE(dark);
    b->SetEnabled(false);
    EXPECT_EQ(b->State(), bsUp);
    Centre(b);
    EXPECT_EQ(b->State(), bsDisabled);
}

TEST_F(BmpButton, ButtonToBitmapTakesTheBitmapSizePlusTheBorder) {
    korvan::forms::LoadScope scope(form.get());
    auto* b = scope.Create<TRzBmpButton>(form.get(), "btn");
    b->SetParent(form.get());
    b->Bitmaps()->Up()->Assign(SolidFace(33, 17, clRed));
    EXPECT_EQ(b->Width(), 80); // not while loading
    scope.Finish();
    EXPECT_EQ(b->Width(), 33);
    EXPECT_EQ(b->Height(), 17);
    TBitmap wider = SolidFace(40, 20, clRed); // the setter copies it
    b->Bitmaps()->SetUp(&wider);
    EXPECT_EQ(b->Width(), 40);
    b->SetButtonBorder(bbButton);
    EXPECT_EQ(b->Width(), 44);
    EXPECT_EQ(b->Height(), 24);
    b->SetButtonStyle(bsWin31);
    EXPECT_EQ(b->Width(), 46);
}

TEST(GlyphLayout, PlacesBitmapAndCaption) {
    struct Case {
        const char* name;
        TSize glyph, text;
        TButtonLayout layout;
        int margin, spacing;
        TRect text_, glyph_;
    };
    const TRect face = Rect(0, 0, 100, 40);
    const Case cases[] = {
        // Stretched bitmaps lay the caption out alone: centred.
        {"no glyph, centred", {0, 0}, {30, 12}, blGlyphLeft, -1, 4, Rect(35, 14, 65, 26), face},
        {"no glyph, top", {0, 0}, {30, 12}, blGlyphTop, -1, 4, Rect(35, 14, 65, 26), face},
        {"set margin, left", {0, 0}, {30, 12}, blGlyphLeft, 14, 4, Rect(14, 14, 44, 26), face},
        {"glyph left, computed both",
         {20, 16},
         {30, 12},
         blGlyphLeft,
         -1,
         -1,
         Rect(52, 14, 82, 26),
         Rect(16, 12, 36, 28)},
        {"glyph left, spacing 4",
         {20, 16},
         {30, 12},
         blGlyphLeft,
         -1,
         4,
         Rect(47, 14, 77, 26),
         Rect(23, 12, 43, 28)},
        {"glyph right, margin 5",
         {20, 16},
         {30, 12},
         blGlyphRight,
         5,
         4,
         Rect(41, 14, 71, 26),
         Rect(75, 12, 95, 28)},
        {"glyph top, margin 2, computed spacing",
         {20, 16},
         {30, 12},
         blGlyphTop,
         2,
         -1,
         Rect(35, 23, 65, 35),
         Rect(40, 2, 60, 18)},
        {"glyph bottom, no caption",
         {20, 16},
         {0, 0},
         blGlyphBottom,
         -1,
         4,
         Rect(50, 12, 50, 12),
         Rect(40, 12, 60, 28)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GlyphPlacement p = PlaceGlyph(face, c.glyph, c.text, c.layout, c.margin, c.spacing);
        EXPECT_EQ(p.Text, c.text_);
        EXPECT_EQ(p.Glyph, c.glyph_);
    }
}

// ---------------------------------------------------------------- groups

TEST_F(BmpButton, GoingDownReleasesTheGroupOnTheSameParentOnly) {
    auto* panel = new TRzPanel(form.get());
    panel->SetBounds(0, 100, 200, 50);
    panel->SetParent(form.get());
    TRzBmpButton* a = Add(form.get(), 0, 0, 3);
    TRzBmpButton* b = Add(form.get(), 50, 0, 3);
    TRzBmpButton* other = Add(form.get(), 100, 0, 4);
    TRzBmpButton* elsewhere = Add(panel, 0, 0, 3);
    a->SetDown(true);
    other->SetDown(true);
    elsewhere->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->State(), bsExclusive);
    EXPECT_TRUE(other->Down());
    EXPECT_TRUE(elsewhere->Down());
    // No group: Down cannot be set.
    TRzBmpButton* single = Add(form.get(), 150, 0);
    single->SetDown(true);
    EXPECT_FALSE(single->Down());
}

TEST_F(BmpButton, AStrictGroupKeepsItsButtonDownUntilAllowAllUpReachesIt) {
    TRzBmpButton* a = Add(form.get(), 0, 0, 1);
    TRzBmpButton* b = Add(form.get(), 50, 0, 1);
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(form.get());
    input.Click(a);
    EXPECT_TRUE(a->Down());
    input.Click(a);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(a->Down());
    a->SetDown(false);
    EXPECT_TRUE(a->Down());
    b->SetAllowAllUp(true); // passed to every button of the group
    EXPECT_TRUE(a->AllowAllUp());
    a->SetDown(false);
    EXPECT_FALSE(a->Down());
    input.Click(b);
    input.Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->State(), bsUp);
}

TEST_F(BmpButton, DraggingOffAndBackOnShowsThePressOnlyOverTheButton) {
    TRzBmpButton* b = Add(form.get(), 10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(form.get());
    input.MouseDown(b, 5, 5);
    EXPECT_EQ(b->State(), bsDown);
    input.MouseMove(b, 40, 5); // the column to the right is outside
    EXPECT_EQ(b->State(), bsUp);
    input.MouseMove(b, 5, 24); // the row below still counts
    EXPECT_EQ(b->State(), bsDown);
    input.MouseMove(b, 5, 25);
    EXPECT_EQ(b->State(), bsUp);
    input.MouseUp(b, 5, 25);
    EXPECT_EQ(clicks, 0);
    input.MouseDown(b, 5, 5);
    input.MouseMove(b, 60, 5);
    input.MouseMove(b, 6, 6);
    input.MouseUp(b, 6, 6);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->State(), bsUp);
}

TEST_F(BmpButton, APressBegunByTheMouseEndsWithAKeyRelease) {
    TRzBmpButton* b = Add(form.get(), 10, 10, 2);
    b->SetAllowAllUp(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(form.get());
    input.MouseDown(b, 5, 5);
    EXPECT_TRUE(b->Dragging());
    input.KeyUp(b, VK_SHIFT);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Down());
    input.MouseUp(b, 5, 5); // the press is over: nothing more
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Down());
}

TEST_F(BmpButton, SpaceOnAHeldButtonOfAStrictGroupKeepsTheHeldFace) {
    TRzBmpButton* a = Add(form.get(), 10, 10, 1);
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(form.get());
    a->SetDown(true);
    a->SetFocus();
    input.KeyDown(a, VK_SPACE, 0, " ");
    EXPECT_EQ(a->State(), bsExclusive);
    input.KeyUp(a, VK_SPACE);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), bsExclusive);
    // Space on a free button: a press and a click, up again.
    TRzBmpButton* free = Add(form.get(), 60, 10);
    free->SetFocus();
    input.KeyDown(free, VK_SPACE, 0, " ");
    EXPECT_EQ(free->State(), bsDown);
    input.KeyUp(free, VK_SPACE);
    EXPECT_EQ(free->State(), bsUp);
    input.Key(free, VK_RETURN);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BmpButton, ADisabledHeldButtonShowsThePressedFaceWhenEnabledAgain) {
    TRzBmpButton* b = Add(form.get(), 10, 10, 1);
    b->Bitmaps()->Up()->Assign(SolidFace(20, 20, clRed));
    b->Bitmaps()->Down()->Assign(SolidFace(20, 20, clLime));
    b->Bitmaps()->StayDown()->Assign(SolidFace(20, 20, clBlue));
    ShowForm(form.get());
    b->SetDown(true);
    b->SetEnabled(false);
    Centre(b);
    EXPECT_EQ(b->State(), bsDisabled);
    b->SetEnabled(true);
    EXPECT_EQ(Centre(b), clLime);
    EXPECT_EQ(b->State(), bsDown);
}

TEST_F(BmpButton, AClickCopiesTheModalResultIntoTheForm) {
    TRzBmpButton* ok = Add(form.get(), 10, 10);
    ok->SetModalResult(mrOk);
    TRzBmpButton* none = Add(form.get(), 60, 10);
    form->SetModalResult(mrRetry);
    ShowForm(form.get());
    input.Click(none);
    EXPECT_EQ(form->ModalResult(), mrNone);
    form->Hide();
    const int result = korvan::testing::RunModal(form.get(), [&] { input.Click(ok); });
    EXPECT_EQ(result, mrOk);
}

TEST_F(BmpButton, TheAcceleratorClicksAnEnabledButton) {
    TRzBmpButton* b = Add(form.get(), 10, 10);
    b->SetCaption("&Store");
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    EXPECT_TRUE(form->DialogChar('s'));
    b->SetEnabled(false);
    EXPECT_FALSE(form->DialogChar('s'));
    EXPECT_EQ(clicks, 1);
}

TEST_F(BmpButton, TheDownPatternLivesWhileAnyButtonDoes) {
    {
        TRzBmpButton* b = Add(form.get(), 10, 10, 1);
        b->SetButtonBorder(bbSingle);
        ShowForm(form.get());
        b->SetDown(true);
        const QImage image = Grab(b);
        ASSERT_NE(TRzBmpButton::DownPatternBitmap(), nullptr);
        // The checkerboard of white and button face fills the held face.
        EXPECT_NE(PixelAt(image, 5, 5), PixelAt(image, 6, 5));
        EXPECT_EQ(PixelAt(image, 5, 5), PixelAt(image, 6, 6));
    }
    form.reset();
    EXPECT_EQ(TRzBmpButton::BmpButtonCount(), 0);
    EXPECT_EQ(TRzBmpButton::DownPatternBitmap(), nullptr);
}

// ---------------------------------------------------------------- keyed faces

// A background picture: bands of blue to orange.
void PaintBackground(TImage* image, int w, int h) {
    TBitmap pic(w, h);
    for (int y = 0; y < h; ++y) {
        pic.Canvas().Brush().SetColor(RGB(30 + y * 150 / h, 60, 160 - y * 120 / h));
        pic.Canvas().FillRect(Rect(0, y, w, y + 1));
    }
    pic.Canvas().Brush().SetColor(RGB(240, 240, 220));
    for (int x = 0; x < w; x += 24)
        pic.Canvas().FillRect(Rect(x, 0, x + 2, h));
    image->Picture().SetGraphic(std::make_unique<TBitmap>(pic));
}

TEST_F(BmpButton, KeyedFacesLetTheParentPictureShowThrough) {
    form->SetBounds(0, 0, 420, 240);
    form->SetCaption("Bitmap buttons");
    auto* background = new TImage(form.get());
    background->SetAlign(alClient);
    background->SetParent(form.get());
    PaintBackground(background, 600, 400); // larger than the client area: unscaled
    auto* bar = new TRzPanel(form.get());
    bar->SetBorderOuter(fsNone);
    bar->SetTransparent(true);
    bar->SetBounds(10, 120, 400, 90);
    bar->SetParent(form.get());

    // Three teal-keyed channel buttons in one strict group, two olive-keyed
    // toggles that may all be up.
    std::vector<TRzBmpButton*> channels, toggles;
    const char* names[] = {"In A", "In B", "Out 1"};
    for (int i = 0; i < 3; ++i) {
        TRzBmpButton* b = Add(form.get(), 20 + i * 90, 20, 1);
        b->SetBounds(20 + i * 90, 20, 80, 36);
        b->SetCaption(names[i]);
        b->SetParentFont(false);
        b->Font().SetColor(clWhite);
        b->SetCaptionDownOffset(0);
        b->Bitmaps()->SetTransparentColor(clTeal);
        b->Bitmaps()->Up()->Assign(KeyedFace(40, 20, clTeal, RGB(60, 70, 80), RGB(20, 20, 20)));
        b->Bitmaps()->Down()->Assign(KeyedFace(40, 20, clTeal, RGB(30, 140, 60), RGB(10, 60, 20)));
        b->Bitmaps()->StayDown()->Assign(KeyedFace(40, 20, clTeal, RGB(40, 190, 80), RGB(10, 80, 30)));
        channels.push_back(b);
    }
    for (int i = 0; i < 2; ++i) {
        TRzBmpButton* b = Add(bar, 20 + i * 110, 20, 2);
        b->SetBounds(20 + i * 110, 20, 100, 44);
        b->SetAllowAllUp(true);
        b->SetCaption(i == 0 ? "Mute" : "Link");
        b->SetParentFont(false);
        b->SetLayout(blGlyphTop);
        b->Bitmaps()->Up()->Assign(KeyedFace(50, 22, clOlive, RGB(220, 220, 210), RGB(90, 90, 90)));
        b->Bitmaps()->StayDown()->Assign(KeyedFace(50, 22, clOlive, RGB(250, 200, 60), RGB(140, 90, 0)));
        toggles.push_back(b);
    }
    ShowForm(form.get());
    input.Click(channels[1]);
    input.Click(toggles[0]);
    input.MouseDown(channels[2], 40, 18); // held while the picture is taken

    ProcessEvents();
    const QImage shot = Grab(form.get());
    korvan::testing::SavePng(shot, "panels_bitmap_buttons");
    const TPoint origin = form->ClientOrigin();
    auto at = [&](TControl* c, int x, int y) {
        const TPoint p = c->ClientToParent(Point(x, y), form.get());
        return PixelAt(shot, p.X + origin.X, p.Y + origin.Y);
    };
    auto background_at = [&](TControl* c, int x, int y) {
        const TPoint p = c->ClientToParent(Point(x, y), form.get());
        const QImage pic = background->Picture().Graphic()->ToImage();
        return PixelAt(pic, p.X, p.Y);
    };
    EXPECT_TRUE(channels[1]->Down());
    EXPECT_EQ(channels[2]->State(), bsDown);
    EXPECT_TRUE(toggles[0]->Down());
    // The key colour never shows; the background does at the corners.
    for (TRzBmpButton* b : {channels[0], channels[1], channels[2], toggles[0], toggles[1]}) {
        EXPECT_EQ(at(b, 0, 0), background_at(b, 0, 0)) << b->Caption();
        EXPECT_EQ(at(b, b->Width() - 1, b->Height() - 1), background_at(b, b->Width() - 1, b->Height() - 1));
    }
    // Faces by state: up grey, held bright green, pressed darker green.
    EXPECT_EQ(at(channels[0], 12, 10), RGB(60, 70, 80));
    EXPECT_EQ(at(channels[1], 12, 10), RGB(40, 190, 80));
    EXPECT_EQ(at(channels[2], 12, 10), RGB(30, 140, 60));
    EXPECT_EQ(at(toggles[0], 14, 8), RGB(250, 200, 60));
    EXPECT_EQ(at(toggles[1], 14, 8), RGB(220, 220, 210));
    input.MouseUp(channels[2], 40, 18);
    EXPECT_TRUE(channels[2]->Down());
    EXPECT_FALSE(channels[1]->Down());
}

// ---------------------------------------------------------------- stored form

TEST_F(BmpButton, AStoredFormKeepsTheCaption) {
    korvan::panels::RegisterPanelClasses();
    form->SetName("Form");
    // Plain, with an accelerator and quotes, non-ASCII, and none at all.
    const std::vector<std::string> captions = {"Mute", "&Link 'A'", "Gain \u00b1 dB", ""};
    for (size_t i = 0; i < captions.size(); ++i) {
        TRzBmpButton* b = Add(form.get(), 10, 10 + int(i) * 30);
        b->SetName("rzbChannel" + std::to_string(i));
        b->SetCaption(captions[i]);
    }
    const std::string text = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(text.find("Caption = 'Mute'"), std::string::npos) << text;

    TForm back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* read = korvan::testing::Find<TRzBmpButton>(&back, "rzbChannel" + std::to_string(i));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Caption(), captions[i]);
    }
}

} // namespace
