// Draws one curve page the way a response display does: a 1070 x 255 page
// with a grid, ten text labels and a 4096-point curve of width 2 on the
// canvas, then one GDI+ shaded fill through 4096 points. Prints the time of
// one page in milliseconds and its ratio to one 60 Hz frame (16.7 ms).

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Gdiplus.h"

#include <QGuiApplication>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 1070, kHeight = 255, kPoints = 4096;

std::vector<TPoint> CurvePoints() {
    std::vector<TPoint> pts;
    pts.reserve(kPoints);
    for (int k = 0; k < kPoints; ++k) {
        const double x = double(k) / (kPoints - 1);
        const double y = 0.5 + 0.35 * std::sin(x * 9.0) * std::exp(-x);
        pts.push_back({static_cast<int>(x * (kWidth - 1)), static_cast<int>(y * (kHeight - 1))});
    }
    return pts;
}

void DrawPage(TBitmap& page, const std::vector<TPoint>& curve) {
    TCanvas& c = page.Canvas();
    c.Brush().SetColor(clBlack);
    c.FillRect(Rect(0, 0, kWidth, kHeight));
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(psDot);
    c.Pen().SetColor(RGB(64, 64, 64));
    for (int x = 0; x < kWidth; x += 50) {
        c.MoveTo(x, 0);
        c.LineTo(x, kHeight);
    }
    for (int y = 0; y < kHeight; y += 25) {
        c.MoveTo(0, y);
        c.LineTo(kWidth, y);
    }
    c.Pen().SetStyle(psSolid);
    c.Brush().SetStyle(bsClear);
    c.Font().SetName("Tahoma");
    c.Font().SetColor(clWhite);
    for (int i = 0; i < 10; ++i)
        c.TextOut(10 + i * 105, kHeight - 16, std::to_string(20 << i) + "Hz");
    c.Pen().SetWidth(2);
    c.Pen().SetColor(clYellow);
    c.Polyline(curve);

    Gdiplus::Graphics g(c);
    Gdiplus::GraphicsPath path;
    std::vector<Gdiplus::Point> pts;
    pts.reserve(curve.size());
    for (const TPoint& p : curve)
        pts.push_back({p.X, p.Y});
    path.AddCurve(pts);
    path.AddLine(static_cast<float>(curve.back().X), static_cast<float>(curve.back().Y), kWidth - 1.0f,
                 kHeight / 2.0f);
    path.AddLine(kWidth - 1.0f, kHeight / 2.0f, 0.0f, kHeight / 2.0f);
    path.CloseFigure();
    const Gdiplus::Color shade(30, 128, 128, 128);
    g.DrawPath(Gdiplus::Pen(shade, 1.0f), path);
    g.FillPath(Gdiplus::SolidBrush(shade), path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TBitmap page(kWidth, kHeight);
    const std::vector<TPoint> curve = CurvePoints();
    DrawPage(page, curve); // warm-up: fonts and caches
    constexpr int kRuns = 20;
    double best = 1e9, total = 0;
    for (int i = 0; i < kRuns; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        DrawPage(page, curve);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        best = std::min(best, ms);
        total += ms;
    }
    constexpr double kFrameMs = 1000.0 / 60.0;
    std::printf("gfx_page: %dx%d page, grid, 10 labels, %d-point curve width 2, GDI+ shaded fill\n", kWidth,
                kHeight, kPoints);
    std::printf("  best %.2f ms, mean %.2f ms over %d pages; ratio to a 60 Hz frame: %.2f\n", best,
                total / kRuns, kRuns, (total / kRuns) / kFrameMs);
    return 0;
}
