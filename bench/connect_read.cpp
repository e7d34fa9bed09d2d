// The connect read over the network link against the simulated unit on
// 127.0.0.1: wall time from the first request to the end of the read (all
// 55 requests and replies), against the time the same bytes take on the
// wire at 115200 baud (10 bits a byte), with the longest gap between two
// requests. Measured twice: the connection core alone on the GUI thread of
// the running application, and the editor's real windows (offscreen), whose
// start-up scan finds the unit and whose controls show the read.
// `bench_connect_read gaps` also prints each step's median and worst gap.

#include "device/protocol/Frame.h"
#include "platform/forms/GuiThread.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"
#include "tests/ui/main/RecordingConnectionView.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/main/MainConnection.h"
#include "ui/main/MainWindow.h"
#include "ui/main/UnitAddress.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

using Steady = std::chrono::steady_clock;

namespace {

constexpr int Reads = 30;
constexpr int WindowReads = 10;
constexpr double WireBitsPerByte = 10;
constexpr double WireBaud = 115200;

// Turns the application's loop until `done` holds (10 s at most).
bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = Steady::now() + std::chrono::seconds(10);
    while (!done()) {
        if (Steady::now() > deadline)
            return false;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

struct ReadFigures {
    std::vector<std::pair<std::string, double>> gaps;
    double wallMs = 0;
    double wireMs = 0;
    double longestGapMs = 0;
    std::string gapAfter;
};

using Requests = std::vector<std::pair<Steady::time_point, korvan::test::UnitRequest>>;

// Notes the time of every request the unit receives.
class RequestLog {
public:
    explicit RequestLog(korvan::test::SimUnit& unit) : unit_(unit) {
        unit.ClearReceived();
        unit.SetObserver([this](const korvan::test::UnitRequest& r) {
            std::lock_guard lock(mutex_);
            requests_.emplace_back(Steady::now(), r);
        });
    }
    ~RequestLog() { unit_.SetObserver(nullptr); }
    Requests Taken() {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    std::size_t Count() {
        std::lock_guard lock(mutex_);
        return requests_.size();
    }

private:
    korvan::test::SimUnit& unit_;
    std::mutex mutex_;
    Requests requests_;
};

// The read runs from its first request to its last (the closing ALIVE,
// which is answered at once).
void Measure(const Requests& requests, ReadFigures& out) {
    if (requests.empty())
        return;
    out.wallMs =
        std::chrono::duration<double, std::milli>(requests.back().first - requests.front().first).count();

    // Wire bytes: every request and the reply it got (the unit's replies
    // are the frames it would write; count them from its own answers).
    std::size_t bytes = 0;
    for (const auto& [when, r] : requests)
        bytes += r.payload.size() + korvan::FrameOverhead + 1;
    // Replies: the 29 pages of 51 bytes, 20 names of 15 and short answers.
    bytes += 29 * (51 + korvan::FrameOverhead + 1) + 20 * (15 + korvan::FrameOverhead + 1) +
             10 * (korvan::FrameOverhead + 8);
    out.wireMs = double(bytes) * WireBitsPerByte / WireBaud * 1000.0;
    for (std::size_t i = 1; i < requests.size(); ++i) {
        const double gap =
            std::chrono::duration<double, std::milli>(requests[i].first - requests[i - 1].first).count();
        const std::string step =
            std::to_string(requests[i - 1].second.code) + "->" + std::to_string(requests[i].second.code);
        out.gaps.emplace_back(step, gap);
        if (gap > out.longestGapMs) {
            out.longestGapMs = gap;
            out.gapAfter = step;
        }
    }
}

// The connection core alone.
bool CoreRead(korvan::test::SimUnit& unit, korvan::test::SimTcpTransport& server, ReadFigures& out) {
    korvan::test::RecordingConnectionView view;
    RequestLog log(unit);
    TfmMainConnection core(view, korvan::ConnectionServices{korvan::forms::Gui()});
    core.ClientSocket.SetAddress("127.0.0.1");
    core.ClientSocket.SetPort(server.Port());
    if (!core.ClientSocket.Open() || !RunUntil([&] { return core.ClientSocket.IsConnected(); }))
        return false;
    core.OpenNetLink();
    if (!RunUntil([&] { return view.Has("EnableConnectButton"); }))
        return false;
    Measure(log.Taken(), out);
    core.CloseLink();
    return true;
}

// The editor's windows, from their creation to the end of the read.
bool WindowRead(korvan::test::SimUnit& unit, ReadFigures& out) {
    RequestLog log(unit);
    korvan::MainWindowOptions options;
    options.instanceKey.clear();
    korvan::CreateEditorWindows(nullptr, options);
    fmMain->Show();
    // 55 requests: connect .. page 28, then the closing ALIVE.
    const bool ended = RunUntil([&] {
        return fmMain->Connection().Online && fmMain->rzbMenuLink->Enabled() && log.Count() >= 55 &&
               !fmNetwork->Visible();
    });
    Requests requests = log.Taken();
    requests.resize(std::min<std::size_t>(requests.size(), 55));
    korvan::FreeEditorWindows();
    if (!ended)
        return false;
    Measure(requests, out);
    return true;
}

void Report(const char* what, std::vector<ReadFigures> figures, bool gaps) {
    std::sort(figures.begin(), figures.end(), [](auto& a, auto& b) { return a.wallMs < b.wallMs; });
    const ReadFigures& best = figures.front();
    const ReadFigures& median = figures[figures.size() / 2];
    const ReadFigures* worst = &figures.front();
    for (const auto& f : figures)
        if (f.longestGapMs > worst->longestGapMs)
            worst = &f;
    if (gaps) {
        for (std::size_t k = 0; k < figures.front().gaps.size(); ++k) {
            std::vector<double> g;
            for (const auto& f : figures)
                if (k < f.gaps.size())
                    g.push_back(f.gaps[k].second);
            std::sort(g.begin(), g.end());
            std::printf("  %2zu %-8s median %.3f ms, worst %.3f ms\n", k,
                        figures.front().gaps[k].first.c_str(), g[g.size() / 2], g.back());
        }
    }
    std::printf("%s, %zu reads\n", what, figures.size());
    std::printf("  wall time: best %.2f ms, median %.2f ms\n", best.wallMs, median.wallMs);
    std::printf("  wire time of the same bytes at 115200 baud: %.1f ms\n", median.wireMs);
    std::printf("  ratio wall/wire: best %.3f, median %.3f (goal: a small fraction)\n",
                best.wallMs / best.wireMs, median.wallMs / median.wireMs);
    std::printf("  longest gap between two requests: %.2f ms (step %s)\n", worst->longestGapMs,
                worst->gapAfter.c_str());
}

} // namespace

int main(int argc, char* argv[]) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const bool gaps = argc > 1 && std::string(argv[1]) == "gaps";
    QApplication app(argc, argv);
    korvan::test::SimUnit unit;
    korvan::test::SimTcpTransport server(unit);
    // The editor's windows find the unit on loopback, never elsewhere.
    setenv(korvan::UnitAddressVariable, "127.0.0.1", 1);
    setenv(korvan::UnitPortVariable, std::to_string(server.Port()).c_str(), 1);
    setenv("KORVAN_SERIAL_PORTS", "", 1);

    std::vector<ReadFigures> core;
    std::vector<ReadFigures> windows;
    const int coreReads = std::getenv("KORVAN_BENCH_WINDOWS_ONLY") ? 1 : Reads;
    for (int i = 0; i < coreReads; ++i) {
        ReadFigures f;
        if (!CoreRead(unit, server, f)) {
            std::fprintf(stderr, "read %d of the core did not end\n", i);
            return 1;
        }
        core.push_back(f);
        RunUntil([&] { return !server.IsConnected(); });
    }
    for (int i = 0; i < WindowReads; ++i) {
        ReadFigures f;
        if (!WindowRead(unit, f)) {
            std::fprintf(stderr, "read %d of the windows did not end\n", i);
            return 1;
        }
        windows.push_back(f);
        RunUntil([&] { return !server.IsConnected(); });
    }
    Report("connect read over TCP loopback, connection core alone", core, gaps);
    Report("connect read over TCP loopback, the editor's windows", windows, gaps);
    return 0;
}
