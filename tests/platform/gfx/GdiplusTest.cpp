#include "platform/gfx/Gdiplus.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

using namespace Gdiplus;

namespace {

struct GdipFixture : ::testing::Test {
    Bitmap bmp{40, 30};
    Graphics g{bmp};
    QRgb At(int x, int y) { return bmp.Pixels().pixel(x, y); }
    // Covered area in pixels, partial pixels by their alpha.
    double Coverage() {
        double sum = 0;
        for (int y = 0; y < bmp.Pixels().height(); ++y)
            for (int x = 0; x < bmp.Pixels().width(); ++x)
                sum += qAlpha(At(x, y)) / 255.0;
        return sum;
    }
    int Painted() {
        int n = 0;
        for (int y = 0; y < bmp.Pixels().height(); ++y)
            for (int x = 0; x < bmp.Pixels().width(); ++x)
                n += qAlpha(At(x, y)) != 0;
        return n;
    }
};

} // namespace

TEST_F(GdipFixture, OnePixelLineOnIntegerCoordinatesIsCrisp) {
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.DrawLine(Pen(Color(255, 255, 0, 0), 1.0f), 2, 5, 30, 5);
    for (int x = 3; x < 30; ++x) {
        EXPECT_EQ(At(x, 5), 0xFFFF0000u) << x;
        EXPECT_EQ(qAlpha(At(x, 4)), 0) << x;
        EXPECT_EQ(qAlpha(At(x, 6)), 0) << x;
    }
}

TEST_F(GdipFixture, ArcsRunClockwiseFromTheXAxis) {
    GraphicsPath path;
    path.AddArc(10, 5, 20, 20, 0, 90); // right to bottom
    g.DrawPath(Pen(Color(0xFF0000FFu), 1.0f), path);
    int bottom = 0, top = 0;
    for (int x = 18; x <= 24; ++x) {
        bottom += qAlpha(At(x, 25)) + qAlpha(At(x, 24));
        top += qAlpha(At(x, 5)) + qAlpha(At(x, 6));
    }
    EXPECT_GT(bottom, 0); // the bottom of the circle
    EXPECT_EQ(top, 0);    // not the top
}

TEST_F(GdipFixture, RoundedPathCoversItsBodyButNotItsCorners) {
    GraphicsPath path;
    const float x = 5, y = 5, w = 30, h = 20, d = 12;
    path.AddArc(x, y, d, d, 180, 90);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.CloseFigure();
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.FillPath(SolidBrush(Color(0xFF00FF00u)), path);
    EXPECT_EQ(At(20, 15), 0xFF00FF00u);
    EXPECT_GT(qAlpha(At(6, 15)), 0); // the straight edge is covered
    EXPECT_EQ(qAlpha(At(5, 5)), 0);  // corner left out
    EXPECT_EQ(qAlpha(At(34, 24)), 0);
    EXPECT_NEAR(Coverage(), 30 * 20 - (4 - M_PI) * 36, 6);
}

TEST_F(GdipFixture, PathGradientCentreAndEdgeColoursNothingOutside) {
    GraphicsPath path;
    path.AddEllipse(5, 5, 30, 20);
    PathGradientBrush brush(path);
    brush.SetCenterColor(Color(0xFFFF0000u));
    brush.SetSurroundColors({Color(0xFF0000FFu)});
    g.FillRectangle(brush, RectF{0, 0, 40, 30});
    const QRgb centre = At(20, 15);
    EXPECT_GT(qRed(centre), 240);
    EXPECT_LT(qBlue(centre), 15);
    const QRgb edge = At(6, 15);
    EXPECT_GT(qBlue(edge), qRed(edge));
    EXPECT_EQ(qAlpha(At(1, 1)), 0);
    EXPECT_EQ(qAlpha(At(38, 28)), 0);
    EXPECT_EQ(qAlpha(At(20, 2)), 0);
}

TEST_F(GdipFixture, PathGradientBlendStopsRunFromOutlineToCentre) {
    GraphicsPath path;
    path.AddRectangle(RectF{0, 0, 40, 30});
    PathGradientBrush brush(path);
    brush.SetInterpolationColors({Color(0, 0, 0, 0), Color(180, 0, 0, 0), Color(180, 0, 0, 0)}, {0, 0.1f, 1});
    EXPECT_EQ(brush.ColorAt(0).GetA(), 0);
    EXPECT_EQ(brush.ColorAt(0.5f).GetA(), 180);
    EXPECT_EQ(brush.ColorAt(0.05f).GetA(), 90);
}

TEST_F(GdipFixture, LinearGradientModesAndGamma) {
    LinearGradientBrush v(RectF{0, -1, 40, 32}, Color(0xFFFFFFFFu), Color(0xFF000000u),
                          LinearGradientModeVertical);
    g.FillRectangle(v, RectF{0, 0, 40, 30});
    EXPECT_GT(qRed(At(10, 1)), qRed(At(10, 15)));
    EXPECT_GT(qRed(At(10, 15)), qRed(At(10, 28)));
    EXPECT_EQ(At(3, 12), At(30, 12)); // bands run horizontally
    LinearGradientBrush plain(PointF{0, 0}, PointF{10, 0}, Color(0xFF000000u), Color(0xFFFFFFFFu));
    LinearGradientBrush gamma(PointF{0, 0}, PointF{10, 0}, Color(0xFF000000u), Color(0xFFFFFFFFu));
    gamma.SetGammaCorrection(true);
    EXPECT_NEAR(plain.ColorAt(0.5f).GetR(), 128, 1);
    EXPECT_GT(gamma.ColorAt(0.5f).GetR(), 160);
}

TEST_F(GdipFixture, HatchAndClipToPath) {
    GraphicsPath clip;
    clip.AddEllipse(0, 0, 20, 20);
    g.SetClip(clip);
    g.FillRectangle(HatchBrush(HatchStyleCross, Color(0xFF000000u), Color(0xFFFFFFFFu)), RectF{0, 0, 40, 30});
    EXPECT_EQ(qAlpha(At(30, 25)), 0);
    EXPECT_EQ(At(8, 8), 0xFF000000u); // a grid line (row 8 of the pattern's period)
    EXPECT_EQ(At(9, 9), 0xFFFFFFFFu);
    g.ResetClip();
    EXPECT_TRUE(g.IsClipInfinite());
}

TEST_F(GdipFixture, ColourKeyLeavesKeyedPixelsOut) {
    Bitmap pic(2, 2);
    pic.SetPixel(0, 0, Color(0xFFFF00FFu));
    pic.SetPixel(1, 0, Color(0xFF00FF00u));
    pic.SetPixel(0, 1, Color(0xFF00FF00u));
    pic.SetPixel(1, 1, Color(0xFFFF00FFu));
    ImageAttributes attr;
    attr.SetColorKey(Color(0xFFFF00FFu), Color(0xFFFF00FFu));
    g.DrawImage(pic, Gdiplus::Rect{0, 0, 4, 4}, 0, 0, 2, 2, UnitPixel, &attr);
    EXPECT_EQ(qAlpha(At(0, 0)), 0);
    EXPECT_EQ(At(3, 0), 0xFF00FF00u);
    EXPECT_EQ(qAlpha(At(3, 3)), 0);
    g.DrawImage(pic, 10.0f, 10.0f); // natural size, pixel for pixel
    EXPECT_EQ(At(10, 10), 0xFFFF00FFu);
    EXPECT_EQ(At(11, 10), 0xFF00FF00u);
}

TEST_F(GdipFixture, MeasureStringPadsAndLeavesTrailingSpacesOut) {
    const Font font("Tahoma", 12);
    RectF plain, spaced, trailing;
    g.MeasureString("Hello", font, RectF{}, nullptr, &plain);
    g.MeasureString("Hello   ", font, RectF{}, nullptr, &spaced);
    const StringFormat keep(StringFormatFlagsMeasureTrailingSpaces);
    g.MeasureString("Hello   ", font, RectF{}, &keep, &trailing);
    EXPECT_FLOAT_EQ(plain.Width, spaced.Width);
    EXPECT_GT(trailing.Width, plain.Width);
    RectF empty;
    g.MeasureString("", font, RectF{}, nullptr, &empty);
    EXPECT_EQ(empty.Width, 0);
    EXPECT_GT(plain.Width - 2 * font.PixelSize() / 6.0f, 20);
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    g.DrawString("Hi", font, PointF{2, 2}, SolidBrush(Color(0xFF000000u)));
    EXPECT_GT(Painted(), 10);
}

TEST(GdipCanvas, GraphicsOverACanvasHonoursItsClipAndOrigin) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    TCanvas canvas(&img);
    canvas.SetViewportOrg(5, 5);
    canvas.IntersectClipRect(::Rect(0, 0, 5, 5));
    Graphics g(canvas);
    g.FillRectangle(SolidBrush(Color(0xFF000000u)), RectF{-10, -10, 40, 40});
    int black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            black += (img.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_EQ(black, 25);
    EXPECT_EQ(img.pixel(5, 5) & 0xFFFFFF, 0u);
}

TEST(GdipImages, DecodesByContentAndReportsTheFormat) {
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(0xFF102030u);
    const auto bmp = Image::FromBytes(korvan::gfx::EncodeBmp(img));
    ASSERT_TRUE(bmp->IsValid());
    EXPECT_EQ(bmp->GetRawFormat(), ImageFormat::Bmp);
    EXPECT_EQ(bmp->GetWidth(), 3u);
    const auto png = Image::FromBytes(korvan::gfx::EncodePng(img));
    EXPECT_EQ(png->GetRawFormat(), ImageFormat::Png);
    EXPECT_FALSE(png->HasAlpha());
    const std::vector<std::uint8_t> junk = {1, 2, 3};
    EXPECT_FALSE(Image::FromBytes(junk)->IsValid());
}
