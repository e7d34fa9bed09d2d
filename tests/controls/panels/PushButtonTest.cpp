// Push buttons: the classic face with its focus ring, presses that follow
// the pointer, the space key, Return and Escape on the form, groups with
// the held-down pattern, the hot-tracked face over its parent and the
// caption's placement.

#include "controls/panels/PushButton.h"
#include "controls/panels/PanelClasses.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Fonts.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

class PushButton : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // A button as the PEQ grid makes its bypass switches.
    TRzButton* Add(const std::string& caption, int left = 10, int top = 10, int group = 0) {
        auto* b = new TRzButton(form.get());
        b->SetThemeAware(false);
        b->SetCaption(caption);
        b->SetBounds(left, top, 60, 22);
        b->SetGroupIndex(group);
        b->SetParent(form.get());
        b->OnClick = [this](TObject* sender) { clicked.push_back(static_cast<TRzButton*>(sender)); };
        return b;
    }
    QImage Shot(TControl* c) {
        ProcessEvents();
        return Grab(c);
    }
    static bool Dark(TColor c) { return c == clBlack; }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::vector<TRzButton*> clicked;
};

TEST_F(PushButton, TheFocusedClassicButtonShowsItsRingFrameAndFocusRectangle) {
    TRzButton* b = Add("BYPASS");
    TRzButton* other = Add("Other", 10, 50);
    ShowForm(form.get());
    other->SetFocus();
    QImage image = Shot(b);
    // Unfocused: the raised frame's light edge, no ring, no dots.
    EXPECT_EQ(PixelAt(image, 0, 10), ColorToRGB(clBtnHighlight));
    EXPECT_NE(PixelAt(image, 5, 4), clBlack);

    b->SetFocus();
    image = Shot(b);
    for (auto [x, y] : {std::pair{0, 10}, {59, 10}, {30, 0}, {30, 21}})
        EXPECT_EQ(PixelAt(image, x, y), ColorToRGB(clWindowFrame)) << x << "," << y; // the ring
    EXPECT_EQ(PixelAt(image, 1, 10), ColorToRGB(clBtnHighlight)); // the raised frame inside it
    // The dotted rectangle 4 pixels inside the edge: every other pixel.
    EXPECT_EQ(PixelAt(image, 5, 4), clBlack);
    EXPECT_EQ(PixelAt(image, 7, 4), clBlack);
    EXPECT_NE(PixelAt(image, 6, 4), clBlack);
    EXPECT_EQ(PixelAt(image, 4, 5), clBlack);
    EXPECT_EQ(PixelAt(image, 55, 5), clBlack);

    // Pressed: no ring, a sunken frame, the caption one pixel down and
    // right; the focus rectangle stays.
    auto inkBox = [](const QImage& shot) {
        TRect box = Rect(1000, 1000, -1, -1);
        for (int y = 6; y < 17; ++y)
            for (int x = 6; x < 54; ++x)
                if (PixelAt(shot, x, y) == ColorToRGB(clBtnText)) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                }
        return box;
    };
    const TRect upInk = inkBox(image);
    input.MouseDown(b, 30, 10);
    image = Shot(b);
    EXPECT_EQ(inkBox(image).Left, upInk.Left + 1);
    EXPECT_EQ(inkBox(image).Top, upInk.Top + 1);
    EXPECT_TRUE(b->ShowDownVersion());
    EXPECT_EQ(PixelAt(image, 0, 10), ColorToRGB(clBtnText)); // the pressed frame's dark ring
    EXPECT_EQ(PixelAt(image, 5, 4), clBlack);
    input.MouseUp(b, 30, 10);
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(PushButton, APressFollowsThePointerAndOnlyAReleaseInsideClicks) {
    TRzButton* b = Add("Go");
    ShowForm(form.get());
    struct Case {
        const char* name;
        std::vector<TPoint> moves;
        TPoint release;
        bool shownBeforeRelease;
        bool clicks;
    };
    const Case cases[] = {
        {"inside", {}, {30, 10}, true, true},
        {"last column and row", {}, {59, 21}, true, true},
        {"right edge column", {}, {60, 10}, true, false},
        {"bottom edge row", {}, {30, 22}, true, false},
        {"dragged off", {{80, 10}}, {80, 10}, false, false},
        {"off and back on", {{80, 10}, {20, 10}}, {20, 10}, true, true},
        // The row just below counts as over the button while pressing.
        {"row below while pressing", {{30, 22}}, {30, 22}, true, false},
        {"column right while pressing", {{60, 10}}, {59, 10}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicked.clear();
        input.MouseDown(b, 10, 10);
        EXPECT_TRUE(b->Dragging());
        for (const TPoint& p : c.moves)
            input.MouseMove(b, p.X, p.Y);
        EXPECT_EQ(b->ShowDownVersion(), c.shownBeforeRelease);
        input.MouseUp(b, c.release.X, c.release.Y);
        EXPECT_FALSE(b->Dragging());
        EXPECT_FALSE(b->ShowDownVersion());
        EXPECT_EQ(clicked.size(), c.clicks ? 1u : 0u);
        input.MoveOutside();
    }
    // A right press does not start one.
    input.MouseDown(b, 10, 10, mbRight);
    EXPECT_FALSE(b->Dragging());
    input.MouseUp(b, 10, 10, mbRight);
}

TEST_F(PushButton, SpaceClicksOnlyAfterASpacePressOnThisButton) {
    TRzButton* a = Add("A");
    TRzButton* b = Add("B", 80, 10);
    ShowForm(form.get());
    a->SetFocus();
    input.KeyDown(a, VK_SPACE);
    EXPECT_TRUE(a->ShowDownVersion());
    input.KeyUp(a, VK_SPACE);
    EXPECT_FALSE(a->ShowDownVersion());
    EXPECT_EQ(clicked, std::vector<TRzButton*>{a});

    // A release with no press of its own does nothing, also twice.
    clicked.clear();
    input.KeyUp(a, VK_SPACE);
    EXPECT_TRUE(clicked.empty());
    // Pressed on one button, released on another: neither clicks.
    input.KeyDown(a, VK_SPACE);
    b->SetFocus();
    EXPECT_FALSE(a->ShowDownVersion());
    input.KeyUp(b, VK_SPACE);
    EXPECT_TRUE(clicked.empty());
    // Alt+Space is not a press.
    input.KeyDown(b, VK_SPACE, ssAlt);
    input.KeyUp(b, VK_SPACE);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(PushButton, ReturnAndEscapeReachTheDefaultAndCancelButtons) {
    auto* edit = new TEdit(form.get());
    edit->SetBounds(10, 80, 80, 20);
    edit->SetParent(form.get());
    TRzButton* ok = Add("OK", 10, 10);
    TRzButton* cancel = Add("Cancel", 80, 10);
    TRzButton* plain = Add("Plain", 150, 10);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    ShowForm(form.get());
    edit->SetFocus();
    EXPECT_TRUE(ok->Active());

    input.Key(edit, VK_RETURN);
    EXPECT_EQ(clicked, std::vector<TRzButton*>{ok});
    EXPECT_EQ(form->ModalResult(), mrOk);
    input.Key(edit, VK_ESCAPE);
    EXPECT_EQ(clicked.back(), cancel);
    EXPECT_EQ(form->ModalResult(), mrCancel);
    // With a modifier neither reacts.
    clicked.clear();
    input.Key(edit, VK_RETURN, ssCtrl);
    EXPECT_TRUE(clicked.empty());

    // A focused button takes Return from the default one.
    plain->SetFocus();
    EXPECT_TRUE(plain->Active());
    EXPECT_FALSE(ok->Active());
    input.Key(plain, VK_RETURN);
    EXPECT_EQ(clicked, std::vector<TRzButton*>{plain});
    EXPECT_EQ(form->ModalResult(), mrNone); // its ModalResult 0 is copied too
    edit->SetFocus();
    EXPECT_TRUE(ok->Active());

    // With DropDownOnEnter off a click by Return or Escape says so while it
    // runs.
    std::vector<bool> byKey;
    cancel->OnClick = [&](TObject*) { byKey.push_back(cancel->KeyWasPressed()); };
    cancel->SetDropDownOnEnter(false);
    input.Key(edit, VK_ESCAPE);
    input.Click(cancel);
    EXPECT_EQ(byKey, (std::vector<bool>{true, false}));
    EXPECT_FALSE(cancel->KeyWasPressed());
    edit->SetFocus();

    // A disabled default button cannot be pressed by Return.
    clicked.clear();
    ok->SetEnabled(false);
    input.Key(edit, VK_RETURN);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(PushButton, GroupsToggleAndAStrictGroupKeepsItsButtonDown) {
    TRzButton* a = Add("A", 10, 10, 1);
    TRzButton* b = Add("B", 80, 10, 1);
    TRzButton* loose = Add("C", 150, 10);
    ShowForm(form.get());
    input.Click(a);
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(a->State(), bsExclusive);
    input.Click(a); // strict: clicks, stays down
    EXPECT_TRUE(a->Down());
    EXPECT_EQ(clicked.size(), 2u);
    input.Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    a->SetAllowAllUp(true); // reaches the whole group
    EXPECT_TRUE(b->AllowAllUp());
    input.Click(b);
    EXPECT_FALSE(b->Down());
    loose->SetDown(true); // no group: never down
    EXPECT_FALSE(loose->Down());
}

TEST_F(PushButton, AHeldButtonShowsTheDownPattern) {
    TRzButton* b = Add("", 10, 10, 1);
    b->SetDown(true);
    ShowForm(form.get());
    QImage image = Shot(b);
    // Inside the lowered frame: silver where x and y are both even or both
    // odd, the face colour between.
    int silver = 0, face = 0;
    for (int y = 6; y < 14; ++y)
        for (int x = 10; x < 18; ++x) {
            const TColor c = PixelAt(image, x, y);
            silver += c == ColorToRGB(clSilver);
            face += c == ColorToRGB(clBtnFace);
            EXPECT_EQ(c, ColorToRGB(x % 2 == y % 2 ? clSilver : clBtnFace)) << x << "," << y;
        }
    EXPECT_EQ(silver, 32);
    b->SetShowDownPattern(false);
    image = Shot(b);
    EXPECT_EQ(PixelAt(image, 10, 6), ColorToRGB(clBtnFace));
    b->SetColor(clSilver); // on silver the dots are grey
    b->SetShowDownPattern(true);
    image = Shot(b);
    EXPECT_EQ(PixelAt(image, 10, 6), ColorToRGB(clGray));
}

TEST_F(PushButton, TheHotTrackedFaceLetsTheParentShowAndRingsTheHover) {
    form->SetColor(clAqua);
    TRzButton* b = Add("Hot");
    b->SetHotTrack(true);
    EXPECT_TRUE(b->Transparent());
    ShowForm(form.get());
    QImage image = Shot(b);
    EXPECT_EQ(PixelAt(image, 0, 0), clAqua); // a cut corner
    EXPECT_EQ(PixelAt(image, 0, 10), DarkerColor(clAqua, 20));
    EXPECT_EQ(PixelAt(image, 1, 10), ColorToRGB(cl3DDkShadow)); // FrameColor
    const TColor faceTop = PixelAt(image, 30, 2);
    input.MouseMove(b, 30, 10);
    EXPECT_TRUE(b->MouseOverButton());
    image = Shot(b);
    // The 2-pixel ring runs from a pale to the full hot-track colour.
    EXPECT_EQ(PixelAt(image, 30, 2), BlendColors(clWhite, b->HotTrackColor(), 190));
    EXPECT_NE(PixelAt(image, 30, 2), faceTop);
    const TColor bottom = PixelAt(image, 30, 19);
    EXPECT_NEAR(GetRValue(bottom), 240, 12);
    EXPECT_NEAR(GetGValue(bottom), 155, 12);
    EXPECT_NEAR(GetBValue(bottom), 20, 12);
}

TEST_F(PushButton, ARightAlignedCaptionStandsTheShadowDepthLeftWhateverItsStyle) {
    korvan::gfx::ScopedTextMeasurer fixed(std::make_unique<korvan::gfx::FixedTextMeasurer>(6, 11, 2));
    TRzButton* b = Add("Right");
    b->SetAlignment(taRightJustify);
    b->Font().SetQuality(fqNonAntialiased);
    ShowForm(form.get());
    auto rightmostInk = [&] {
        const QImage image = Shot(b);
        int right = -1;
        for (int y = 6; y < 16; ++y)
            for (int x = 5; x < 55; ++x)
                if (PixelAt(image, x, y) == clBlack)
                    right = std::max(right, x);
        return right;
    };
    b->SetTextShadowDepth(0);
    const int flush = rightmostInk();
    ASSERT_GT(flush, 40);
    b->SetTextShadowDepth(5);
    EXPECT_EQ(rightmostInk(), flush - 5);
    b->SetTextStyle(tsRaised); // the copies do not move the caption itself
    b->SetTextHighlightColor(clWhite);
    b->SetTextShadowColor(clWhite);
    EXPECT_EQ(rightmostInk(), flush - 5);
}

} // namespace

namespace {

TEST_F(PushButton, ReadFromAFormWithItsOlderFlatFrame) {
    korvan::panels::RegisterPanelClasses();
    form->SetName("Form");
    korvan::forms::ReadComponentText("object Form: TForm\n"
                                     "  object rzbBypass: TRzButton\n"
                                     "    Caption = 'BYPASS'\n"
                                     "    GroupIndex = 2\n"
                                     "    Down = True\n"
                                     "    Default = True\n"
                                     "    FrameFlat = True\n"
                                     "    TextStyle = tsRecessed\n"
                                     "  end\n"
                                     "end\n",
                                     form.get());
    auto* b = korvan::testing::Find<TRzButton>(form.get(), "rzbBypass");
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(b->State(), bsExclusive);
    EXPECT_TRUE(b->Default());
    EXPECT_TRUE(b->Active());
    EXPECT_TRUE(b->HotTrack());
    EXPECT_TRUE(b->Transparent());
    EXPECT_EQ(b->TextStyle(), tsRecessed);
    EXPECT_EQ(b->Width(), 75);
    EXPECT_EQ(b->Height(), 25);
}

TEST_F(PushButton, AStoredFormKeepsTheCaption) {
    korvan::panels::RegisterPanelClasses();
    form->SetName("Form");
    // Plain, with an accelerator and quotes, non-ASCII, and none at all.
    const std::vector<std::string> captions = {"BYPASS", "&Link 'A'", "Gain \u00b1 dB", ""};
    for (size_t i = 0; i < captions.size(); ++i)
        Add(captions[i], 10, 10 + int(i) * 30)->SetName("rzbBypass" + std::to_string(i));
    const std::string text = korvan::forms::WriteComponentText(form.get());
    EXPECT_NE(text.find("Caption = 'BYPASS'"), std::string::npos) << text;

    TForm back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    for (size_t i = 0; i < captions.size(); ++i) {
        auto* read = korvan::testing::Find<TRzButton>(&back, "rzbBypass" + std::to_string(i));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->Caption(), captions[i]);
    }
}

} // namespace
