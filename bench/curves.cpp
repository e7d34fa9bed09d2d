// Curve calculator timings: one section on the 4096-point grid, the total of
// 33 sections, a band edit, and all 18 calculators recomputed with every
// section in use; beside them scipy.signal.sosfreqz evaluating the same
// section on the same grid (when Debian's python3 with scipy is present).
//
// Goals on the development machine: a band edit (one section, the total and
// a redraw of the page) within 2 ms; all 18 calculators within 50 ms.
//
// `bench_curves edit [N]` makes only N band edits with the page redrawn
// (3000 by default) and prints nothing: a run for a profiler.

#include "tests/ui/curves/CascadeBuilder.h"
#include "tests/ui/curves/EditorDisplay.h"
#include "ui/curves/CurveGrid.h"
#include "ui/curves/Plot.h"
#include "ui/curves/ShadedArea.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using korvan::curves::testing::BuildCascade;

// Microseconds per call: the best and the median round of several (the
// machine is shared, so both are worth seeing).
struct Timing {
    double Best = 0.0;
    double Median = 0.0;
};

Timing TimeMicros(int rounds, int callsPerRound, const std::function<void()>& call) {
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < callsPerRound; ++i) {
            call();
        }
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        perCall.push_back(spent.count() / callsPerRound);
    }
    std::sort(perCall.begin(), perCall.end());
    return {perCall.front(), perCall[perCall.size() / 2]};
}

// Every section in use: 31 bands of all PEQ kinds, both pass curves from
// their cascades, the total, and nine overlays.
void RecomputeAll(Plot& plot, int display) {
    static constexpr std::array<int, 9> kinds = {1, 2, 3, 8, 5, 9, 4, 7, 17};
    for (int n = 0; n <= 30; ++n) {
        SetSection(*plot.Sections[static_cast<std::size_t>(n)], (n % 25) - 12.0,
                   25.0 * (n + 1) * (display + 1), 0.5 + 0.1 * n, kinds[static_cast<std::size_t>(n % 9)]);
    }
    BuildCascade(plot, 31, true, 20, 40.0 + display);
    BuildCascade(plot, 32, false, 8, 16000.0 - display);
    for (int n = 39; n < 48; ++n) {
        SetSection(*plot.Sections[static_cast<std::size_t>(n)], 6.0, 100.0 * n, 1.0, 1);
    }
    plot.BuildTotal();
}

// Asks Debian's python3 for scipy's time of the same section on the same
// grid; returns a negative value when python3 or scipy is missing.
double ScipyMicros(const korvan::curves::Biquad& c) {
    const char* const pythons[] = {"/usr/bin/python3", "python3"};
    for (const char* python : pythons) {
        char script[2048];
        std::snprintf(script, sizeof script,
                      "%s - 2>/dev/null <<'PYEOF'\n"
                      "import math, timeit\n"
                      "import numpy as np\n"
                      "from scipy import signal\n"
                      "w = np.array([math.pi * 10.0 ** (math.log10(48000.0) * k / 4096) / 48000.0"
                      " for k in range(4096)])\n"
                      "sos = np.array([[%.17g, %.17g, %.17g, %.17g, %.17g, %.17g]])\n"
                      "def run():\n"
                      "    _, h = signal.sosfreqz(sos, worN=w)\n"
                      "    return 20.0 * np.log10(np.abs(h))\n"
                      "t = min(timeit.repeat(run, number=200, repeat=5)) / 200\n"
                      "print(t * 1e6)\n"
                      "PYEOF",
                      python, c.b0, c.b1, c.b2, c.a0, c.a1, c.a2);
        FILE* pipe = popen(script, "r");
        if (pipe == nullptr) {
            continue;
        }
        char line[128] = {};
        const bool got = std::fgets(line, sizeof line, pipe) != nullptr;
        const int status = pclose(pipe);
        if (got && status == 0) {
            return std::strtod(line, nullptr);
        }
    }
    return -1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    PlotSection section;
    double gain = 6.0;
    const bool editOnly = argc > 1 && std::string(argv[1]) == "edit";
    // Timings a profiling run skips: one round of one call each.
    const int rounds = editOnly ? 1 : 7;
    auto calls = [editOnly](int n) { return editOnly ? 1 : n; };
    const Timing oneSection = TimeMicros(rounds, calls(2000), [&] {
        gain = -gain;
        SetSection(section, gain, 1000.0, 1.4, 1);
    });
    section.PhaseMode = 1;
    const Timing onePhase = TimeMicros(rounds, calls(2000), [&] {
        gain = -gain;
        SetSection(section, gain, 1000.0, 1.4, 1);
    });

    Plot plot(nullptr);
    RecomputeAll(plot, 4);
    const Timing total = TimeMicros(rounds, calls(2000), [&] { plot.BuildTotal(); });
    const Timing bandEdit = TimeMicros(rounds, calls(1000), [&] {
        gain = -gain;
        SetSection(*plot.Sections[3], gain, 2000.0, 2.0, 1);
        plot.BuildTotal();
    });

    // A band edit as the PEQ editor makes it on a channel display: the
    // band's section and marker, the total (drawn with plots and labels),
    // the selected band's caption and area, and the curve page shown.
    // The gain steps as a dragged band's does, so every edit has a new
    // curve: the display keeps only the shaded areas it painted last.
    int step = 0;
    auto dragGain = [&step] {
        step = (step + 1) % 37;
        return -9.0 + 0.5 * step;
    };
    korvan::curves::testing::EditorDisplay<> display;
    Plot shown(&display.display);
    korvan::curves::testing::BuildChannel(shown, 4, 3);
    display.display.UpdateCurvePage();
    auto editShown = [&] {
        gain = dragGain();
        SetSection(*shown.Sections[3], gain, 1000.0, 1.0, 1);
        shown.DrawSectionMarker(3, static_cast<float>(gain), 1);
        shown.DrawTotalCurve(4);
        shown.ShowSectionParam(0, 3, static_cast<float>(gain), 1.0f, true);
        display.display.UpdateCurvePage();
    };
    if (editOnly) {
        const int edits = argc > 2 ? std::atoi(argv[2]) : 3000;
        for (int i = 0; i < edits; ++i) {
            editShown();
        }
        return 0;
    }
    const Timing bandEditShown = TimeMicros(5, 20, editShown);

    // Where the redraw's time goes: the drawing layer's share.
    LMyFFTDrawHpLp6dB& page = display.display;
    const TPlotListMember& totalPlot = *page.Plots().Head();
    const Timing plotLine = TimeMicros(5, 20, [&] { page.DrawOnePlot(totalPlot); });
    const Timing shadedArea = TimeMicros(5, 20, [&] { page.CuveDisplayPaint(); });
    // A new shaded area on every call, as a dragged band makes it: its
    // 4096-point curve rasterised, recorded and painted on the curve page.
    // Five shapes in turn, more than the area keeps, so none is repainted.
    std::vector<korvan::curves::ShadedAreaShape> freshShapes(5);
    const int plotWidth = page.GetPlotWidth(), plotHeight = page.GetPlotHeight();
    for (std::size_t s = 0; s < freshShapes.size(); ++s) {
        const double shape = static_cast<double>(s);
        for (int k = 0; k < 4096; ++k) {
            const double db = (3.0 + shape) * std::exp(-std::pow((k - 2400 - 60.0 * shape) / 180.0, 2));
            freshShapes[s].Points.push_back({static_cast<int>(plotWidth * (k - 966) / 2874.0),
                                             static_cast<int>(plotHeight - plotHeight * (db + 18) / 36.0)});
        }
        freshShapes[s].Lines.push_back({0.0f, static_cast<float>(plotHeight) / 2,
                                        static_cast<float>(plotWidth), static_cast<float>(plotHeight) / 2});
    }
    korvan::curves::ShadedArea freshArea;
    std::size_t freshShape = 0;
    const Timing newArea = TimeMicros(5, 50, [&] {
        freshArea.Paint(page.CurvePage().Canvas(), freshShapes[freshShape],
                        Gdiplus::Color(30, 128, 128, 128));
        freshShape = (freshShape + 1) % freshShapes.size();
    });
    const Timing pageCopy = TimeMicros(5, 20, [&] {
        display.screen.Canvas().CopyRect(page.CurvePage().Rect(), page.CurvePage().Canvas(),
                                         page.CurvePage().BitmapRect());
    });

    std::vector<std::unique_ptr<Plot>> plots;
    for (int i = 0; i < 18; ++i) {
        plots.push_back(std::make_unique<Plot>(nullptr));
    }
    auto all = [&] {
        for (int i = 0; i < 18; ++i) {
            RecomputeAll(*plots[static_cast<std::size_t>(i)], i);
        }
    };
    const Timing allMagnitude = TimeMicros(5, 3, all);
    for (auto& p : plots) {
        p->SetPhaseMode(1);
    }
    const Timing allPhase = TimeMicros(5, 3, all);

    // Best and median round, per call.
    auto line = [](const char* what, Timing t, double scale, const char* unit, const char* goal) {
        std::printf("%-40s best %9.2f %s, median %9.2f %s%s\n", what, t.Best / scale, unit, t.Median / scale,
                    unit, goal);
    };
    line("one section, magnitude (4096 points):", oneSection, 1.0, "us", "");
    line("one section, phase (4096 points):", onePhase, 1.0, "us", "");
    line("total of 33 sections:", total, 1.0, "us", "");
    line("band edit, section + total only:", bandEdit, 1.0, "us", "");
    line("band edit with the page redrawn:", bandEditShown, 1.0, "us", "   goal: 2000 us");
    line("  of it: total curve line", plotLine, 1.0, "us", "");
    line("  caption and shaded area repainted", shadedArea, 1.0, "us",
         " (4 times per edit; a new area is rasterised once)");
    line("  curve page copy", pageCopy, 1.0, "us", "");
    line("  a new shaded area recorded, painted", newArea, 1.0, "us", "");
    line("18 calculators, every section, dB:", allMagnitude, 1000.0, "ms", "   goal: 50 ms");
    line("18 calculators, every section, phase:", allPhase, 1000.0, "ms", "");

    PlotSection peak;
    SetSection(peak, 6.0, 1000.0, 1.4, 1);
    korvan::curves::Biquad c;
    DesignBiquad(peak, c);
    const double scipy = ScipyMicros(c);
    if (scipy > 0.0) {
        std::printf("scipy.signal.sosfreqz, same section and grid: %8.1f us; ours/scipy = %.3f\n", scipy,
                    oneSection.Best / scipy);
    } else {
        std::printf("scipy.signal.sosfreqz: not available (python3 with scipy not found)\n");
    }
    return 0;
}
