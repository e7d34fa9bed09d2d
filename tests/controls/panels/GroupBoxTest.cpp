// Group boxes: client areas by style, the custom style as a transparent
// panel, and the caption font following the control font.

#include "controls/panels/GroupBox.h"
#include "platform/forms/ExtCtrls.h"
#include "tests/controls/panels/PanelTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::Grab;
using korvan::testing::GuiTest;
using korvan::testing::PixelAt;

class GroupBox : public GuiTest {
protected:
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TRzGroupBox* Add(TRzGroupBoxStyle style, const std::string& caption) {
        auto* g = new TRzGroupBox(form.get());
        g->SetBounds(10, 10, 120, 80);
        g->SetGroupStyle(style);
        g->SetCaption(caption);
        g->SetParent(form.get());
        return g;
    }
    // Where an alClient child of `g` lands.
    TRect ClientOf(TRzGroupBox* g) {
        auto* child = new TPanel(form.get());
        child->SetAlign(alClient);
        child->SetParent(g);
        return child->BoundsRect();
    }
    int TextHeight(const TFont& font, const std::string& text) {
        TBitmap probe(1, 1);
        probe.Canvas().Font().Assign(font);
        return probe.Canvas().TextHeight(text);
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(GroupBox, ClientAreasByStyle) {
    TRzGroupBox* probe = Add(gsCustom, "");
    const int h = TextHeight(probe->Font(), "Yy");
    const int a = h / 2 - 1;
    struct Case {
        TRzGroupBoxStyle style;
        const char* caption;
        TRect expected;
    };
    const Case cases[] = {
        {gsCustom, "", Bounds(0, 0, 120, 80)},
        {gsCustom, "Input", Bounds(2, h + 2, 116, 80 - h - 4)},
        {gsStandard, "Input",
         Bounds(2, (a < 0 ? a : h) + 2, 116, 80 - (a < 0 ? a : h) - 4)}, // a >= BorderWidth
        {gsFlat, "", Bounds(1, h + 1, 118, 80 - h - 2)},
        {gsTopLine, "x", Bounds(0, h, 120, 80 - h)},
        {gsBanner, "x", Bounds(0, h + 8, 120, 80 - h - 8)},
        {gsUnderline, "x", Bounds(0, h + 4, 120, 80 - h - 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.style) + " " + c.caption);
        TRzGroupBox* g = Add(c.style, c.caption);
        EXPECT_EQ(ClientOf(g), c.expected);
        delete g;
    }
    TRzGroupBox* banner = Add(gsBanner, "x");
    banner->SetBannerHeight(30);
    EXPECT_EQ(ClientOf(banner), Bounds(0, 30, 120, 50));
}

TEST_F(GroupBox, ATransparentCustomBoxWithoutCaptionShowsOnlyItsParent) {
    form->SetColor(clAqua);
    TRzGroupBox* g = Add(gsCustom, "");
    g->SetTransparent(true);
    g->SetColor(clRed);
    ShowForm(form.get());
    const QImage image = Grab(g);
    for (int y = 0; y < 80; y += 7)
        for (int x = 0; x < 120; x += 7)
            ASSERT_EQ(PixelAt(image, x, y), clAqua) << x << "," << y;
}

TEST_F(GroupBox, ABannerIsTheCaptionHeightPlusSix) {
    form->SetColor(clWhite);
    TRzGroupBox* g = Add(gsBanner, "Banner");
    g->SetGradientColorStyle(gcsCustom);
    g->SetGradientColorStart(clRed);
    g->SetGradientColorStop(clRed);
    g->SetColor(clWhite);
    ShowForm(form.get());
    const int cy = TextHeight(g->CaptionFont(), "Banner");
    const QImage image = Grab(g);
    EXPECT_EQ(PixelAt(image, 100, 2), clRed);
    EXPECT_EQ(PixelAt(image, 100, cy + 4), clRed);
    EXPECT_EQ(PixelAt(image, 100, cy + 6), clWhite);
}

TEST_F(GroupBox, ADisabledClassicBoxDrawsItsCaptionGrey) {
    TRzGroupBox* g = Add(gsTopLine, "WWWW");
    g->SetColor(clWhite);
    g->SetEnabled(false);
    ShowForm(form.get());
    const QImage image = Grab(g);
    bool grey = false, black = false;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 40; ++x) {
            grey |= PixelAt(image, x, y) == ColorToRGB(clGrayText);
            black |= PixelAt(image, x, y) == clBlack;
        }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(black);
}

TEST_F(GroupBox, TheCaptionFontFollowsTheFontUntilSetOnItsOwn) {
    TRzGroupBox* g = Add(gsFlat, "x");
    g->Font().SetSize(12);
    EXPECT_EQ(g->CaptionFont().Size(), 12);
    EXPECT_FALSE(g->CaptionFontChanged());
    g->ChangeScale(2, 1); // not its own yet: not scaled
    EXPECT_EQ(g->CaptionFont().Size(), 12);
    TFont bold;
    bold.Assign(g->Font());
    bold.SetStyle(fsBold);
    g->SetCaptionFont(&bold);
    EXPECT_TRUE(g->CaptionFontChanged());
    g->Font().SetSize(9);
    EXPECT_EQ(g->CaptionFont().Size(), 12);
    g->ChangeScale(3, 2);
    EXPECT_EQ(g->CaptionFont().Size(), 18);
}

TEST_F(GroupBox, EveryStyleDrawsItsFrameAndCaption) {
    form->SetBounds(0, 0, 440, 260);
    form->SetColor(clBtnFace);
    const char* names[] = {"Standard", "Custom", "Top line", "Flat", "Banner", "Underline"};
    for (int s = 0; s < 6; ++s) {
        TRzGroupBox* g = Add(TRzGroupBoxStyle(s), names[s]);
        g->SetBounds(10 + (s % 3) * 140, 10 + (s / 3) * 110, 130, 100);
        if (s == gsCustom)
            g->SetBorderOuter(fsGroove);
    }
    ShowForm(form.get());
    const QImage shot = Grab(form.get());
    korvan::testing::SavePng(shot, "panels_group_boxes");
    // The standard box's etched frame is interrupted under its caption.
    const TPoint origin = form->ClientOrigin();
    const int h = TextHeight(form->Font(), "Pp");
    const QImage box = shot.copy(origin.X + 10, origin.Y + 10, 130, 100);
    EXPECT_EQ(PixelAt(box, 4, h / 2 - 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(box, 60, 99), ColorToRGB(clBtnHighlight));
}

} // namespace
