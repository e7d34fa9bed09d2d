#include "controls/panels/FrameDrawing.h"
#include "controls/panels/ColorShading.h"
#include "controls/panels/PackText.h"
#include "platform/gfx/Bitmap.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace {

using korvan::test::Rows;

// The picture as letters: S shadow, H highlight, D dark shadow, L light,
// T button text, d the button face darkened by 50, '.' the face.
std::string Letters(TBitmap& b) {
    const std::map<TColor, char> names = {{ColorToRGB(clBtnShadow), 'S'},  {ColorToRGB(clBtnHighlight), 'H'},
                                          {ColorToRGB(cl3DDkShadow), 'D'}, {ColorToRGB(cl3DLight), 'L'},
                                          {ColorToRGB(clBtnText), 'T'},    {DarkerColor(clBtnFace, 50), 'd'},
                                          {ColorToRGB(clBtnFace), '.'}};
    std::string out;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            const auto it = names.find(b.Canvas().Pixel(x, y));
            out += it == names.end() ? '?' : it->second;
        }
        out += '\n';
    }
    return out;
}

TBitmap FaceBitmap() {
    TBitmap b(10, 10);
    b.Canvas().Brush().SetColor(clBtnFace);
    b.Canvas().FillRect(Rect(0, 0, 10, 10));
    return b;
}

// Outer ring letters (top-left, bottom-right) and inner ring letters of a
// frame on the 10x10 face, for the ring-built styles.
std::string TwoRings(char o1, char o2, char i1, char i2) {
    std::string out;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            char c = '.';
            if (y == 9 || x == 9)
                c = o2;
            else if (y == 0 || x == 0)
                c = o1;
            else if (y == 8 || x == 8)
                c = i2;
            else if (y == 1 || x == 1)
                c = i1;
            out += c;
        }
        out += '\n';
    }
    return out;
}

} // namespace

TEST(ColorShading, HelperTables) {
    EXPECT_EQ(DarkerColor(clWhite, 50), 0xCACACA);
    EXPECT_EQ(LighterColor(ColorFromHsl(0, 0, 200), 100), clWhite);
    EXPECT_EQ(AdjustedColor(clBtnFace, 0), clBtnFace); // not resolved
    EXPECT_EQ(AdjustedColor(clWhite, -50), 0xCACACA);
    EXPECT_EQ(AdjustedColor(clWhite, -306), 0xCACACA); // amounts are taken modulo 256
    EXPECT_EQ(BlendColors(clWhite, clBlack, 128), RGB(128, 128, 128));
    EXPECT_TRUE(ColorsAreClose(RGB(10, 10, 10), clBlack));
    EXPECT_FALSE(ColorsAreClose(clWhite, clBlack));
    std::uint8_t h, s, l;
    ColorToHsl(clRed, h, s, l);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(s, 240);
    EXPECT_EQ(l, 120);
    EXPECT_EQ(HueOfColor(clLime), 80);
    EXPECT_EQ(ColorFromHsl(0, 240, 120), clRed);
    EXPECT_EQ(HueOfColor(ComplementColor(clRed, 120)), 120);
}

TEST(ColorShading, SchemeNameIsReadIgnoringCase) {
    struct Case {
        std::optional<std::string> name;
        int scheme;
    };
    for (const Case& c :
         {Case{"HomeStead", 1}, Case{"metallic", 2}, Case{"NormalColor", 0}, Case{std::nullopt, 0}}) {
        korvan::panels::SetColorSchemeNameSource([&] { return c.name; });
        EXPECT_EQ(ReadXpColorScheme(), c.scheme);
    }
    korvan::panels::SetColorSchemeNameSource(nullptr);
    EXPECT_EQ(ReadXpColorScheme(), 0);
    TColor start, stop;
    GradientColorsForStyle(gcsMSOffice, start, stop); // no visual styles here
    EXPECT_EQ(start, clWindow);
    EXPECT_EQ(stop, DarkerColor(clBtnFace, 10));
}

TEST(PackText, StripAcceleratorsAndVersions) {
    EXPECT_EQ(StripAccelerators("&File"), "File");
    EXPECT_EQ(StripAccelerators("Fish && Chips"), "Fish & Chips");
    EXPECT_EQ(StripAccelerators("End&"), "End&");
    EXPECT_EQ(LastChar("abc"), 'c');
    EXPECT_TRUE(IsWindowsVersionOrLater(7));
    EXPECT_TRUE(IsWindowsVersion(8));
    EXPECT_FALSE(IsWindowsVersion(5));
    EXPECT_TRUE(korvan::panels::IsWindowsVersionOrLater(5, {2, 6, 0}));
    EXPECT_FALSE(korvan::panels::IsWindowsVersionOrLater(8, {2, 6, 0}));
    EXPECT_TRUE(korvan::panels::IsWindowsVersion(3, {1, 4, 90}));
    EXPECT_EQ(CreateRotatedFont(TFont(), 90).Orientation(), 900);
}

TEST(FrameDrawing, SidesLinesDrawOnlyTheChosenSides) {
    TBitmap b = FaceBitmap();
    const TRect r = DrawSidesLines(b.Canvas(), Rect(0, 0, 10, 10), clBtnShadow, clBtnHighlight, sdTop);
    EXPECT_EQ(r, Rect(0, 1, 10, 10));
    EXPECT_EQ(Letters(b), Rows({"SSSSSSSSSS", "..........", "..........", "..........", "..........",
                                "..........", "..........", "..........", "..........", ".........."}));
    // A side whose colour is clNone still moves in.
    EXPECT_EQ(DrawSidesLines(b.Canvas(), Rect(0, 0, 10, 10), clNone, clNone, sdAllSides), Rect(1, 1, 9, 9));
}

TEST(FrameDrawing, ABandWiderThanTheRectangleFillsItAndStops) {
    // Widths as a form may carry them: the band covers the face, the
    // rectangle inside shrinks by the whole width, and no ring is drawn
    // once nothing is left (the largest width returns at once).
    constexpr int kMax = std::numeric_limits<int>::max();
    for (int width : {6, 40, kMax}) {
        SCOPED_TRACE(width);
        TBitmap b = FaceBitmap();
        const TRect inside =
            DrawSidesBevel(b.Canvas(), Rect(0, 0, 10, 10), clBtnShadow, clBtnShadow, width, sdAllSides);
        EXPECT_EQ(inside, Rect(width, width, 10 - width, 10 - width));
        std::string filled;
        for (int y = 0; y < 10; ++y)
            filled += "SSSSSSSSSS\n";
        EXPECT_EQ(Letters(b), filled);
    }
}

TEST(FrameDrawing, EveryFrameStyleOnTenByTen) {
    const std::string groove = Rows({"SSSSSSSSSH", "SHHHHHHHSH", "SH......SH", "SH......SH", "SH......SH",
                                     "SH......SH", "SH......SH", "SH......SH", "SSSSSSSSSH", "HHHHHHHHHH"});
    const std::string bump = Rows({"HHHHHHHHHS", "HSSSSSSSHS", "HS......HS", "HS......HS", "HS......HS",
                                   "HS......HS", "HS......HS", "HS......HS", "HHHHHHHHHS", "SSSSSSSSSS"});
    const std::string flatRounded =
        Rows({"HHHHHHHHHd", "HdddddddHd", "Hd......Hd", "Hd......Hd", "Hd......Hd", "Hd......Hd",
              "Hd......Hd", "Hd......Hd", "HHHHHHHHHd", "dddddddddd"});
    std::string none;
    for (int y = 0; y < 10; ++y)
        none += "..........\n";
    struct Case {
        TFrameStyleEx style;
        std::string picture;
        TRect inside;
    };
    const Case cases[] = {
        {fsNone, none, Rect(0, 0, 10, 10)},
        {fsFlat, TwoRings('D', 'D', '.', '.'), Rect(1, 1, 9, 9)},
        {fsGroove, groove, Rect(2, 2, 8, 8)},
        {fsBump, bump, Rect(2, 2, 8, 8)},
        {fsLowered, TwoRings('S', 'H', 'D', 'L'), Rect(2, 2, 8, 8)},
        {fsButtonDown, TwoRings('T', 'T', 'S', 'S'), Rect(2, 2, 8, 8)},
        {fsRaised, TwoRings('L', 'D', 'H', 'S'), Rect(2, 2, 8, 8)},
        {fsButtonUp, TwoRings('H', 'D', 'L', 'S'), Rect(2, 2, 8, 8)},
        {fsStatus, TwoRings('S', 'H', '.', '.'), Rect(1, 1, 9, 9)},
        {fsPopup, TwoRings('H', 'S', '.', '.'), Rect(1, 1, 9, 9)},
        {fsFlatBold, TwoRings('S', 'S', 'S', 'S'), Rect(2, 2, 8, 8)},
        // No system colours of its own: shaded from the button face.
        {fsFlatRounded, flatRounded, Rect(2, 2, 8, 8)},
    };
    for (const Case& c : cases) {
        TBitmap b = FaceBitmap();
        EXPECT_EQ(DrawFrameStyle(b.Canvas(), Rect(0, 0, 10, 10), c.style), c.inside) << c.style;
        EXPECT_EQ(Letters(b), c.picture) << "style " << c.style;
    }
}

TEST(FrameDrawing, ColourFrameShadesTheFace) {
    TBitmap b(10, 10);
    const TRect r = DrawColorFrameStyle(b.Canvas(), Rect(0, 0, 10, 10), clRed, fsStatus);
    EXPECT_EQ(r, Rect(1, 1, 9, 9));
    EXPECT_EQ(b.Canvas().Pixel(0, 5), DarkerColor(clRed, 50));
    EXPECT_EQ(b.Canvas().Pixel(9, 5), LighterColor(clRed, 100));
}

TEST(FrameDrawing, FlatDottedAndRoundedOutlines) {
    TBitmap b = FaceBitmap();
    EXPECT_EQ(DrawDottedFrame(b.Canvas(), Rect(0, 0, 10, 10)), Rect(1, 1, 9, 9));
    EXPECT_EQ(b.Canvas().Pixel(1, 0), clBlack);
    EXPECT_EQ(b.Canvas().Pixel(2, 0), ColorToRGB(clBtnFace));

    TBitmap r = FaceBitmap();
    EXPECT_EQ(DrawRoundedFlatFrame(r.Canvas(), Rect(0, 0, 10, 10), clBtnShadow, sdAllSides),
              Rect(2, 2, 8, 8));
    EXPECT_EQ(Letters(r), Rows({"..SSSSSS..", ".S......S.", "S........S", "S........S", "S........S",
                                "S........S", "S........S", "S........S", ".S......S.", "..SSSSSS.."}));
}

TEST(FrameDrawing, PanelFrameDrawsStatusFromItsOwnColours) {
    TBitmap b = FaceBitmap();
    const TRect r =
        DrawPanelFrame(b.Canvas(), Rect(0, 0, 10, 10), fsStatus, false, false, clBtnFace, clBtnFace, 0,
                       clBtnShadow, clRed, clBlue, clBlack, 2, sdAllSides, 1, fsNone);
    EXPECT_EQ(r, Rect(3, 3, 7, 7));
    EXPECT_EQ(b.Canvas().Pixel(0, 5), clRed);
    EXPECT_EQ(b.Canvas().Pixel(1, 5), clRed);
    EXPECT_EQ(b.Canvas().Pixel(9, 5), clBlue);
    EXPECT_EQ(b.Canvas().Pixel(2, 5), clBlack); // the border ring
}

TEST(FrameDrawing, DropDownArrowIsATriangleInTheMiddle) {
    TBitmap b = FaceBitmap();
    b.Canvas().Brush().SetColor(clBtnFace);
    DrawDropDownArrow(b.Canvas(), Rect(0, 0, 10, 10), 0, true);
    // cx = 5, cy = 4: the triangle (5,6), (2,2), (9,2).
    EXPECT_EQ(b.Canvas().Pixel(5, 4), clBlack);
    EXPECT_EQ(b.Canvas().Pixel(5, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(b.Canvas().Brush().Color(), clBtnFace);
    EXPECT_EQ(b.Canvas().Pen().Style(), psSolid);
}
