// Paints the editor's transfer-curve plot layout (587 x 230, an X and a Y
// axis from -100 to 20 naming themselves as align reference, an invisible
// title, no border) into an off-screen page again and again, as a repaint
// does, and prints the time of one full paint beside its goal of 1 ms.
// The plot's channels, data view, legend and toolbar join this picture
// with their kinds; until then the figure covers layout, ticks and axes.

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/objects/PlotLabel.h"
#include "platform/gfx/Bitmap.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int paints = argc > 1 ? std::atoi(argv[1]) : 2000;

    TiPlotComponent plot(nullptr);
    plot.SetBounds(0, 0, 587, 230);
    plot.SetBorderStyle(ibsNone);
    plot.DisableLayoutManager();
    plot.AddXAxis();
    plot.AddYAxis();
    plot.AddLabel();
    plot.Label(0)->SetZOrder(2);
    plot.EnableLayoutManager();
    plot.SetTitleVisible(false);
    for (TiPlotAxis* axis :
         {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
        axis->SetMinSpan(-100, 120);
        axis->SetTrackingEnabled(false);
        axis->SetAlignRefAxisName(axis->Name());
    }
    TBitmap page(587, 230);
    plot.PaintImageTo(page.Canvas());

    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < paints; ++i)
        plot.PaintImageTo(page.Canvas());
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / paints;
    std::printf("plot paint 587x230, axes and title: %.3f ms per paint (goal <= 1 ms, ratio %.2f)\n", ms,
                ms / 1.0);
    return 0;
}
