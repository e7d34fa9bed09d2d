#include "controls/panels/GradientPainting.h"
#include "controls/panels/ColorShading.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kStart = RGB(0, 40, 200);
constexpr TColor kStop = RGB(250, 200, 20);

TBitmap Painted(TGradientDirection d, int w = 40, int h = 30, int steps = 1) {
    TBitmap b(w, h);
    FillGradientRect(b.Canvas(), Rect(0, 0, w, h), d, kStart, kStop, steps);
    return b;
}

int Distance(TColor a, TColor b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// Each channel moves one way only along a run of pixels.
void ExpectMonotonic(TBitmap& b, int x0, int y0, int dx, int dy, int n) {
    int dir[3] = {0, 0, 0};
    TColor prev = b.Canvas().Pixel(x0, y0);
    for (int i = 1; i < n; ++i) {
        const TColor c = b.Canvas().Pixel(x0 + i * dx, y0 + i * dy);
        const int deltas[3] = {GetRValue(c) - GetRValue(prev), GetGValue(c) - GetGValue(prev),
                               GetBValue(c) - GetBValue(prev)};
        for (int k = 0; k < 3; ++k) {
            if (deltas[k] == 0)
                continue;
            const int s = deltas[k] > 0 ? 1 : -1;
            EXPECT_TRUE(dir[k] == 0 || dir[k] == s) << "channel " << k << " turns at " << i;
            dir[k] = s;
        }
        prev = c;
    }
}

} // namespace

TEST(Gradients, EndDirectionsRunFromEdgeToEdge) {
    TBitmap h = Painted(gdHorizontalEnd);
    EXPECT_EQ(h.Canvas().Pixel(5, 0), kStart);
    EXPECT_EQ(h.Canvas().Pixel(5, 29), kStop);
    ExpectMonotonic(h, 5, 0, 0, 1, 30);
    TBitmap v = Painted(gdVerticalEnd);
    EXPECT_EQ(v.Canvas().Pixel(0, 5), kStart);
    EXPECT_EQ(v.Canvas().Pixel(39, 5), kStop);
    ExpectMonotonic(v, 0, 5, 1, 0, 40);
}

TEST(Gradients, CentreDirectionsPutTheStopColourInTheMiddle) {
    // The ramp takes one step more than it has pixels, so the edge stops
    // one step short of the start colour.
    TBitmap h = Painted(gdHorizontalCenter);
    EXPECT_LT(Distance(h.Canvas().Pixel(20, 0), kStart), 80);
    EXPECT_LT(Distance(h.Canvas().Pixel(20, 29), kStart), 80);
    EXPECT_LT(Distance(h.Canvas().Pixel(20, 15), kStop), 40);
    ExpectMonotonic(h, 20, 0, 0, 1, 15);
    ExpectMonotonic(h, 20, 16, 0, 1, 14);
    EXPECT_EQ(h.Canvas().Pixel(3, 7), h.Canvas().Pixel(37, 7)); // stripe replicated across
    TBitmap v = Painted(gdVerticalCenter);
    EXPECT_LT(Distance(v.Canvas().Pixel(0, 10), kStart), 80);
    EXPECT_LT(Distance(v.Canvas().Pixel(39, 10), kStart), 80);
    EXPECT_LT(Distance(v.Canvas().Pixel(20, 10), kStop), 40);
    ExpectMonotonic(v, 0, 10, 1, 0, 20);
}

TEST(Gradients, BoxDirectionsAreSymmetricWithTheStopColourInTheCentre) {
    for (TGradientDirection d : {gdHorizontalBox, gdVerticalBox, gdSquareBox, gdBigSquareBox}) {
        TBitmap b = Painted(d, 41, 31);
        EXPECT_LT(Distance(b.Canvas().Pixel(0, 0), kStart), 60) << d;
        EXPECT_LT(Distance(b.Canvas().Pixel(20, 15), kStop), 60) << d;
        EXPECT_EQ(b.Canvas().Pixel(3, 4), b.Canvas().Pixel(37, 4)) << d;
        EXPECT_EQ(b.Canvas().Pixel(0, 4), b.Canvas().Pixel(0, 26)) << d;
        ExpectMonotonic(b, 0, 15, 1, 0, 20);
    }
}

TEST(Gradients, DiagonalsRunCornerToCorner) {
    TBitmap up = Painted(gdDiagonalUp);
    EXPECT_LT(Distance(up.Canvas().Pixel(0, 29), kStart), 40);
    EXPECT_LT(Distance(up.Canvas().Pixel(39, 0), kStop), 40);
    ExpectMonotonic(up, 0, 29, 1, -1, 30);
    TBitmap down = Painted(gdDiagonalDown);
    EXPECT_LT(Distance(down.Canvas().Pixel(0, 0), kStart), 40);
    EXPECT_LT(Distance(down.Canvas().Pixel(39, 29), kStop), 40);
    // Equal colours fill evenly.
    TBitmap even(10, 10);
    FillGradientRect(even.Canvas(), Rect(0, 0, 10, 10), gdDiagonalUp, clRed, clRed, 1);
    EXPECT_EQ(korvan::test::CountColour(even.Image(), clRed), 100);
}

TEST(Gradients, DegenerateSizesAndSteps) {
    TBitmap b(10, 10);
    FillGradientRect(b.Canvas(), Rect(2, 2, 2, 8), gdSquareBox, clRed, clBlue, 1);
    FillGradientRect(b.Canvas(), Rect(2, 2, 8, 2), gdDiagonalUp, clRed, clBlue, 1);
    EXPECT_EQ(korvan::test::CountColour(b.Image(), clWhite), 100);
    // A small box holds only the edge colour.
    TBitmap box(4, 4);
    FillBoxGradient(box.Canvas(), 4, 4, 1, clRed, clBlue, 0, 0);
    EXPECT_EQ(korvan::test::CountColour(box.Image(), clBlue), 16);
    // A one-pixel ramp has no steps to divide by: the start colour.
    TBitmap one(1, 1);
    one.Canvas().GradientFillRect(Rect(0, 0, 1, 1), clRed, clBlue, true);
    EXPECT_EQ(one.Canvas().Pixel(0, 0), clRed);
    TBitmap zero(5, 5);
    FillGradientRect(zero.Canvas(), Rect(0, 0, 5, 5), gdHorizontalCenter, clRed, clBlue, 0);
    EXPECT_EQ(korvan::test::CountColour(zero.Image(), clWhite), 0);
}

TEST(Gradients, BorderPaintsOnlyARingAndNothingWithoutFullColour) {
    TBitmap b(10, 10);
    PaintGradientBorder(b.Canvas(), Rect(0, 0, 10, 10), gdVerticalEnd, clRed, clBlue);
    EXPECT_EQ(korvan::test::CountColour(b.Image(), clWhite), 36);
    EXPECT_FALSE(b.Canvas().HasClip());
    TBitmap off(10, 10);
    FullColorDisplay = false;
    PaintGradientBorder(off.Canvas(), Rect(0, 0, 10, 10), gdVerticalEnd, clRed, clBlue);
    FullColorDisplay = true;
    EXPECT_EQ(korvan::test::CountColour(off.Image(), clWhite), 100);
}

TEST(TransparentBitmaps, KeyPixelsStayUnpaintedIncludingBlack) {
    for (TColor key : {clBlack, clFuchsia}) {
        TBitmap src(2, 2);
        src.Canvas().Brush().SetColor(key);
        src.Canvas().FillRect(Rect(0, 0, 2, 2));
        src.Canvas().SetPixel(0, 0, clRed);
        for (int stretched = 0; stretched < 2; ++stretched) {
            TBitmap dst(4, 4);
            dst.Canvas().Brush().SetColor(clLime);
            dst.Canvas().FillRect(Rect(0, 0, 4, 4));
            if (stretched)
                DrawTransparentBitmapStretched(dst.Canvas(), src, Rect(0, 0, 4, 4), key, Rect(0, 0, 2, 2));
            else
                DrawTransparentBitmap(dst.Canvas(), src, Rect(0, 0, 4, 4), key);
            EXPECT_EQ(korvan::test::CountColour(dst.Image(), clRed), 4) << key << " " << stretched;
            EXPECT_EQ(korvan::test::CountColour(dst.Image(), clLime), 12) << key << " " << stretched;
        }
    }
}

TEST(TransparentBitmaps, TilesAreCutNotScaled) {
    TBitmap tile(3, 3);
    tile.Canvas().SetPixel(0, 0, clRed);
    tile.Canvas().SetPixel(2, 2, clBlack); // white is transparent below
    TBitmap dst(7, 4);
    dst.Canvas().Brush().SetColor(clLime);
    dst.Canvas().FillRect(Rect(0, 0, 7, 4));
    TileTransparentBitmap(dst.Canvas(), tile, Rect(0, 0, 7, 4), clWhite);
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clRed);
    EXPECT_EQ(dst.Canvas().Pixel(3, 0), clRed);
    EXPECT_EQ(dst.Canvas().Pixel(6, 0), clRed);
    EXPECT_EQ(dst.Canvas().Pixel(0, 3), clRed);
    EXPECT_EQ(dst.Canvas().Pixel(2, 2), clBlack);
    EXPECT_EQ(dst.Canvas().Pixel(1, 1), clLime);
}
