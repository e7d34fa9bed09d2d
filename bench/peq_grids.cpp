// The main window's twelve PEQ band grids (8 bands on the inputs, 9 on the
// outputs; rows built as used): building them, filling every band as a refresh
// from the model does, and painting them once on a shown form.
//
// `bench_peq_grids [runs]` (5 runs by default).

#include "device/protocol/ValueScales.h"
#include "platform/forms/Form.h"
#include "ui/curves/MyPEQType8.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

double MsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<double> build, fill, paint;
    for (int run = 0; run < runs; ++run) {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 1200, 900);
        std::vector<TMyPEQType8*> grids;
        auto start = Steady::now();
        for (int channel = 0; channel < 12; ++channel) {
            auto* grid = new TMyPEQType8(form.get());
            grid->SetParent(form.get());
            grid->SetBounds(10 + (channel % 2) * 560, 10 + (channel / 2) * 140, 536, 270);
            grid->SetChannelNumber(channel < 4 ? 8 : 9);
            grids.push_back(grid);
        }
        build.push_back(MsSince(start));
        start = Steady::now();
        for (TMyPEQType8* grid : grids) {
            grid->SetNowIndex(0);
            for (int b = 0; b < grid->ChannelNumber(); ++b)
                grid->SetEqParamValue(b, IndexToFreq(40 + 30 * b), 20, 0.5 * b, b % 9, false);
        }
        fill.push_back(MsSince(start));
        start = Steady::now();
        form->Show();
        QApplication::processEvents();
        paint.push_back(MsSince(start));
    }
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf(
        "12 PEQ grids: build %.1f ms, fill every band %.2f ms, show and paint %.1f ms (median of %d)\n",
        median(build), median(fill), median(paint), runs);
    return 0;
}
