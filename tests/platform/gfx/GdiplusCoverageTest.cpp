// Recorded coverage painted back against drawing and filling the path anew:
// the same pixels, however often the shape is painted.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Gdiplus.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace Gdiplus;

namespace {

using korvan::test::FirstDifference;

QImage RandomRgb(int w, int h, std::mt19937& rng) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFF));
    return img;
}

// A wiggly spline over and beyond the image, crossing itself, closed by
// lines like a shaded band area; with reach above 1 it runs far beyond
// every side of the image and back, so runs of it lie wholly outside.
GraphicsPath Wiggle(int w, int h, int points, double phase, double reach = 0.6) {
    std::vector<Gdiplus::Point> pts;
    const double beyond = reach > 1 ? w * reach : 4;
    for (int k = 0; k < points; ++k) {
        const double t = static_cast<double>(k) / (points - 1);
        pts.push_back({static_cast<INT>(-beyond + t * (w + 2 * beyond) * (1 - 0.3 * std::sin(t * 31))),
                       static_cast<INT>(h / 2 + h * reach * std::sin(t * 9 + phase) * std::cos(t * 23))});
    }
    GraphicsPath path;
    path.AddCurve(pts);
    const REAL middle = static_cast<REAL>(h) / 2;
    path.AddLine(static_cast<REAL>(w + 2), middle, -3.0f, middle);
    path.AddLine(-3.0f, middle, -3.0f, 1.5f);
    return path;
}

// How the graphics clip is set: a rectangle (which the rasteriser takes)
// or an ellipse (which leaves the whole call to the painter).
enum class GraphicsClip { None, Rectangle, Ellipse };

struct Arrangement {
    const char* name;
    TRect canvasClip; // empty: none
    TPoint origin;
    GraphicsClip graphicsClip;
    float penWidth; // wider than a pixel: the outline is the painter's
};

} // namespace

TEST(GdiplusCoverage, PaintingRecordedCoverageGivesThePixelsOfDrawingAndFilling) {
    const Arrangement setups[] = {
        {"plain", {}, {}, GraphicsClip::None, 1.0f},
        {"canvas clip and origin", TRect{3, 2, 30, 17}, {2, -1}, GraphicsClip::None, 1.0f},
        {"graphics clip", {}, {1, 1}, GraphicsClip::Rectangle, 1.0f},
        {"graphics clip of a curved shape", {}, {1, 1}, GraphicsClip::Ellipse, 1.0f},
        {"wide pen", TRect{3, 2, 30, 17}, {}, GraphicsClip::None, 2.0f},
    };
    const ARGB colours[] = {0x1E808080u, 0x01FF0000u, 0x80204060u, 0xC8FFFFFFu, 0xFF123456u};
    std::mt19937 rng(21);
    for (const Arrangement& s : setups) {
        for (int shape = 0; shape < 6; ++shape) {
            const GraphicsPath path =
                Wiggle(36, 20, 12 + shape * 40, shape * 0.7, shape < 3 ? 0.6 : shape - 1.0);
            for (ARGB colour : colours) {
                const QImage start = RandomRgb(36, 20, rng);
                QImage drawn = start, painted = start;
                TCanvas drawnCanvas(&drawn), paintedCanvas(&painted);
                for (TCanvas* c : {&drawnCanvas, &paintedCanvas}) {
                    c->SetViewportOrg(s.origin.X, s.origin.Y);
                    if (!s.canvasClip.IsEmpty())
                        c->SetClipRect(s.canvasClip);
                }
                Graphics byPath(drawnCanvas), byCoverage(paintedCanvas);
                GraphicsPath ellipse;
                ellipse.AddEllipse(2.5f, 1.0f, 25.0f, 12.0f);
                for (Graphics* g : {&byPath, &byCoverage}) {
                    if (s.graphicsClip == GraphicsClip::Rectangle)
                        g->SetClip(RectF{2.5f, 1.0f, 25.0f, 12.0f});
                    else if (s.graphicsClip == GraphicsClip::Ellipse)
                        g->SetClip(ellipse);
                }
                const Pen pen(Color(colour), s.penWidth);
                PathCoverage coverage;
                ASSERT_EQ(byCoverage.RecordCoverage(&pen, path, true, coverage), Ok);
                EXPECT_EQ(painted, start) << "recording draws nothing";
                // Painted over and over, as the display repaints its area.
                for (int times = 1; times <= 3; ++times) {
                    byPath.DrawPath(pen, path);
                    byPath.FillPath(SolidBrush(Color(colour)), path);
                    ASSERT_EQ(byCoverage.PaintCoverage(coverage, Color(colour)), Ok);
                    EXPECT_EQ(drawn, painted)
                        << s.name << ", shape " << shape << ", colour " << std::hex << colour << std::dec
                        << ", painted " << times << " times, first difference "
                        << FirstDifference(drawn, painted);
                }
            }
        }
    }
}

TEST(GdiplusCoverage, OutlineOnlyAndFillOnlyAreRecordedApart) {
    std::mt19937 rng(4);
    const GraphicsPath path = Wiggle(30, 16, 30, 0.3);
    const Pen pen(Color(0x60FF8000u), 1.0f);
    for (bool outline : {true, false}) {
        const QImage start = RandomRgb(30, 16, rng);
        QImage drawn = start, painted = start;
        TCanvas drawnCanvas(&drawn), paintedCanvas(&painted);
        Graphics byPath(drawnCanvas), byCoverage(paintedCanvas);
        if (outline)
            byPath.DrawPath(pen, path);
        else
            byPath.FillPath(SolidBrush(pen.GetColor()), path);
        PathCoverage coverage;
        ASSERT_EQ(byCoverage.RecordCoverage(outline ? &pen : nullptr, path, !outline, coverage), Ok);
        ASSERT_EQ(byCoverage.PaintCoverage(coverage, pen.GetColor()), Ok);
        EXPECT_EQ(drawn, painted) << (outline ? "outline" : "fill") << ", first difference "
                                  << FirstDifference(drawn, painted);
    }
}

TEST(GdiplusCoverage, TargetsItCannotServeAreRefused) {
    const GraphicsPath path = Wiggle(20, 10, 10, 0.0);
    const Pen pen(Color(0x40000000u), 1.0f);
    PathCoverage coverage;
    Bitmap argb(20, 10); // alpha in the target: blending differs
    EXPECT_EQ(Graphics(argb).RecordCoverage(&pen, path, true, coverage), NotImplemented);
    QImage rgb(20, 10, QImage::Format_RGB32);
    rgb.fill(0xFFFFFFFFu);
    TCanvas canvas(&rgb);
    Graphics smooth(canvas);
    smooth.SetSmoothingMode(SmoothingModeAntiAlias); // partial coverage does not count
    EXPECT_EQ(smooth.RecordCoverage(&pen, path, true, coverage), NotImplemented);
    Graphics plain(canvas);
    ASSERT_EQ(plain.RecordCoverage(&pen, path, true, coverage), Ok);
    QImage other(21, 10, QImage::Format_RGB32);
    other.fill(0xFFFFFFFFu);
    TCanvas otherCanvas(&other);
    Graphics elsewhere(otherCanvas);
    EXPECT_EQ(elsewhere.PaintCoverage(coverage, pen.GetColor()), NotImplemented) << "another size";
    EXPECT_EQ(other.pixel(5, 5), 0xFFFFFFFFu);
}
