// Start-up of the real program: build/app/korvan-editor started as a child
// (offscreen) against the simulated unit over TCP on 127.0.0.1, several
// times. The program's start-up report (KORVAN_STARTUP_REPORT) gives the
// moments main began and the windows were made, the time from the start of
// its message loop to the end of the main window's first paint, and its
// resident memory once the connect read has ended. The time from the
// process's start to the first paint is shown split at those moments.
// Then, in this process, a form of 1,800 plain controls (panels, labels and
// a few hundred shapes and bevels) built through LoadScope and painted:
// what the full main window's controls will cost.
//
// Goals: first paint <= 400 ms from the process's start, resident memory
// <= 80 MB after a connect read.
//
// `bench_startup [starts] [program]` (7 starts; the program next to this
// bench's folder by default).

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/StdCtrls.h"
#include "platform/sys/ProcessMemory.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"
#include "ui/main/UnitAddress.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

constexpr double GoalFirstPaintMs = 400.0;
constexpr double GoalResidentMb = 80.0;
constexpr auto StartBound = std::chrono::seconds(30);

double KibToMb(double kib) {
    return kib * 1024.0 / 1e6;
}

struct Spread {
    double min = 0, median = 0, max = 0;
};

Spread SpreadOf(std::vector<double> v) {
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

// A scratch folder, removed with its contents at the end.
struct Scratch {
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "korvan-startup-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no scratch folder");
        path = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    fs::path path;
};

// One start of the program against a fresh simulated unit; the report's
// figures by name, empty when the program did not report in time.
std::map<std::string, double> StartOnce(const std::string& program) {
    korvan::test::SimUnit unit;
    korvan::test::SimTcpTransport server(unit);
    Scratch scratch;
    const fs::path report = scratch.path / "report";

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        for (const char* drop : {"QT_QPA_PLATFORM=", "KORVAN_", "XDG_RUNTIME_DIR="})
            if (v.rfind(drop, 0) == 0)
                goto skip;
        env.push_back(v);
    skip:;
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string(korvan::UnitAddressVariable) + "=127.0.0.1");
    env.push_back(std::string(korvan::UnitPortVariable) + "=" + std::to_string(server.Port()));
    env.push_back("KORVAN_SERIAL_PORTS=");
    env.push_back("XDG_RUNTIME_DIR=" + scratch.path.string());
    env.push_back("KORVAN_STARTUP_REPORT=" + report.string());
    std::vector<char*> envp;
    for (auto& v : env)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};

    pid_t pid = 0;
    const auto spawned = Steady::now();
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        return {};
    }
    const auto deadline = Steady::now() + StartBound;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Steady::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            std::fprintf(stderr, "the program did not report within %lld s\n",
                         static_cast<long long>(StartBound.count()));
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::map<std::string, double> figures;
    std::ifstream in(report);
    std::string name;
    double value = 0;
    while (in >> name >> value)
        figures[name] = value;
    const double spawnedMs = std::chrono::duration<double, std::milli>(spawned.time_since_epoch()).count();
    if (figures.count("first_paint_clock_ms"))
        figures["spawn_to_paint_ms"] = figures["first_paint_clock_ms"] - spawnedMs;
    if (figures.count("main_clock_ms") && figures.count("windows_clock_ms")) {
        figures["spawn_to_main_ms"] = figures["main_clock_ms"] - spawnedMs;
        figures["main_to_windows_ms"] = figures["windows_clock_ms"] - figures["main_clock_ms"];
    }
    return figures;
}

void PrintRow(const char* what, const Spread& s, const char* unit, double goal) {
    std::printf("%-32s min %8.1f  median %8.1f  max %8.1f %s", what, s.min, s.median, s.max, unit);
    if (goal > 0)
        std::printf("   goal: <= %.0f %s%s", goal, unit, s.median <= goal ? "" : "  (missed)");
    std::printf("\n");
}

void ProgramStarts(const std::string& program, int starts) {
    std::vector<double> paint, spawnPaint, spawnMain, mainWindows, read, rss;
    for (int i = 0; i < starts; ++i) {
        auto f = StartOnce(program);
        if (!f.count("first_paint_ms") || !f.count("rss_kb"))
            continue;
        paint.push_back(f["first_paint_ms"]);
        spawnPaint.push_back(f["spawn_to_paint_ms"]);
        if (f.count("spawn_to_main_ms")) {
            spawnMain.push_back(f["spawn_to_main_ms"]);
            mainWindows.push_back(f["main_to_windows_ms"]);
        }
        read.push_back(f["connect_read_ms"]);
        rss.push_back(KibToMb(f["rss_kb"]));
    }
    std::printf("the program, %zu of %d starts reported (%s)\n", paint.size(), starts, program.c_str());
    if (paint.empty())
        return;
    // The program's report starts its clock once the windows are made, so
    // the goal is held against the time from the process's start.
    PrintRow("process start to first paint", SpreadOf(spawnPaint), "ms", GoalFirstPaintMs);
    if (!spawnMain.empty()) {
        PrintRow("  (process start to main)", SpreadOf(spawnMain), "ms", 0);
        PrintRow("  (main to windows made)", SpreadOf(mainWindows), "ms", 0);
    }
    PrintRow("  (windows made to first paint)", SpreadOf(paint), "ms", 0);
    PrintRow("windows made to connect read end", SpreadOf(read), "ms", 0);
    PrintRow("resident after connect read", SpreadOf(rss), "MB", GoalResidentMb);
}

// --- 1,800 controls ------------------------------------------------------------------

constexpr int PanelColumns = 8;
constexpr int PanelRows = 5;
constexpr int LabelsPerPanel = 32;
constexpr int ShapesPerPanel = 6;
constexpr int BevelsPerPanel = 6;
constexpr int PanelWidth = 150;
constexpr int PanelHeight = 160;

// Turns the event loop until the widget has had its first paint (bounded).
struct PaintSeen : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
    bool seen = false;
};

void WaitForPaint(QWidget* widget) {
    PaintSeen watch;
    widget->installEventFilter(&watch);
    const auto deadline = Steady::now() + std::chrono::seconds(5);
    while (!watch.seen && Steady::now() < deadline)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    // The children paint after the window itself, in the same turn.
    QApplication::processEvents();
    widget->removeEventFilter(&watch);
}

int BuildLargeForm(TForm& form) {
    korvan::forms::LoadScope scope(&form);
    int count = 0;
    for (int row = 0; row < PanelRows; ++row) {
        for (int col = 0; col < PanelColumns; ++col) {
            const std::string p = "Panel" + std::to_string(row) + "_" + std::to_string(col);
            auto* panel = scope.Place<TPanel>(&form, p, col * PanelWidth, row * PanelHeight, PanelWidth - 2,
                                              PanelHeight - 2);
            ++count;
            for (int i = 0; i < LabelsPerPanel; ++i) {
                auto* label = scope.Place<TLabel>(panel, p + "L" + std::to_string(i), 4 + (i % 2) * 72,
                                                  4 + (i / 2) * 9, 70, 9);
                label->SetCaption("Label " + std::to_string(i));
                ++count;
            }
            for (int i = 0; i < ShapesPerPanel; ++i, ++count)
                scope.Place<TShape>(panel, p + "S" + std::to_string(i), 4 + i * 24, 150 - 12, 20, 8);
            for (int i = 0; i < BevelsPerPanel; ++i, ++count)
                scope.Place<TBevel>(panel, p + "B" + std::to_string(i), 2 + i * 24, 148 - 2, 22, 2);
        }
    }
    scope.Finish();
    return count;
}

void LargeForm(int rounds) {
    std::vector<double> build, paint, memory;
    int controls = 0;
    for (int r = 0; r < rounds; ++r) {
        const long before = korvan::sys::ResidentKiB();
        auto start = Steady::now();
        auto form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, PanelColumns * PanelWidth + 16, PanelRows * PanelHeight + 40);
        controls = BuildLargeForm(*form);
        build.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
        start = Steady::now();
        form->Show();
        WaitForPaint(form->Widget());
        paint.push_back(std::chrono::duration<double, std::milli>(Steady::now() - start).count());
        memory.push_back(KibToMb(static_cast<double>(korvan::sys::ResidentKiB() - before)));
        form.reset();
    }
    std::printf("a form of %d controls (%d panels; labels, shapes, bevels), %d rounds\n", controls,
                PanelColumns * PanelRows, rounds);
    PrintRow("build through LoadScope", SpreadOf(build), "ms", 0);
    PrintRow("show and first paint", SpreadOf(paint), "ms", 0);
    PrintRow("resident added (first is cold)", SpreadOf(memory), "MB", 0);
}

std::string DefaultProgram() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return (self.parent_path().parent_path() / "app" / "korvan-editor").string();
}

} // namespace

int main(int argc, char* argv[]) {
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::string program = argc > 2 ? argv[2] : DefaultProgram();
    ProgramStarts(program, starts);

    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    LargeForm(5);
    return 0;
}
