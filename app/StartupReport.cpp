#include "app/StartupReport.h"

#include "platform/forms/Application.h"
#include "platform/sys/ProcessMemory.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/main/MainWindow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace korvan {

namespace {

using Steady = std::chrono::steady_clock;

double MsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

} // namespace

// Watches the main window's widget for its first paint and polls for the
// end of the connect read; both only while a report is asked for.
struct StartupReport::Probe : QObject {
    explicit Probe(std::string path) : path_(std::move(path)) {
        // The form's own surface may be wholly covered by its groups, so
        // the first paint of either the form or its main group counts.
        for (TWinControl* c : {static_cast<TWinControl*>(fmMain), static_cast<TWinControl*>(fmMain->rzgMain)})
            if (QWidget* w = c->Widget())
                w->installEventFilter(this);
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
        poll_.start();
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            for (TWinControl* c :
                 {static_cast<TWinControl*>(fmMain), static_cast<TWinControl*>(fmMain->rzgMain)})
                if (QWidget* w = c->Widget())
                    w->removeEventFilter(this);
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
    bool painted_ = false;
    bool connecting_ = false;
};

StartupReport::StartupReport() {
    const char* path = std::getenv("KORVAN_STARTUP_REPORT");
    if (path && *path && fmMain)
        probe_ = std::make_unique<Probe>(path);
}

StartupReport::~StartupReport() = default;

} // namespace korvan
