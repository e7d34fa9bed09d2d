// Plot channels: appending to an XY channel the way the editor and a data
// feed do, and painting the editor's transfer-curve plot.
//
// Goals on the development machine: 10M AddXY on an XY channel at <= 20 ns
// and <= 26 resident bytes a point; the editor's XY plot (4 + 1 points on
// 587 x 230) painted in <= 1 ms; a strip chart of 1M points over a
// 1000-pixel axis painted in <= 10 ms on one core, with at most a few
// segments per pixel column.

#include "controls/plot/channels/StripChannel.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/ProcessMemory.h"
#include "tests/controls/plot/channels/ChannelTestSupport.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using korvan::testing::ChannelFixture;

long ResidentBytes() {
    return korvan::sys::ResidentKiB() * 1024;
}

// Best and median of the rounds.
std::pair<double, double> BestMedian(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2]};
}

// A plot whose axis events cost what unassigned plot events cost: nothing.
class QuietPlot : public korvan::testing::RecordingChannelPlot {
public:
    void DoAxisMinChange(TiPlotAxis*, double, double) override {}
    void DoAxisSpanChange(TiPlotAxis*, double, double) override {}
    void DoAxisMinSpanChange(TiPlotAxis*, double, double, double, double) override {}
};

// 10M AddXY on a channel of a plot with both axes found and tracking on
// (every point also reaches the axes), or on a channel without axes.
void Appends(bool withAxes) {
    constexpr int points = 10'000'000;
    std::vector<double> times;
    double bytes = 0;
    for (int round = 0; round < 5; ++round) {
        ChannelFixture plot;
        QuietPlot quiet;
        auto xAxis = plot.MakeOn<TiPlotXAxis>(&quiet);
        auto yAxis = plot.MakeOn<TiPlotYAxis>(&quiet);
        quiet.xAxes["X"] = xAxis.get();
        quiet.yAxes["Y"] = yAxis.get();
        TComponent bare(nullptr);
        auto channel = plot.MakeOn<TiXYPlotChannel>(withAxes ? static_cast<TComponent*>(&quiet) : &bare);
        channel->SetXAxisName("X");
        channel->SetYAxisName("Y");
        const long before = ResidentBytes();
        const auto start = Clock::now();
        for (int i = 0; i < points; ++i)
            channel->AddXY(i, (i % 1000) * 0.5);
        const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
        times.push_back(spent.count() / points);
        bytes = std::max(bytes, double(ResidentBytes() - before) / points);
    }
    const auto [best, median] = BestMedian(times);
    std::printf(
        "10M AddXY on an XY channel %s: best %.1f, median %.1f ns a point (goal <= 20); %.1f resident "
        "bytes a point (goal <= 26)\n",
        withAxes ? "with both axes tracking" : "without axes", best, median, bytes);
}

// The editor's transfer-curve plot: axes -100..20 on 587 x 230, the curve
// of four points and the marker channel of one, painted as the plot does
// (background, axes with their ticks, then each channel).
void EditorPlotPaint() {
    ChannelFixture plot;
    TBitmap bitmap;
    bitmap.SetSize(587, 230);
    TCanvas& canvas = bitmap.Canvas();
    for (TiPlotAxis* axis :
         {static_cast<TiPlotAxis*>(plot.xAxis.get()), static_cast<TiPlotAxis*>(plot.yAxis.get())})
        axis->SetMinSpan(-100, 120);
    plot.xAxis->SetDrawRect(Rect(40, 200, 580, 225));
    plot.yAxis->SetDrawRect(Rect(5, 5, 40, 200));
    auto curve = plot.MakeChannel();
    korvan::testing::SetAsEditorCurve(*curve);
    auto marker = plot.MakeChannel();
    korvan::testing::SetAsEditorMarker(*marker);
    const auto paint = [&] {
        curve->DeletePoints(curve->Count());
        for (auto [x, y] : {std::pair{0.0, 0.0}, {-30.0, -30.0}, {-50.0, -40.0}, {-100.0, -100.0}})
            curve->AddXY(x, y);
        marker->DeletePoints(marker->Count());
        marker->AddXY(-30, -30);
        canvas.Brush().SetColor(clBlack);
        canvas.FillRect(Rect(0, 0, 587, 230));
        for (TiPlotAxis* axis :
             {static_cast<TiPlotAxis*>(plot.xAxis.get()), static_cast<TiPlotAxis*>(plot.yAxis.get())}) {
            axis->CalcScaleRect(canvas);
            axis->CalcTickList(canvas);
            axis->PrepareDraw();
            axis->Draw(canvas, clBlack);
        }
        for (TiXYPlotChannel* channel : {curve.get(), marker.get()}) {
            channel->PrepareDraw();
            canvas.SaveDC();
            if (channel->CanDraw())
                channel->Draw(canvas, clBlack);
            canvas.RestoreDC(-1);
        }
    };
    paint();
    std::vector<double> times;
    for (int round = 0; round < 200; ++round) {
        const auto start = Clock::now();
        paint();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        times.push_back(spent.count());
    }
    const auto [best, median] = BestMedian(times);
    std::printf("editor's XY plot (4+1 points, axes, 587x230), one paint: best %.0f, median %.0f us (goal <= "
                "1000)\n",
                best, median);
}

// Counts the lines a paint draws.
class LineCounter : public korvan::gfx::CanvasRecorder {
public:
    long lines = 0;
    void Record(korvan::gfx::DrawCall call) override {
        if (call.Op == "Polyline")
            ++lines;
    }
};

// One million points of a noisy signal over an X axis of 1000 pixels,
// the whole channel in view: one full paint of the channel.
void StripChartPaint() {
    ChannelFixture plot;
    TBitmap bitmap;
    bitmap.SetSize(1100, 1100);
    TCanvas& canvas = bitmap.Canvas();
    auto channel = plot.MakeOn<TiPlotChannel>();
    channel->SetXAxisName("X-Axis 1");
    channel->SetYAxisName("Y-Axis 1");
    channel->SetXAxisTrackingEnabled(false);
    channel->SetYAxisTrackingEnabled(false);
    constexpr int points = 1'000'000;
    unsigned noise = 12345;
    for (int i = 0; i < points; ++i) {
        noise = noise * 1103515245u + 12345u;
        channel->AddXY(i * (100.0 / points), 50 + 40 * std::sin(i * 0.0001) + double(noise >> 28));
    }
    LineCounter counter;
    canvas.SetRecorder(&counter);
    channel->PrepareDraw();
    channel->Draw(canvas, clBlack);
    const long lines = counter.lines;
    canvas.SetRecorder(nullptr);
    std::vector<double> times;
    for (int round = 0; round < 20; ++round) {
        const auto start = Clock::now();
        channel->PrepareDraw();
        channel->Draw(canvas, clBlack);
        const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
        times.push_back(spent.count());
    }
    const auto [best, median] = BestMedian(times);
    std::printf(
        "strip chart of 1M points over a 1000-pixel axis, one paint: best %.2f, median %.2f ms (goal <= "
        "10); %ld segments, %.1f a pixel column\n",
        best, median, lines, double(lines) / 1000);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Appends(true);
    Appends(false);
    EditorPlotPaint();
    StripChartPaint();
    return 0;
}
