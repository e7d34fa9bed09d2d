// The curve editors on the main window (offscreen, off line): one band edit
// from a gain fader's change through the EQ timer to the repainted
// display, and one drag step on a channel display (hit test done at the
// press; snap, store, send, then the mouse timer's redraw and the repaint).
//
// Goals: a band edit within 2 ms; a drag step within 3 ms.

#include "bench/BenchTiming.h"
#include "device/model/LUnitControl.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
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
    auto window = std::make_unique<TfmMain>(nullptr, options);
    window->Show();
    if (auto* page = dynamic_cast<TControl*>(window->FindComponent("rzbMenuOut1")))
        window->rzbMenuInAClick(page);
    QApplication::processEvents();

    auto& editors = window->Editors();
    const int out1 = 4;
    Print("band edit (fader to screen)",
          TimeMillis(200,
                     [&](int r) {
                         editors.Peq().FaderChanged(korvan::editors::FaderKind::Gain, out1, 60 + r % 120);
                         editors.Peq().EqCurveTimer();
                         QApplication::processEvents();
                     }),
          2);

    auto* display = dynamic_cast<LMyFFTDrawHpLp6dB*>(window->FindComponent("fftDrawOut1"));
    const TPoint marker = display->GetBlockPos(2);
    const TRect area = display->CurvePage().Rect();
    editors.Drag().MouseDown(display, mbLeft, area.Left + marker.X, area.Top + marker.Y);
    Print("drag step (move to screen)",
          TimeMillis(200,
                     [&](int r) {
                         editors.Drag().MouseMove(display, area.Left + 200 + r % 300,
                                                  area.Top + 40 + r % 150);
                         editors.Drag().MouseEqCurveTimer();
                         QApplication::processEvents();
                     }),
          3);
    editors.Drag().MouseUp(display);
    Print("RefreshFromModel (unchanged)", TimeMillis(20, [&](int) { window->RefreshFromModel(); }), 5);
    // Every channel's and graphic EQ's values changed, as after a preset
    // load: every curve is built again.
    LUnitControl& model = window->Model();
    Print("RefreshFromModel (all new)",
          TimeMillis(10,
                     [&](int r) {
                         for (int ch = 0; ch < 12; ++ch) {
                             PeqBand band = model.GetPeqBand(ch, 0);
                             band.gain = std::uint16_t(100 + r);
                             model.SetPeq(ch, 0, band, 0);
                         }
                         for (int i = 0; i < 4; ++i)
                             model.SetGeq(i, 3, std::uint16_t(100 + r));
                         window->RefreshFromModel();
                     }),
          5);
    window.reset();
    return 0;
}
