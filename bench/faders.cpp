// Paints the editor's faders: one vertical 27 x 193 fader with a 16 x 29
// picture thumb (the editor's settings), then a window of 280 such faders
// at varied positions, repainted in full (every fader's own paint, with
// the parent's picture behind each, as the window does after a refresh
// from the unit), and the same through the window's paint of the screen.
// Prints milliseconds and the ratio to the goal (280 faders in 8 ms).

#include "controls/gdip/TrackBar.h"
#include "tests/controls/gdip/FaderFixture.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The best of `runs` timings of `work`, in milliseconds.
template <class F> double Best(int runs, F&& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        work();
        best = std::min(best, Millis(t0, Clock::now()));
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kFaders = 280, kGoalMs = 8;

    TGDIPPicture normal = korvan::testing::ThumbPicture(clSilver);
    TGDIPPicture hot = korvan::testing::ThumbPicture(clWhite);
    TGDIPPicture down = korvan::testing::ThumbPicture(clYellow);
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 1118, 720);
    std::vector<TAdvTrackBar*> faders;
    for (int i = 0; i < kFaders; ++i) {
        auto* f = new TAdvTrackBar(form.get());
        f->SetParent(form.get());
        korvan::testing::SetUpEditorFader(f, 0, 240, 6, &normal, &hot, &down);
        f->SetBounds(4 + (i % 40) * 27, 4 + (i / 40) * 100, 27, i % 3 == 0 ? 193 : 96);
        f->SetPosition((i * 37) % 241);
        faders.push_back(f);
    }
    form->Show();
    QCoreApplication::processEvents();

    TAdvTrackBar* one = faders.front();
    one->PaintSurface(); // warm-up: the picture decoded and keyed once
    const double oneMs = Best(50,
                              [&] {
                                  for (int i = 0; i < 100; ++i)
                                      one->PaintSurface();
                              }) /
                         100;

    const double allMs = Best(20, [&] {
        for (TAdvTrackBar* f : faders)
            f->PaintSurface();
    });

    const double windowMs = Best(10, [&] {
        for (TAdvTrackBar* f : faders)
            f->Invalidate();
        form->Repaint();
        QCoreApplication::processEvents();
    });

    std::printf("one fader with a picture thumb: %.4f ms\n", oneMs);
    std::printf("280 faders repainted:           %.3f ms (goal %d ms, ratio %.2f)\n", allMs, kGoalMs,
                allMs / kGoalMs);
    std::printf("280 faders through the window:  %.3f ms\n", windowMs);
    return 0;
}
