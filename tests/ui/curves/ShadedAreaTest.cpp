// The shaded area painted from kept coverage against drawing and filling its
// path each time, on a curve page's size with a band's curve.

#include "ui/curves/ShadedArea.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

using korvan::curves::ShadedArea;
using korvan::curves::ShadedAreaShape;

constexpr int PageWidth = 1019;
constexpr int PageHeight = 235;

// A peak of the given gain on the editor's scale: 4096 points, a third of
// them beyond the page's sides, closed back along the 0 dB line.
ShadedAreaShape Peak(double gain) {
    ShadedAreaShape shape;
    for (int k = 0; k < 4096; ++k) {
        const double db = gain * std::exp(-std::pow((k - 2600) / 180.0, 2));
        shape.Points.push_back({static_cast<int>(PageWidth * (k - 966) / 2874.0),
                                static_cast<int>(PageHeight - PageHeight * (db + 18) / 36.0)});
    }
    shape.Lines.push_back({-300.0f, PageHeight / 2.0f, 1400.0f, PageHeight / 2.0f});
    return shape;
}

void DrawAndFill(TCanvas& canvas, const ShadedAreaShape& shape, Gdiplus::Color colour) {
    Gdiplus::Graphics graphics(canvas);
    Gdiplus::GraphicsPath path;
    path.AddCurve(shape.Points);
    for (const auto& l : shape.Lines)
        path.AddLine(l[0], l[1], l[2], l[3]);
    graphics.DrawPath(Gdiplus::Pen(colour, 1.0f), path);
    graphics.FillPath(Gdiplus::SolidBrush(colour), path);
}

// A curve page's background: black with a grid of dark grey lines.
QImage GridPage() {
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    for (int y = 0; y < PageHeight; ++y)
        for (int x = 0; x < PageWidth; ++x)
            page.setPixel(x, y, x % 50 == 0 || y % 25 == 0 ? 0xFF404040u : 0xFF000000u);
    return page;
}

} // namespace

// The area of a +6 dB peak on a page, written as a PNG to look at: the
// outline is blended once where it runs outside the fill and twice inside
// it, never more (no darker dots where the curve's many short pieces
// meet), and it follows the curve.
TEST(ShadedAreaCoverage, PeakOnAPageIsOutlinedAndFilledCleanly) {
    const QImage start = GridPage();
    QImage page = start;
    TCanvas canvas(&page);
    const Gdiplus::Color colour(30, 128, 128, 128);
    const ShadedAreaShape shape = Peak(6);
    ShadedArea().Paint(canvas, shape, colour);
    korvan::testing::SavePng(page, "shaded_area_peak");

    auto paintedOver = [&](QRgb under, int times) {
        QImage one(1, 1, QImage::Format_RGB32);
        one.fill(under);
        QPainter p(&one);
        for (int i = 0; i < times; ++i)
            p.fillRect(QRect(0, 0, 1, 1), QColor::fromRgba(colour.GetValue()));
        p.end();
        return one.pixel(0, 0);
    };
    std::map<int, int> times; // pixels by how often they were blended; -1: none of 0..2
    for (int y = 0; y < PageHeight; ++y)
        for (int x = 0; x < PageWidth; ++x) {
            const QRgb under = start.pixel(x, y), now = page.pixel(x, y);
            const int n = now == under                   ? 0
                          : now == paintedOver(under, 1) ? 1
                          : now == paintedOver(under, 2) ? 2
                                                         : -1;
            ++times[n];
        }
    EXPECT_EQ(times.count(-1), 0u) << times[-1] << " pixels blended more than twice";
    EXPECT_GT(times[1], 3000); // the fill
    EXPECT_GT(times[2], 100);  // the outline over the fill
    // Every point of the curve on the page has the outline within a pixel.
    int far = 0;
    for (const Gdiplus::Point& p : shape.Points) {
        if (p.X < 1 || p.X >= PageWidth - 1 || p.Y < 1 || p.Y >= PageHeight - 1)
            continue;
        bool near = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                near = near || page.pixel(p.X + dx, p.Y + dy) != start.pixel(p.X + dx, p.Y + dy);
        far += !near;
    }
    EXPECT_EQ(far, 0);
}

TEST(ShadedAreaCoverage, RepaintsFromKeptCoverageGiveThePixelsOfDrawingAgain) {
    QImage start(PageWidth, PageHeight, QImage::Format_RGB32);
    for (int y = 0; y < PageHeight; ++y)
        for (int x = 0; x < PageWidth; ++x)
            start.setPixel(x, y, (x / 7 + y / 5) % 3 ? 0xFF000000u : 0xFF3C3C3Cu); // a grid of sorts
    QImage kept = start, drawn = start;
    TCanvas keptCanvas(&kept), drawnCanvas(&drawn);
    const Gdiplus::Color colour(30, 128, 128, 128);
    ShadedArea area;
    // As a band is dragged: each shape painted a few times, the previous
    // one again after the next, a shape seen before, then the page clipped.
    const double gains[] = {6, 6, 6, 5.5, 6, 5.5, 5.5, 5, 6, -3, -3};
    for (std::size_t i = 0; i < std::size(gains); ++i) {
        if (i == 9) {
            keptCanvas.SetClipRect(TRect{100, 20, 900, 200});
            drawnCanvas.SetClipRect(TRect{100, 20, 900, 200});
        }
        area.Paint(keptCanvas, Peak(gains[i]), colour);
        DrawAndFill(drawnCanvas, Peak(gains[i]), colour);
        ASSERT_EQ(kept, drawn) << "paint " << i;
    }
    EXPECT_NE(kept, start);
}

TEST(ShadedAreaCoverage, OtherTargetsAreDrawnAndFilledDirectly) {
    // An image with alpha cannot take kept coverage; it still gets the area.
    QImage kept(60, 40, QImage::Format_ARGB32), drawn(60, 40, QImage::Format_ARGB32);
    kept.fill(0x80FFFFFFu);
    drawn.fill(0x80FFFFFFu);
    TCanvas keptCanvas(&kept), drawnCanvas(&drawn);
    ShadedAreaShape shape;
    for (int k = 0; k < 30; ++k)
        shape.Points.push_back({k * 2, 20 + static_cast<int>(15 * std::sin(k * 0.4))});
    shape.Lines.push_back({58.0f, 20.0f, 0.0f, 20.0f});
    const Gdiplus::Color colour(30, 128, 128, 128);
    for (int i = 0; i < 2; ++i) {
        ShadedArea().Paint(keptCanvas, shape, colour);
        DrawAndFill(drawnCanvas, shape, colour);
    }
    EXPECT_EQ(kept, drawn);
}
