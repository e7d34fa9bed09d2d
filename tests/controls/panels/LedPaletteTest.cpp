// The LED palette: recolouring a two-colour bitmap, the colour of an index,
// and change notices held back inside update brackets.

#include "controls/panels/LedPalette.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TBitmap Row(const std::vector<TColor>& colours) {
    TBitmap b(int(colours.size()), 1);
    for (size_t i = 0; i < colours.size(); ++i)
        b.Canvas().SetPixel(int(i), 0, colours[i]);
    return b;
}

std::vector<TColor> Pixels(TBitmap& b) {
    std::vector<TColor> out;
    for (int x = 0; x < b.Width(); ++x)
        out.push_back(b.Canvas().Pixel(x, 0));
    return out;
}

TEST(LedPalette, ToBMPRecoloursDarkToLowAndLightToHigh) {
    struct Case {
        const char* name;
        TColor low, high, dark, light;
        std::vector<TColor> before, after;
    };
    const TColor face = ColorToRGB(clBtnFace);
    const Case cases[] = {
        {"both colours",
         clOlive,
         clYellow,
         clBlack,
         clWhite,
         {clBlack, clWhite, clRed, clBlack},
         {clOlive, clYellow, clRed, clOlive}},
        {"neither colour present", clOlive, clYellow, clBlack, clWhite, {clRed, clBlue}, {clRed, clBlue}},
        {"dark equals light: High wins",
         clOlive,
         clYellow,
         clGray,
         clGray,
         {clGray, clRed},
         {clYellow, clRed}},
        // Both masks are taken before recolouring: the new Low is not
        // taken for the light colour.
        {"low equals light", clWhite, clRed, clBlack, clWhite, {clBlack, clWhite}, {clWhite, clRed}},
        {"system colour as dark", clGreen, clLime, clBtnFace, clWhite, {face, clWhite}, {clGreen, clLime}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVrPalette palette;
        palette.SetLow(c.low);
        palette.SetHigh(c.high);
        TBitmap b = Row(c.before);
        palette.ToBMP(b, c.dark, c.light);
        EXPECT_EQ(Pixels(b), c.after);
    }
    TVrPalette palette;
    TBitmap empty;
    palette.ToBMP(empty, clBlack, clWhite);
    EXPECT_TRUE(empty.Empty());
}

TEST(LedPalette, DefaultsAndIndexColour) {
    TVrPalette palette;
    EXPECT_EQ(palette.Low(), clGreen);
    EXPECT_EQ(palette.High(), clLime);
    EXPECT_EQ(palette.PaletteColor(-3), clGreen);
    EXPECT_EQ(palette.PaletteColor(0), clGreen);
    EXPECT_EQ(palette.PaletteColor(1), clLime);
    EXPECT_EQ(palette.PaletteColor(7), clLime);
}

TEST(LedPalette, AssignNotifiesOnceAndUpdatesHoldNoticesBack) {
    TVrPalette source;
    source.SetLow(clOlive);
    source.SetHigh(clYellow);
    TVrPalette palette;
    int changes = 0;
    palette.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &palette);
        ++changes;
    };
    palette.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(palette.Low(), clOlive);
    EXPECT_EQ(palette.High(), clYellow);

    palette.SetHigh(clYellow); // the same value: no notice
    EXPECT_EQ(changes, 1);
    palette.BeginUpdate();
    palette.BeginUpdate();
    palette.SetLow(clRed);
    palette.EndUpdate();
    EXPECT_EQ(changes, 1);
    palette.EndUpdate();
    EXPECT_EQ(changes, 2);
    // An unbalanced EndUpdate notifies and leaves the counter at 0.
    palette.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(palette.UpdateCount(), 0);
    palette.SetLow(clBlue);
    EXPECT_EQ(changes, 4);
}

} // namespace
