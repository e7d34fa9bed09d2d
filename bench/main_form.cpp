// The main window's form on Qt's offscreen platform: building the whole
// stored form (about two thousand controls), one RefreshFromModel from the
// default preset, and one resize step (layout and repaint) between the
// design size and 1300 x 900.
//
// Goals: RefreshFromModel within 5 ms; a resize step within 16 ms. The
// start-up goal (exec to the main window shown, 400 ms) is printed by
// bench_startup.

#include "bench/BenchTiming.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using korvan::bench::Print;
using korvan::bench::TimeMillis;

int main(int argc, char** argv) {
    korvan::bench::UseOffscreenLoopback();
    QApplication app(argc, argv);

    korvan::MainWindowOptions options;
    options.instanceKey.clear();

    std::unique_ptr<TfmMain> window;
    Print("build the form",
          TimeMillis(5,
                     [&](int) {
                         window.reset();
                         window = std::make_unique<TfmMain>(nullptr, options);
                     }),
          0);
    window->FormCreate(nullptr);
    window->Show();
    QApplication::processEvents();
    std::printf("components on the form: %d\n", window->ComponentCount());

    Print("RefreshFromModel", TimeMillis(50, [&](int) { window->RefreshFromModel(); }), 5);
    Print("resize step (layout, paint)",
          TimeMillis(60,
                     [&](int r) {
                         if (r % 2)
                             window->SetBounds(0, 0, 1118, 720);
                         else
                             window->SetBounds(0, 0, 1300, 900);
                         window->Repaint();
                         QApplication::processEvents();
                     }),
          16);
    window.reset();
    return 0;
}
