// Draws a sampler page of frames, gradients, text, keyed bitmaps and GDI+
// fills and writes it as gfx_sampler.png for a person to look at.

#include "controls/panels/FrameDrawing.h"
#include "controls/panels/GradientPainting.h"
#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Pictures.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

TEST(Sampler, WritesThePicture) {
    TBitmap page(640, 420);
    TCanvas& c = page.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, 640, 420));
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBtnText);
    c.Brush().SetStyle(bsClear);

    // Row 1: every frame style, then the face-shaded variant in red.
    for (int s = 1; s <= 11; ++s) {
        const TRect r = Bounds(10 + (s - 1) * 56, 10, 48, 32);
        DrawFrameStyle(c, r, TFrameStyleEx(s));
        DrawColorFrameStyle(c, r.Offset(0, 40), RGB(200, 60, 60), TFrameStyleEx(s));
    }
    // Row 2: the ten gradient directions.
    for (int d = 0; d < 10; ++d)
        FillGradientRect(c, Bounds(10 + d * 62, 100, 56, 56), TGradientDirection(d), RGB(20, 60, 160),
                         RGB(250, 230, 120), 1);
    // Row 3: text.
    c.Brush().SetStyle(bsClear);
    struct Face {
        const char* name;
        const char* text;
    };
    int x = 10;
    for (const Face& f : {Face{"MS Sans Serif", "MS Sans Serif"}, Face{"Tahoma", "Tahoma &Bold"},
                          Face{"Times New Roman", "Times New Roman"}, Face{"Courier New", "Courier New"},
                          Face{"SimSun", "\xE4\xB8\xAD\xE6\x96\x87 SimSun"}}) {
        c.Font().SetName(f.name);
        c.Font().SetStyle(std::string(f.name) == "Tahoma" ? TFontStyles(fsBold) : TFontStyles(0));
        TRect r = Bounds(x, 170, 120, 20);
        c.DrawText(f.text, r, DT_SINGLELINE | DT_VCENTER);
        x += 125;
    }
    c.Font().SetStyle(0);
    c.Font().SetName("Arial");
    c.Font().SetHeight(-14);
    TRect wrap = Bounds(10, 200, 150, 60);
    c.Brush().SetColor(clWindow);
    c.FillRect(wrap);
    c.Brush().SetStyle(bsClear);
    c.DrawText("Word break keeps whole words and centres each line.", wrap, DT_WORDBREAK | DT_CENTER);
    TRect ell = Bounds(170, 200, 120, 18);
    c.DrawText("An ellipsis ends this long line", ell, DT_SINGLELINE | DT_END_ELLIPSIS);
    c.Font().SetOrientation(900);
    c.TextOut(300, 260, "Rotated");
    c.Font().SetOrientation(0);

    // Row 3 right: keyed bitmaps, black and fuchsia keys, tiled and stretched.
    TBitmap key(8, 8);
    key.Canvas().Brush().SetColor(clFuchsia);
    key.Canvas().FillRect(Rect(0, 0, 8, 8));
    key.Canvas().Brush().SetColor(clNavy);
    key.Canvas().Ellipse(1, 1, 7, 7);
    DrawTransparentBitmap(c, key, Bounds(330, 200, 48, 48), clFuchsia);
    TileTransparentBitmap(c, key, Bounds(390, 200, 60, 48), clFuchsia);
    TBitmap dark(8, 8);
    dark.Canvas().Brush().SetColor(clBlack);
    dark.Canvas().FillRect(Rect(0, 0, 8, 8));
    dark.Canvas().Brush().SetColor(clLime);
    dark.Canvas().Rectangle(2, 2, 6, 6);
    DrawTransparentBitmapStretched(c, dark, Bounds(460, 200, 48, 48), clBlack, Rect(0, 0, 8, 8));

    // Row 3 far right: an image-list glyph, enabled and disabled.
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clTeal);
    glyph.Canvas().FillRect(Rect(0, 0, 16, 16));
    glyph.Canvas().Brush().SetColor(clNavy);
    glyph.Canvas().Ellipse(1, 1, 13, 13);
    glyph.Canvas().Brush().SetColor(clWhite);
    glyph.Canvas().FillRect(Rect(4, 4, 7, 7));
    glyph.Canvas().Brush().SetColor(clRed);
    glyph.Canvas().FillRect(Rect(9, 9, 16, 16));
    TImageList images(16, 16);
    images.AddMasked(glyph, clTeal);
    images.Draw(c, 530, 210, 0);
    images.Draw(c, 560, 210, 0, false);

    // Row 4: GDI+ fills.
    Gdiplus::Graphics g(c);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Gdiplus::GraphicsPath round;
    const float rx = 10, ry = 280, rw = 140, rh = 60, d = 20;
    round.AddArc(rx, ry, d, d, 180, 90);
    round.AddArc(rx + rw - d, ry, d, d, 270, 90);
    round.AddArc(rx + rw - d, ry + rh - d, d, d, 0, 90);
    round.AddArc(rx, ry + rh - d, d, d, 90, 90);
    round.CloseFigure();
    Gdiplus::LinearGradientBrush lin(Gdiplus::RectF{rx - 1, ry - 1, rw + 2, rh + 2},
                                     Gdiplus::Color(0xFFC0C0C0u), Gdiplus::Color(0xFF808080u),
                                     Gdiplus::LinearGradientModeVertical);
    lin.SetGammaCorrection(true);
    g.FillPath(lin, round);
    g.DrawPath(Gdiplus::Pen(Gdiplus::Color(0xFF000080u), 1.5f), round);

    Gdiplus::GraphicsPath ellipse;
    ellipse.AddEllipse(170, 280, 120, 60);
    Gdiplus::PathGradientBrush radial(ellipse);
    radial.SetCenterColor(Gdiplus::Color(0xFFFFFFFFu));
    radial.SetSurroundColors({Gdiplus::Color(0xFF1E5AC8u)});
    g.FillPath(radial, ellipse);

    g.FillRectangle(Gdiplus::HatchBrush(Gdiplus::HatchStyleDiagonalBrick, Gdiplus::Color(0xFF804000u),
                                        Gdiplus::Color(0xFFFFF0C0u)),
                    Gdiplus::RectF{300, 280, 80, 60});
    std::vector<Gdiplus::Point> curve;
    for (int i = 0; i <= 40; ++i)
        curve.push_back({400 + i * 5, 330 - static_cast<int>(40 * std::sin(i / 6.0) * std::exp(-i / 30.0))});
    Gdiplus::GraphicsPath shaded;
    shaded.AddCurve(curve);
    shaded.AddLine(600, static_cast<float>(curve.back().Y), 600, 330);
    shaded.AddLine(600, 330, 400, 330);
    shaded.CloseFigure();
    g.FillPath(Gdiplus::SolidBrush(Gdiplus::Color(90, 200, 40, 40)), shaded);
    g.DrawCurve(Gdiplus::Pen(Gdiplus::Color(0xFFC02020u), 2.0f), [&] {
        std::vector<Gdiplus::PointF> f;
        for (const auto& p : curve)
            f.push_back({static_cast<float>(p.X), static_cast<float>(p.Y)});
        return f;
    }());
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    g.DrawString("GDI+ text", Gdiplus::Font("Verdana", 14, Gdiplus::FontStyleBold), Gdiplus::PointF{10, 360},
                 Gdiplus::SolidBrush(Gdiplus::Color(0xFF204080u)));
    // A string wrapped in its layout box, centred both ways.
    const Gdiplus::RectF box{170, 350, 150, 60};
    g.DrawRectangle(Gdiplus::Pen(Gdiplus::Color(0xFF808080u), 1.0f), box);
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    g.DrawString("GDI+ wraps words inside its layout box", Gdiplus::Font("Tahoma", 9), box, &centred,
                 Gdiplus::SolidBrush(Gdiplus::Color(0xFF000000u)));

    const std::string dir = KORVAN_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    TPngImage png;
    png.Assign(page);
    png.SaveToFile(dir + "/gfx_sampler.png");
    EXPECT_TRUE(std::filesystem::file_size(dir + "/gfx_sampler.png") > 1000);
}
