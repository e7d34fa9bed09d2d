// The plot pack's drawing helpers: shading, etched and turned text, text
// measurement, bevels and the twelve gradient directions.

#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

using namespace korvan::plot;

constexpr TColor kStart = RGB(0, 40, 200);
constexpr TColor kStop = RGB(250, 200, 20);

TEST(PackDrawing, ColorShadeClampsEachComponent) {
    struct Case {
        TColor color;
        int amount;
        bool lighter;
        TColor result;
    };
    for (const Case& c : {Case{RGB(128, 128, 128), 200, true, RGB(255, 255, 255)},
                          Case{RGB(128, 128, 128), 200, false, RGB(0, 0, 0)},
                          Case{RGB(10, 100, 250), 10, true, RGB(20, 110, 255)},
                          Case{RGB(10, 100, 250), 20, false, RGB(0, 80, 230)},
                          Case{clBtnFace, 0, true, ColorToRGB(clBtnFace)}})
        EXPECT_EQ(ColorShade(c.color, c.amount, c.lighter), c.result) << std::hex << c.color;
}

TEST(PackDrawing, PackFlagsMapToCanvasFlags) {
    EXPECT_EQ(PlatformTextFlags(649), DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    EXPECT_EQ(PlatformTextFlags(530), DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
    EXPECT_EQ(PlatformTextFlags(2560 | itfPrefix), DT_NOCLIP | DT_CALCRECT);
    EXPECT_EQ(PlatformTextFlags(itfWordEllipsis | itfModifyString),
              DT_WORD_ELLIPSIS | DT_MODIFYSTRING | DT_NOPREFIX);
}

TEST(PackDrawing, DisabledTextIsEtchedExceptOnBlack) {
    struct Case {
        TColor background;
        bool enabled;
        unsigned flags;
        std::vector<TColor> drawnColours;
    };
    const TColor light = ColorShade(clBtnFace, 64, true), dark = ColorShade(clBtnFace, 32, false);
    for (const Case& c : {Case{clBtnFace, false, 0, {light, dark}}, Case{clBlack, false, 0, {clNavy}},
                          Case{clBtnFace, true, 0, {clNavy}}, Case{clBtnFace, false, itfCalcRect, {}}}) {
        korvan::gfx::RecordingCanvas canvas(100, 40);
        canvas.Font().SetColor(clNavy);
        TRect r{5, 5, 95, 35};
        const int height = DrawText3D(canvas, "Label", r, c.background, c.enabled, c.flags);
        EXPECT_GT(height, 0);
        const auto calls = canvas.CallsNamed("DrawText");
        std::vector<TColor> colours;
        for (const auto& call : calls)
            colours.push_back(call.FontColor);
        EXPECT_EQ(colours, c.drawnColours) << std::hex << c.background << " " << c.enabled;
        EXPECT_EQ(canvas.Font().Color(), clNavy);
    }
}

TEST(PackDrawing, RotatedTextRectangles) {
    TBitmap b(200, 200);
    TCanvas& canvas = b.Canvas();
    const std::string text = "Rotated";
    const int w = canvas.TextWidth(text), h = canvas.TextHeight(text);
    const TRect r{80, 90, 120, 110}; // centre (100, 100)
    const TRect across{100 - w / 2, 100 - h / 2, 100 + w / 2, 100 + h / 2};
    const TRect upright{100 - h / 2, 100 - w / 2, 100 + h / 2, 100 + w / 2};
    struct Case {
        TiRotationAngle angle;
        TRect rect;
    };
    for (const Case& c :
         {Case{ira000, across}, Case{ira090, upright}, Case{ira180, across}, Case{ira270, upright}}) {
        TRect textRect;
        DrawRotatedText(canvas, text, r, clWhite, true, iahCenter, c.angle, textRect);
        EXPECT_EQ(textRect, c.rect) << c.angle;
        EXPECT_EQ(canvas.Font().Orientation(), 0) << c.angle;
    }
}

TEST(PackDrawing, TextSamplerPicture) {
    // Turned texts around their centres with the rectangles they report,
    // etched disabled text, and the three bevels: for a look.
    TBitmap b(320, 160);
    TCanvas& canvas = b.Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect({0, 0, 320, 160});
    canvas.Font().SetHeight(-13);
    const TPoint centres[] = {{40, 50}, {110, 50}, {180, 50}, {250, 50}};
    for (int a = 0; a < 4; ++a) {
        const TRect r{centres[a].X - 20, centres[a].Y - 20, centres[a].X + 20, centres[a].Y + 20};
        TRect textRect;
        canvas.Brush().SetStyle(bsClear);
        DrawRotatedText(canvas, "Axis", r, clBtnFace, true, iahCenter, TiRotationAngle(a), textRect);
        canvas.Pen().SetColor(clRed);
        canvas.Pen().SetWidth(1);
        canvas.Rectangle(textRect);
        if (a == ira000) {
            // Upright text lies in the rectangle it reports.
            int dark = 0;
            for (int y = textRect.Top; y < textRect.Bottom; ++y)
                for (int x = textRect.Left; x < textRect.Right; ++x)
                    dark += GetRValue(canvas.Pixel(x, y)) < 60 && GetGValue(canvas.Pixel(x, y)) < 60;
            EXPECT_GT(dark, 10);
        }
    }
    TRect etched{10, 100, 120, 130};
    canvas.Brush().SetStyle(bsClear);
    DrawText3D(canvas, "Disabled", etched, clBtnFace, false, itfLeft | itfVCenter | itfSingleLine);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clWhite);
    for (int kind = 0; kind < 3; ++kind)
        DrawBevel(canvas, {140 + kind * 60, 100, 190 + kind * 60, 140}, kind);
    korvan::testing::SavePng(b.ToImage(), "plot_text_sampler");
}

TEST(PackDrawing, TextMeasures) {
    TBitmap b(10, 10);
    TCanvas& canvas = b.Canvas();
    EXPECT_EQ(MultiLineTextWidth(canvas, ""), 0);
    EXPECT_EQ(MultiLineTextWidth(canvas, "a\r\nbbbbbb\ncc\rd"), canvas.TextWidth("bbbbbb"));
    EXPECT_EQ(MultiLineTextWidth(canvas, "wide line\r\n"), canvas.TextWidth("wide line"));
    const int line = GetTextHeight(canvas, "One line");
    EXPECT_EQ(line, canvas.TextHeight("One line"));
    EXPECT_GE(GetWrappedTextHeight(canvas, "several words that wrap", canvas.TextWidth("several") + 2),
              3 * line);
    // The measuring draws nothing where one could see it.
    EXPECT_EQ(b.Canvas().Pixel(5, 5), clWhite);
}

TEST(PackDrawing, Bevels) {
    TBitmap b(20, 20);
    DrawBevel(b.Canvas(), {0, 0, 20, 20}, 0);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(b.Canvas().Pixel(19, 19), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(b.Canvas().Pixel(1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(b.Canvas().Pixel(10, 10), clWhite);
    DrawBevel(b.Canvas(), {0, 0, 20, 20}, 1);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(b.Canvas().Pixel(18, 18), ColorToRGB(clBtnShadow));

    korvan::gfx::RecordingCanvas canvas(20, 20);
    DrawBevel(canvas, {2, 3, 12, 13}, 2);
    const auto polygons = canvas.CallsNamed("Polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].Args, (std::vector<int>{2, 3, 11, 3, 11, 12, 2, 12}));
    EXPECT_EQ(polygons[0].PenColor, clBtnShadow);
    canvas.Clear();
    DrawBevel(canvas, {2, 3, 12, 13}, 3);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(PackDrawing, GradientTopToBottom) {
    TBitmap b(10, 5);
    GradientFill(b.Canvas(), {0, 0, 10, 5}, ifdTopBottom, kStart, kStop);
    for (int x : {0, 9}) {
        EXPECT_EQ(b.Canvas().Pixel(x, 0), kStart);
        EXPECT_EQ(b.Canvas().Pixel(x, 4), kStop);
        EXPECT_EQ(b.Canvas().Pixel(x, 2), RGB(125, 120, 110));
    }
    EXPECT_EQ(b.Canvas().Brush().Style(), bsClear);

    // Reversed directions swap the colours; a band of no height draws
    // nothing, a band of one line draws the first colour.
    GradientFill(b.Canvas(), {0, 0, 10, 5}, ifdRightLeft, kStart, kStop);
    EXPECT_EQ(b.Canvas().Pixel(0, 2), kStop);
    EXPECT_EQ(b.Canvas().Pixel(9, 2), kStart);
    korvan::gfx::RecordingCanvas canvas(10, 10);
    GradientFill(canvas, {0, 4, 10, 4}, ifdTopBottom, kStart, kStop);
    EXPECT_TRUE(canvas.CallsNamed("Polyline").empty());
    GradientFill(canvas, {0, 4, 10, 5}, ifdBottomTop, kStart, kStop);
    const auto lines = canvas.CallsNamed("Polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].PenColor, kStop);
}

TEST(PackDrawing, GradientDirectionsPicture) {
    // Every direction in its own cell (the diagonal, rectangle and circle
    // styles measure from the canvas origin), put together for a look.
    constexpr int kW = 96, kH = 64;
    QImage sheet(4 * kW, 3 * kH, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int d = 0; d <= int(ifdCircleIn); ++d) {
        TBitmap cell(kW - 4, kH - 4);
        GradientFill(cell.Canvas(), {0, 0, kW - 4, kH - 4}, TiFillDirection(d), kStart, kStop);
        p.drawImage((d % 4) * kW + 2, (d / 4) * kH + 2, cell.ToImage());
        if (d == ifdTopLeftBottomRight) {
            // The first strokes lie left of the canvas; the corner takes an
            // early one.
            const TColor corner = cell.Canvas().Pixel(0, 0);
            EXPECT_LE(std::abs(GetRValue(corner) - GetRValue(kStart)), 8);
            EXPECT_GE(GetRValue(cell.Canvas().Pixel(kW - 8, kH - 8)), 230);
        }
        if (d == ifdLeftRight) {
            EXPECT_EQ(cell.Canvas().Pixel(0, 30), kStart);
            EXPECT_EQ(cell.Canvas().Pixel(kW - 5, 30), kStop);
        }
        if (d == ifdRectangleOut) {
            EXPECT_EQ(cell.Canvas().Pixel((kW - 4) / 2 - 1, (kH - 4) / 2 - 1), kStart);
        }
    }
    p.end();
    korvan::testing::SavePng(sheet, "plot_gradient_directions");
}

} // namespace
