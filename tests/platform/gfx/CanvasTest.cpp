#include "platform/gfx/Canvas.h"
#include "platform/gfx/Bitmap.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>

using korvan::test::Ascii;
using korvan::test::WhiteImage;

namespace {

struct CanvasFixture : ::testing::Test {
    QImage img = WhiteImage(10, 10);
    TCanvas c{&img};
    TColor At(int x, int y) { return korvan::gfx::FromQRgb(img.pixel(x, y)); }
};

} // namespace

TEST(Colors, SystemColoursComeFromTheFixedTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(160, 160, 160));
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    // Not a system colour: the low three bytes stay.
    EXPECT_EQ(ColorToRGB(clNone), 0xFFFFFF);
}

TEST_F(CanvasFixture, LineLeavesOutItsEndPixelForWidthZeroAndOne) {
    for (int width : {0, 1}) {
        img.fill(0xFFFFFFFFu);
        c.Pen().SetWidth(width);
        c.MoveTo(1, 1);
        c.LineTo(5, 1);
        EXPECT_EQ(Ascii(img).substr(11, 10), ".####.....") << "width " << width;
        EXPECT_EQ(c.PenPos(), Point(5, 1));
    }
}

TEST_F(CanvasFixture, XorLineDrawnTwiceRestoresTheImage) {
    c.Pen().SetMode(pmXor);
    c.Pen().SetColor(clWhite);
    c.MoveTo(0, 0);
    c.LineTo(9, 7);
    EXPECT_GT(korvan::test::CountColour(img, clBlack), 0);
    c.MoveTo(0, 0);
    c.LineTo(9, 7);
    EXPECT_EQ(korvan::test::CountColour(img, clWhite), 100);
}

TEST(CanvasPens, DashesOnlyAtWidthOneAndGapsTakeTheOpaqueBackground) {
    QImage img = WhiteImage(30, 3);
    TCanvas c(&img);
    c.Pen().SetStyle(psDot);
    c.SetBkMode(TRANSPARENT);
    c.MoveTo(0, 0);
    c.LineTo(12, 0);
    EXPECT_EQ(Ascii(img).substr(0, 12), "###...###...");

    c.SetBkMode(OPAQUE);
    c.SetBkColor(clRed);
    c.MoveTo(0, 1);
    c.LineTo(6, 1);
    EXPECT_EQ(korvan::gfx::FromQRgb(img.pixel(4, 1)), clRed);

    c.Pen().SetWidth(3); // wider styled pens draw solid
    c.SetBkMode(TRANSPARENT);
    c.MoveTo(2, 2);
    c.LineTo(20, 2);
    for (int x = 2; x <= 20; ++x)
        EXPECT_EQ(img.pixel(x, 2) & 0xFFFFFF, 0u) << x;
}

TEST_F(CanvasFixture, RectangleCoversItsBoxMinusRightAndBottom) {
    c.Brush().SetColor(clRed);
    c.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Ascii(img).substr(11 * 1, 10), ".#####....");
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(5, 4), clBlack);
    EXPECT_EQ(At(6, 4), clWhite);
    EXPECT_EQ(At(5, 5), clWhite);

    // Without a pen the fill is one pixel smaller.
    img.fill(0xFFFFFFFFu);
    c.Pen().SetStyle(psClear);
    c.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(At(1, 1), clRed);
    EXPECT_EQ(At(4, 3), clRed);
    EXPECT_EQ(At(5, 3), clWhite);
    EXPECT_EQ(At(4, 4), clWhite);
}

TEST_F(CanvasFixture, EllipseStaysInsideItsBoxAndTouchesEachSide) {
    c.Brush().SetStyle(bsClear);
    c.Ellipse(0, 0, 9, 7);
    const std::string a = Ascii(img);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (x >= 9 || y >= 7) {
                EXPECT_EQ(a[static_cast<std::size_t>(y * 11 + x)], '.') << x << "," << y;
            }
    EXPECT_EQ(At(4, 0), clBlack);
    EXPECT_EQ(At(4, 6), clBlack);
    EXPECT_EQ(At(0, 3), clBlack);
    EXPECT_EQ(At(8, 3), clBlack);
    EXPECT_EQ(At(4, 3), clWhite);
}

TEST_F(CanvasFixture, PieAndChordFillOnlyTheirSide) {
    c.Brush().SetColor(clRed);
    // Upper half: counter-clockwise from the right (9, 4) to the left (0, 4).
    c.Chord(0, 0, 10, 10, 9, 4, 0, 4);
    EXPECT_EQ(At(4, 2), clRed);
    EXPECT_EQ(At(4, 7), clWhite);
    img.fill(0xFFFFFFFFu);
    c.Pie(0, 0, 10, 10, 9, 4, 0, 4);
    EXPECT_EQ(At(4, 2), clRed);
    EXPECT_EQ(At(4, 7), clWhite);
}

TEST_F(CanvasFixture, FillRectFrameRectAndFocusRect) {
    c.Brush().SetColor(clBlue);
    c.FillRect(Rect(2, 2, 5, 4));
    EXPECT_EQ(korvan::test::CountColour(img, clBlue), 6);
    c.Brush().SetColor(clBlack);
    c.FrameRect(Rect(0, 5, 4, 9));
    EXPECT_EQ(Ascii(img).substr(11 * 6, 10), "#..#......");

    img.fill(0xFFFFFFFFu);
    c.DrawFocusRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(Ascii(img).substr(0, 10), "#.#.#.....");
    c.DrawFocusRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(korvan::test::CountColour(img, clWhite), 100);
}

TEST(CanvasBrushes, HatchGapsFollowTheBackgroundMode) {
    QImage img = WhiteImage(8, 8);
    TCanvas c(&img);
    c.Brush().SetColor(clBlack);
    c.Brush().SetStyle(bsHorizontal);
    c.FillRect(Rect(0, 0, 8, 8)); // a hatch brush leaves the background transparent
    EXPECT_EQ(korvan::test::CountColour(img, clBlack), 8);
    EXPECT_EQ(korvan::test::CountColour(img, clWhite), 56);
    c.SetBkMode(OPAQUE);
    c.SetBkColor(clRed);
    c.FillRect(Rect(0, 0, 8, 8));
    EXPECT_EQ(korvan::test::CountColour(img, clRed), 56);
    // A brush change goes back to the brush's own background rule.
    c.Brush().SetStyle(bsDiagCross);
    EXPECT_EQ(c.BkMode(), TRANSPARENT);
}

TEST_F(CanvasFixture, ClipExclusionsSavedStatesAndViewportOrigin) {
    c.Brush().SetColor(clBlack);
    const int saved = c.SaveDC();
    c.ExcludeClipRect(Rect(2, 2, 4, 4));
    c.FillRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(korvan::test::CountColour(img, clBlack), 32);
    EXPECT_TRUE(c.RestoreDC(saved));
    EXPECT_FALSE(c.HasClip());

    img.fill(0xFFFFFFFFu);
    c.SetViewportOrg(5, 5);
    c.IntersectClipRect(Rect(0, 0, 2, 2)); // logical, so device (5,5)-(7,7)
    c.FillRect(Rect(-5, -5, 5, 5));
    EXPECT_EQ(korvan::test::CountColour(img, clBlack), 4);
    EXPECT_EQ(At(5, 5), clBlack);
    EXPECT_EQ(c.Pixel(0, 0), clBlack);
}

TEST(CanvasBlits, RasterOperationsOnBits) {
    struct Case {
        std::uint32_t rop;
        TColor src, dst, pattern, expected;
    };
    const Case cases[] = {
        {SRCCOPY, 0x123456, 0xABCDEF, clWhite, 0x123456},
        {SRCAND, 0x0F0F0F, 0x00FFFF, clWhite, 0x000F0F},
        {SRCPAINT, 0x0F0000, 0x00F000, clWhite, 0x0FF000},
        {SRCINVERT, 0xFF00FF, 0xFFFFFF, clWhite, 0x00FF00},
        {NOTSRCCOPY, 0x00FF00, 0x000000, clWhite, 0xFF00FF},
        {MERGEPAINT, 0xFFFFFF, 0x123456, clWhite, 0x123456},
        {PATCOPY, 0x000000, 0x000000, 0x00FF00, 0x00FF00},
        {PATINVERT, 0x000000, 0x0000FF, 0x0000FF, 0x000000},
        // Pattern where the source is white, destination where it is black.
        {DSPDxax, 0xFFFFFF, 0x123456, 0x0000FF, 0x0000FF},
        {DSPDxax, 0x000000, 0x123456, 0x0000FF, 0x123456},
        {BLACKNESS, 0x123456, 0x123456, clWhite, 0x000000},
    };
    for (const Case& k : cases) {
        TBitmap src(1, 1), dst(1, 1);
        src.Canvas().SetPixel(0, 0, k.src);
        dst.Canvas().SetPixel(0, 0, k.dst);
        dst.Canvas().Brush().SetColor(k.pattern);
        dst.Canvas().BitBlt(0, 0, 1, 1, &src.Canvas(), 0, 0, k.rop);
        EXPECT_EQ(dst.Canvas().Pixel(0, 0), k.expected) << std::hex << k.rop;
    }
}

TEST(CanvasBlits, MonochromeConversionUsesBackgroundAndTextColours) {
    TBitmap colour(2, 1);
    colour.Canvas().SetPixel(0, 0, clRed);
    colour.Canvas().SetPixel(1, 0, clLime);
    colour.Canvas().Brush().SetColor(clLime); // its background colour

    TBitmap mono(2, 1);
    mono.SetMonochrome(true);
    mono.Canvas().BitBlt(0, 0, 2, 1, &colour.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(mono.Canvas().Pixel(0, 0), clBlack);
    EXPECT_EQ(mono.Canvas().Pixel(1, 0), clWhite);

    TBitmap back(2, 1);
    back.Canvas().Font().SetColor(clBlue);
    back.Canvas().Brush().SetColor(clYellow);
    back.Canvas().BitBlt(0, 0, 2, 1, &mono.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(back.Canvas().Pixel(0, 0), clBlue);
    EXPECT_EQ(back.Canvas().Pixel(1, 0), clYellow);
}

TEST(CanvasBlits, StretchMirrorsWithNegativeSizesAndScalesByNearestPixel) {
    TBitmap src(3, 1);
    src.Canvas().SetPixel(0, 0, clRed);
    src.Canvas().SetPixel(1, 0, clLime);
    src.Canvas().SetPixel(2, 0, clBlue);
    TBitmap dst(6, 2);
    // Start at the right column and run left.
    dst.Canvas().StretchBlt(2, 0, -3, 1, &src.Canvas(), 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clBlue);
    EXPECT_EQ(dst.Canvas().Pixel(2, 0), clRed);
    dst.Canvas().StretchBlt(0, 1, 6, 1, &src.Canvas(), 0, 0, 3, 1, SRCCOPY);
    const TColor expected[] = {clRed, clRed, clLime, clLime, clBlue, clBlue};
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(dst.Canvas().Pixel(x, 1), expected[x]) << x;
}

// Every copy lands each destination pixel on the source pixel the
// nearest-pixel rule picks, whether rows repeat (enlarged), columns mirror,
// part of the source lies outside the picture or the destination outside
// the canvas.
TEST(CanvasBlits, StretchedCopyPicksTheNearestSourcePixelEverywhere) {
    struct Case {
        int x, y, w, h, sx, sy, sw, sh;
    };
    const Case cases[] = {
        {
            0,
            0,
            12,
            12,
            0,
            0,
            5,
            4,
        },                              // enlarged: rows repeat
        {11, 11, -12, -12, 0, 0, 5, 4}, // mirrored both ways
        {1, 2, 9, 7, 4, 3, -5, -4},     // source runs backwards
        {-3, -2, 14, 15, -2, -1, 9, 7}, // source and destination partly outside
        {2, 1, 5, 10, 1, 0, 3, 3},
        {0, 0, 4, 3, 0, 0, 5, 4}, // reduced
    };
    TBitmap src(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            src.Canvas().SetPixel(x, y, RGB(x * 50, y * 60, 7));
    for (const Case& k : cases) {
        TBitmap dst(12, 12);
        dst.Canvas().Brush().SetColor(clFuchsia);
        dst.Canvas().FillRect(Rect(0, 0, 12, 12));
        dst.Canvas().StretchBlt(k.x, k.y, k.w, k.h, &src.Canvas(), k.sx, k.sy, k.sw, k.sh, SRCCOPY);
        const auto sign = [](int v) { return v < 0 ? -1 : 1; };
        for (int dy = 0; dy < 12; ++dy)
            for (int dx = 0; dx < 12; ++dx) {
                TColor expected = clFuchsia;
                const int i = (dx - k.x) * sign(k.w), j = (dy - k.y) * sign(k.h);
                if (i >= 0 && i < std::abs(k.w) && j >= 0 && j < std::abs(k.h)) {
                    const int rx = k.sx + i * std::abs(k.sw) / std::abs(k.w) * sign(k.sw);
                    const int ry = k.sy + j * std::abs(k.sh) / std::abs(k.h) * sign(k.sh);
                    if (rx >= 0 && rx < 5 && ry >= 0 && ry < 4)
                        expected = src.Canvas().Pixel(rx, ry);
                }
                ASSERT_EQ(dst.Canvas().Pixel(dx, dy), expected)
                    << "case " << (&k - cases) << " at " << dx << "," << dy;
            }
    }
}

TEST(CanvasBlits, ColourKeyedCopyLeavesKeyPixelsIncludingBlack) {
    for (TColor key : {clBlack, clFuchsia}) {
        TBitmap src(2, 2);
        src.Canvas().Brush().SetColor(key);
        src.Canvas().FillRect(Rect(0, 0, 2, 2));
        src.Canvas().SetPixel(1, 1, clRed);
        TBitmap dst(4, 4);
        dst.Canvas().TransparentBlt(0, 0, 4, 4, src.Canvas(), 0, 0, 2, 2, key);
        EXPECT_EQ(korvan::test::CountColour(dst.Image(), clRed), 4);
        EXPECT_EQ(korvan::test::CountColour(dst.Image(), clWhite), 12);
    }
}

TEST(CanvasBitmaps, TransparentColourIsTheBottomLeftPixel) {
    TBitmap b(3, 3);
    b.Canvas().SetPixel(0, 2, clFuchsia);
    EXPECT_EQ(b.TransparentColor(), clFuchsia);
    b.SetTransparentColor(clRed);
    EXPECT_EQ(b.TransparentColor(), clRed);
    b.SetTransparentMode(tmAuto);
    b.SetTransparent(true);
    TBitmap dst(3, 3);
    dst.Canvas().Brush().SetColor(clBlue);
    dst.Canvas().FillRect(Rect(0, 0, 3, 3));
    dst.Canvas().Draw(0, 0, b);
    EXPECT_EQ(dst.Canvas().Pixel(0, 2), clBlue);
    EXPECT_EQ(dst.Canvas().Pixel(1, 1), clWhite);
}

TEST(CanvasRecording, KeepsCallsWithToolColours) {
    korvan::gfx::RecordingCanvas rc(20, 20);
    rc.Pen().SetColor(clRed);
    rc.MoveTo(1, 2);
    rc.LineTo(5, 2);
    rc.Brush().SetColor(clBlue);
    rc.FillRect(Rect(0, 0, 3, 3));
    ASSERT_EQ(rc.CallsNamed("LineTo").size(), 1u);
    EXPECT_EQ(rc.CallsNamed("LineTo")[0].Args, (std::vector<int>{1, 2, 5, 2}));
    EXPECT_EQ(rc.CallsNamed("LineTo")[0].PenColor, clRed);
    EXPECT_EQ(rc.CallsNamed("FillRect")[0].BrushColor, clBlue);
}
