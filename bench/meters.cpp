// Level meters: one level reply put on the main window's 81 meters and the
// meters that changed painted, on Qt's offscreen platform. Two replies in
// turn that move every channel (every level meter changes), and the same
// reply again (nothing changes, nothing is painted).
//
// Goal on the development machine: one reply, decoded, shown and painted,
// within 2 ms on one core.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/LoadScope.h"
#include "tests/support/SimUnit.h"
#include "ui/curves/LProgressBar.h"
#include "ui/main/LevelMeters.h"
#include "ui/main/MeterPlacement.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double GoalMicros = 2000.0;

struct Timing {
    double Best = 0.0;
    double Median = 0.0;
};

// Microseconds per call: the best and the median round.
Timing TimeMicros(int rounds, int callsPerRound, const std::function<void()>& call) {
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < callsPerRound; ++i)
            call();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        perCall.push_back(spent.count() / callsPerRound);
    }
    std::sort(perCall.begin(), perCall.end());
    return {perCall.front(), perCall[perCall.size() / 2]};
}

korvan::test::Bytes Reply(double offsetDb, std::uint16_t activity) {
    std::array<float, 12> levels{};
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = static_cast<float>(std::pow(10.0, (-60.0 + 5.0 * double(k) + offsetDb) / 20.0));
    return korvan::test::SimUnit::LevelPayload(levels, activity);
}

int MetersToPaint(TComponent& window) {
    int n = 0;
    for (const std::string& name : korvan::LevelMeterNames())
        if (auto* meter = dynamic_cast<LProgressBar*>(window.FindComponent(name)))
            n += meter->NeedsPaint();
    return n;
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);

    auto window = std::make_unique<TForm>(nullptr);
    TPanel* gainPage = nullptr;
    TPanel* otherPages = nullptr;
    {
        korvan::forms::LoadScope scope(window.get());
        window->SetName("fmMeters");
        window->SetBounds(0, 0, korvan::OtherPagesWidth + 20, 2 * korvan::OtherPagesHeight + 40);
        gainPage = scope.Place<TPanel>(window.get(), "rzgParamGain", 0, 0, korvan::OtherPagesWidth,
                                       korvan::OtherPagesHeight);
        otherPages = scope.Place<TPanel>(window.get(), "rzgPages", 0, korvan::OtherPagesHeight,
                                         korvan::OtherPagesWidth, korvan::OtherPagesHeight);
        korvan::PlaceLevelMeters(scope, gainPage, otherPages);
        scope.Finish();
    }
    window->Show();
    QApplication::processEvents();

    korvan::LevelMeterContext context;
    context.compRatioPositions.fill(3);
    const auto quiet = korvan::DecodeLevelReply(Reply(0.0, 0x0000));
    const auto loud = korvan::DecodeLevelReply(Reply(12.0, 0xFFFF));

    // How many meters one reply changes.
    korvan::ShowLevels(*window, *quiet, context);
    QApplication::processEvents();
    korvan::ShowLevels(*window, *loud, context);
    const int changed = MetersToPaint(*window);
    QApplication::processEvents();
    const int leftOver = MetersToPaint(*window);

    bool flip = false;
    const auto showAndPaint = [&](const korvan::test::Bytes& payload) {
        const auto reading = korvan::DecodeLevelReply(payload);
        korvan::ShowLevels(*window, *reading, context);
        QApplication::processEvents();
    };
    const korvan::test::Bytes quietBytes = Reply(0.0, 0x0000);
    const korvan::test::Bytes loudBytes = Reply(12.0, 0xFFFF);
    const Timing moving = TimeMicros(9, 200, [&] {
        flip = !flip;
        showAndPaint(flip ? loudBytes : quietBytes);
    });
    const Timing steady = TimeMicros(9, 200, [&] { showAndPaint(loudBytes); });
    const Timing showOnly = TimeMicros(9, 200, [&] {
        flip = !flip;
        korvan::ShowLevels(*window, flip ? *loud : *quiet, context);
    });
    QApplication::processEvents();

    std::printf("level meters: 81 on the window, %d repainted for a reply that moves every channel "
                "(%d left unpainted after it)\n",
                changed, leftOver);
    std::printf("  reply shown and painted, every channel moving: best %8.1f us, median %8.1f us  "
                "(goal <= %.0f us: %s)\n",
                moving.Best, moving.Median, GoalMicros, moving.Median <= GoalMicros ? "met" : "MISSED");
    std::printf("  the same reply again (nothing repaints):       best %8.1f us, median %8.1f us\n",
                steady.Best, steady.Median);
    std::printf("  positions only, without painting:              best %8.1f us, median %8.1f us\n",
                showOnly.Best, showOnly.Median);
    return 0;
}
