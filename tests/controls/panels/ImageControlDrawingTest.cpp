// The image controls' drawing: 3-D rings, image and caption placement,
// enabled and embossed captions, tiling and the 3-D font.

#include "controls/panels/ImageControlDrawing.h"
#include "controls/panels/Font3D.h"
#include "platform/gfx/Fonts.h"
#include "tests/controls/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

using korvan::testing::SolidFace;

TColor At(TBitmap& b, int x, int y) {
    return b.Canvas().Pixel(x, y);
}

TEST(DrawFrame3D, DrawsRingsAndReturnsTheRectangleInside) {
    TBitmap b = SolidFace(10, 8, clWhite);
    const TRect inside = DrawFrame3D(b.Canvas(), Rect(0, 0, 10, 8), clRed, clBlue, 2);
    EXPECT_EQ(inside, Rect(2, 2, 8, 6));
    // Outer ring: top and left red, bottom and right blue, the bottom-left
    // corner blue, the top-right corner blue.
    EXPECT_EQ(At(b, 0, 0), clRed);
    EXPECT_EQ(At(b, 8, 0), clRed);
    EXPECT_EQ(At(b, 9, 0), clBlue);
    EXPECT_EQ(At(b, 0, 6), clRed);
    EXPECT_EQ(At(b, 0, 7), clBlue);
    EXPECT_EQ(At(b, 9, 7), clBlue);
    // Second ring one pixel in, then the untouched inside.
    EXPECT_EQ(At(b, 1, 1), clRed);
    EXPECT_EQ(At(b, 8, 6), clBlue);
    EXPECT_EQ(At(b, 2, 2), clWhite);
    EXPECT_EQ(At(b, 7, 5), clWhite);
}

TEST(DrawFrame3D, WidthZeroDrawsNothing) {
    TBitmap b = SolidFace(6, 6, clWhite);
    EXPECT_EQ(DrawFrame3D(b.Canvas(), Rect(1, 1, 5, 5), clRed, clBlue, 0), Rect(1, 1, 5, 5));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(At(b, x, y), clWhite);
}

TEST(DrawFrame3D, RingsWiderThanTheRectangleFillItAndStop) {
    constexpr int kMax = std::numeric_limits<int>::max();
    for (int width : {4, 30, kMax}) {
        SCOPED_TRACE(width);
        TBitmap b = SolidFace(8, 6, clWhite);
        EXPECT_EQ(DrawFrame3D(b.Canvas(), Rect(0, 0, 8, 6), clRed, clRed, width),
                  Rect(width, width, 8 - width, 6 - width));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(At(b, x, y), clRed) << x << "," << y;
    }
}

TEST(CalcImageTextLayout, PlacesImageAndCaption) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    // Every character 6 wide, lines 13 high.
    korvan::gfx::ScopedTextMeasurer fixed{std::make_unique<korvan::gfx::FixedTextMeasurer>(6, 11, 2)};
    struct Case {
        const char* name;
        TRect client;
        const char* caption;
        TVrImageTextLayout layout;
        int margin, spacing;
        TSize image;
        TPoint imagePos;
        TRect text;
    };
    const Case cases[] = {
        // The editor's LED buttons: no bevel, 16 high, 12 x 12 LED.
        {"editor button",
         Rect(0, 0, 118, 16),
         "Show",
         ImageLeft,
         -1,
         5,
         {12, 12},
         {39, 2},
         Rect(56, 2, 80, 15)},
        // A 25 high button shrunk by bevel 2 and outline 1.
        {"default button",
         Rect(3, 3, 122, 22),
         "Show",
         ImageLeft,
         -1,
         5,
         {12, 12},
         {42, 7},
         Rect(59, 6, 83, 19)},
        {"both computed",
         Rect(0, 0, 100, 20),
         "ABCD",
         ImageLeft,
         -1,
         -1,
         {12, 12},
         {21, 4},
         Rect(54, 4, 78, 17)},
        {"margin set, spacing computed",
         Rect(0, 0, 100, 20),
         "ABCD",
         ImageLeft,
         10,
         -1,
         {12, 12},
         {10, 4},
         Rect(49, 4, 73, 17)},
        {"image right",
         Rect(0, 0, 100, 20),
         "ABCD",
         ImageRight,
         4,
         5,
         {12, 12},
         {84, 4},
         Rect(55, 4, 79, 17)},
        {"image top", Rect(0, 0, 60, 50), "ABCD", ImageTop, -1, 2, {12, 12}, {24, 12}, Rect(18, 26, 42, 39)},
        {"image bottom",
         Rect(0, 0, 60, 50),
         "ABCD",
         ImageBottom,
         3,
         2,
         {12, 12},
         {24, 35},
         Rect(18, 20, 42, 33)},
        // Without a caption the spacing is 0 and the image stands alone, centred.
        {"no caption", Rect(0, 0, 40, 20), "", ImageLeft, -1, 5, {12, 12}, {14, 4}, Rect(26, 10, 26, 10)},
        {"no image", Rect(0, 0, 100, 20), "ABCD", ImageLeft, -1, 5, {0, 0}, {38, 10}, Rect(38, 4, 62, 17)},
        // Too little room: margins go negative, division truncates toward 0.
        {"crowded", Rect(0, 0, 20, 10), "ABCD", ImageLeft, -1, -1, {12, 12}, {-5, 0}, Rect(2, -1, 26, 12)},
        // Any margin lays out; far-off places stop at half the integer range.
        {"huge margin",
         Rect(0, 0, 20, 10),
         "AB",
         ImageLeft,
         kMax,
         5,
         {4, 4},
         {kMax / 2, 3},
         Rect(kMax / 2, -1, kMax / 2 + 12, 12)},
        {"lowest spacing",
         Rect(0, 0, 20, 10),
         "AB",
         ImageRight,
         0,
         kMin,
         {4, 4},
         {16, 3},
         Rect(kMax / 2, -1, kMax / 2 + 12, 12)},
    };
    TBitmap b(1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageTextPlacement p =
            CalcImageTextLayout(b.Canvas(), c.client, c.caption, c.layout, c.margin, c.spacing, c.image);
        EXPECT_EQ(p.ImagePos, c.imagePos);
        EXPECT_EQ(p.TextBounds, c.text);
    }
}

TEST(DrawEnabledText, DisabledTextIsEmbossed) {
    TBitmap b = SolidFace(60, 20, clBtnFace);
    b.Canvas().Font().SetColor(clRed);
    DrawEnabledText(b.Canvas(), "WWW", Rect(0, 0, 60, 20), true);
    bool red = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            red |= At(b, x, y) == clRed;
    EXPECT_TRUE(red);

    TBitmap d = SolidFace(60, 20, clBtnFace);
    DrawEnabledText(d.Canvas(), "WWW", Rect(0, 0, 60, 20), false);
    bool highlight = false, shadow = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            highlight |= At(d, x, y) == ColorToRGB(clBtnHighlight);
            shadow |= At(d, x, y) == ColorToRGB(clBtnShadow);
        }
    EXPECT_TRUE(highlight);
    EXPECT_TRUE(shadow);
    // Disabled text is drawn from the top-left, not centred.
    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(At(d, x, 19), ColorToRGB(clBtnFace));
}

TEST(TileBitmap, RepeatsFromTheTopLeftAndMayOverhang) {
    TBitmap tile = SolidFace(4, 3, clRed);
    tile.Canvas().SetPixel(0, 0, clBlue);
    TBitmap b = SolidFace(12, 10, clWhite);
    TileBitmap(b.Canvas(), Rect(1, 1, 10, 8), tile);
    EXPECT_EQ(At(b, 0, 0), clWhite);
    for (const TPoint p : {Point(1, 1), Point(5, 1), Point(9, 1), Point(1, 4), Point(9, 7)})
        EXPECT_EQ(At(b, p.X, p.Y), clBlue) << p.X << "," << p.Y;
    EXPECT_EQ(At(b, 2, 2), clRed);
    // The last column and row of tiles reach past the rectangle.
    EXPECT_EQ(At(b, 11, 9), clRed);
}

TEST(Font3D, DrawsTheEffectLayersUnderTheText) {
    struct Case {
        TVrFont3DStyle style;
        std::vector<std::pair<int, TColor>> layers; // offset and colour of each drawing
    };
    const Case cases[] = {
        {f3dNone, {{0, clNavy}}},
        {f3dRaised, {{3, clGray}, {-2, clWhite}, {0, clNavy}}},
        {f3dSunken, {{2, clWhite}, {-3, clGray}, {0, clNavy}}},
        {f3dShadow, {{3, clGray}, {0, clNavy}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        TVrFont3D font;
        font.SetStyle(c.style);
        font.SetHighlightColor(clWhite);
        font.SetShadowColor(clGray);
        font.SetHighlightDepth(2);
        font.SetShadowDepth(3);
        korvan::gfx::RecordingCanvas canvas(80, 30);
        canvas.Font().SetColor(clNavy);
        font.Paint(canvas, Rect(10, 5, 70, 25), "Go", DT_SINGLELINE | DT_CENTER);
        const auto calls = canvas.CallsNamed("DrawText");
        ASSERT_EQ(calls.size(), c.layers.size());
        for (size_t i = 0; i < calls.size(); ++i) {
            const int d = c.layers[i].first;
            EXPECT_EQ(calls[i].FontColor, c.layers[i].second) << i;
            EXPECT_EQ(std::vector<int>(calls[i].Args.begin(), calls[i].Args.begin() + 4),
                      (std::vector<int>{10 + d, 5 + d, 70 + d, 25 + d}))
                << i;
        }
        EXPECT_EQ(canvas.Font().Color(), clNavy);
    }
}

TEST(Font3D, AssignNotifiesOnce) {
    TVrFont3D source;
    source.SetStyle(f3dSunken);
    source.SetShadowDepth(4);
    source.SetHighlightColor(clYellow);
    TVrFont3D font;
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(font.Style(), f3dSunken);
    EXPECT_EQ(font.ShadowDepth(), 4);
    EXPECT_EQ(font.HighlightColor(), clYellow);
    font.SetShadowDepth(4); // unchanged: no notice
    EXPECT_EQ(changes, 1);
}

} // namespace
