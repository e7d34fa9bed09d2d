#include "app/StartupReport.h"

#include "platform/forms/Application.h"
#include "platform/sys/ProcessMemory.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <string>

namespace korvan {

namespace {

using Steady = std::chrono::steady_clock;

double MsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

// A moment on the steady clock, as another process reads it.
double ClockMs(Steady::time_point at) {
    return std::chrono::duration<double, std::milli>(at.time_since_epoch()).count();
}

} // namespace

// Watches for the first paint inside the main window and polls for the end
// of the connect read; both only while a report is asked for. Opaque child
// windows may cover the whole form, so that the form's own widget is never
// painted: any paint of a widget of the main window counts.
struct StartupReport::Probe : QObject {
    Probe(std::string path, Steady::time_point mainStarted) : path_(std::move(path)) {
        // Clock readings run to millions of ms: six digits would round
        // them to tens of ms.
        report_ << std::fixed << std::setprecision(3);
        report_ << "main_clock_ms " << ClockMs(mainStarted) << "\n";
        report_ << "windows_clock_ms " << ClockMs(start_) << "\n";
        if (QWidget* form = fmMain->Widget())
            window_ = form->window();
        if (window_)
            qApp->installEventFilter(this);
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
        poll_.start();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || painted_)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == window_) {
            painted_ = true;
            qApp->removeEventFilter(this);
            // Runs once the paint (children included) has ended.
            QTimer::singleShot(0, this, [this] {
                report_ << "first_paint_ms " << MsSince(start_) << "\n";
                report_ << "first_paint_clock_ms " << MsSince(Steady::time_point{}) << "\n";
            });
        }
        return false;
    }

    void Poll() {
        const bool enabled = fmMain->rzbMenuLink->Enabled();
        if (!enabled)
            connecting_ = true;
        if (!connecting_ || !painted_ || !enabled || !fmMain->Connection().Online ||
            (fmNetwork && fmNetwork->Visible()))
            return;
        poll_.stop();
        report_ << "connect_read_ms " << MsSince(start_) << "\n";
        report_ << "rss_kb " << sys::ResidentKiB() << "\n";
        std::ofstream(path_) << report_.str();
        Application->Terminate();
    }

    std::string path_;
    Steady::time_point start_ = Steady::now();
    std::ostringstream report_;
    QTimer poll_;
    QWidget* window_ = nullptr;
    bool painted_ = false;
    bool connecting_ = false;
};

StartupReport::StartupReport(Steady::time_point mainStarted) {
    const char* path = std::getenv("KORVAN_STARTUP_REPORT");
    if (path && *path && fmMain)
        probe_ = std::make_unique<Probe>(path, mainStarted);
}

StartupReport::~StartupReport() = default;

} // namespace korvan
