// The dynamics pages' transfer-curve plot (an XY plot of 587 x 230 with
// the main window's settings, a curve of 4 points and a marker point):
// 1. one full paint into an off-screen page, again and again as a repaint
//    does, beside its goal of 1 ms;
// 2. a fader drag: every millisecond of a driven clock the curve's points
//    are replaced as an editor does on each fader step, for two simulated
//    seconds with the update timer firing as due; prints the repaints per
//    second beside the plot's frame-rate limit, and the cost of one step.

#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/Timer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/Clock.h"
#include "ui/main/form/TransferPlots.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

void DrawCurve(TiXYPlot& plot, double threshold) {
    TiXYPlotChannel& curve = *plot.Channel(0);
    curve.DeletePoints(curve.Count());
    curve.AddXY(20, threshold + 10);
    curve.AddXY(threshold + 5, threshold + 2);
    curve.AddXY(threshold - 5, threshold - 5);
    curve.AddXY(-100, -100);
    TiXYPlotChannel& marker = *plot.Channel(1);
    marker.DeletePoints(marker.Count());
    marker.AddXY(threshold, threshold);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int paints = argc > 1 ? std::atoi(argv[1]) : 2000;

    TiXYPlot plot(nullptr);
    plot.SetBounds(0, 0, 587, 230);
    korvan::mainform::SetTransferPlot(plot);
    DrawCurve(plot, -30);
    TBitmap page(587, 230);
    plot.PaintImageTo(page.Canvas());

    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const auto start = Clock::now();
        for (int i = 0; i < paints / 5; ++i)
            plot.PaintImageTo(page.Canvas());
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
                                  (paints / 5));
    }
    std::printf("XY plot paint 587x230, 4+1 points: %.3f ms per paint (goal <= 1 ms, ratio %.2f)\n", best,
                best / 1.0);

    // The fader drag on a driven clock.
    korvan::sys::ManualClock clock(1000000);
    korvan::forms::TimerScheduler::Instance().SetClock(&clock);
    int repaints = 0;
    korvan::sys::Millis last = plot.LastUpdate();
    const int steps = 2000;
    const auto start = Clock::now();
    for (int step = 0; step < steps; ++step) {
        clock.Advance(1);
        DrawCurve(plot, -60 + 40.0 * step / steps);
        korvan::forms::TimerScheduler::Instance().FireDue();
        if (plot.LastUpdate() != last) {
            ++repaints;
            last = plot.LastUpdate();
        }
    }
    const double stepMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count() / steps;
    const double seconds = steps / 1000.0;
    std::printf("fader drag, a step every ms for %.0f s: %.1f repaints per second (limit %d), "
                "%.4f ms per step without the paint\n",
                seconds, repaints / seconds, plot.UpdateFrameRate(), stepMs);
    korvan::forms::TimerScheduler::Instance().SetClock(nullptr);
    return 0;
}
