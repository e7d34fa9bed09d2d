#pragma once
// The editor's real windows on the offscreen platform, over the driven
// clock, a fake HID backend and a serial port directory without system
// ports, with the simulated unit on 127.0.0.1 behind the network link.
//
// Modal windows run loops of their own, so the test drives the program
// from inside whatever loop is running: a pump turns every millisecond
// (real time) in any loop, runs the test's reactions (click OK when the box
// is up ...) and moves the clock to the next timer in small steps, but only
// while no request waits for its reply and the socket is not connecting, so
// that no reply time-out passes while the unit answers in real time. The
// timers then fire through the scheduler's own wake-up, as in the running
// program, also under a modal window opened from a timer's handler.

#include "device/protocol/CommandCodes.h"
#include "platform/forms/Application.h"
#include "tests/support/FakeHidBackend.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/dialogs/FExit.h"
#include "ui/dialogs/FInformation.h"
#include "ui/dialogs/FLockPassWord.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/dialogs/FProcess.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/main/MainWindow.h"
#include "ui/main/UnitAddress.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace korvan::test {

// Sets an environment variable for the life of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class WindowPump {
public:
    explicit WindowPump(sys::ManualClock& clock) : clock_(clock) {}
    ~WindowPump() { Stop(); }

    // Runs on every turn, in whatever loop runs.
    std::vector<std::function<void()>> reactions;

    void Start() {
        if (state_)
            return;
        state_ = std::make_shared<State>();
        Schedule(state_);
    }
    void Stop() {
        if (state_)
            state_->running = false;
        state_.reset();
    }
    // Turns until `done` holds; false after the bound, which only a failing
    // test reaches. A wait cannot end inside a modal loop that opened while
    // it ran: the test acts on modal windows through reactions. Once the
    // bound has passed, every turn closes the editor's dialogs, so that
    // their loops unwind and the wait returns.
    bool RunUntil(std::function<bool()> done, std::chrono::seconds bound = std::chrono::seconds(30)) {
        Start();
        deadline_ = std::chrono::steady_clock::now() + bound;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline_)
                return false;
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }

private:
    struct State {
        bool running = true;
    };
    static constexpr sys::Millis Step = 10;

    void Schedule(const std::shared_ptr<State>& state) {
        QTimer::singleShot(1, [this, state] {
            if (!state->running)
                return;
            // The next turn is due before this one may open a modal loop.
            Schedule(state);
            Turn();
        });
    }

    void Turn() {
        if (std::chrono::steady_clock::now() > deadline_) {
            for (TCustomForm* form : std::initializer_list<TCustomForm*>{fmNetwork, fmProcess, fmInformation,
                                                                         fmLockPassWord, fmExit})
                CloseWindow(form);
            return;
        }
        for (auto& reaction : reactions)
            reaction();
        if (!Quiet())
            return;
        const sys::Millis in = forms::TimerScheduler::Instance().NextDueIn();
        if (in > 0)
            clock_.Advance(std::min(in, Step));
    }

    static bool Quiet() {
        TfmMain* m = fmMain;
        if (m == nullptr)
            return true;
        if (m->Connection().ClientSocket.IsActive() && !m->Connection().ClientSocket.IsConnected())
            return false;
        auto idle = [](const auto& link) {
            return !link || (!link->Engine().IsBusy() && link->Engine().QueuedFrames().empty());
        };
        return idle(m->Connection().ComLink) && idle(m->Connection().UsbLink) &&
               idle(m->Connection().NetLink);
    }

    sys::ManualClock& clock_;
    std::shared_ptr<State> state_;
    std::chrono::steady_clock::time_point deadline_ =
        std::chrono::steady_clock::now() + std::chrono::hours(1);
};

class MainWindowTest : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ports.SetSystemPortsHidden(true);
    }
    void TearDown() override {
        pump.Stop();
        FreeEditorWindows();
        for (const auto& folder : instanceFolders_) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
        GuiTest::TearDown();
    }

    // The single-instance claim of each window set goes to a folder of its
    // own, so tests and a running editor never meet; the test removes it.
    MainWindowOptions Options() {
        static int made = 0;
        MainWindowOptions options{
            ConnectionServices{forms::Gui(), clock, ports, backend}, "korvan-editor", {}};
        options.instanceFolder = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) /
                                 ("instance-" + std::to_string(getpid()) + "-" + std::to_string(++made));
        instanceFolders_.push_back(options.instanceFolder);
        return options;
    }
    // The windows, with the main window shown as the message loop shows it.
    void CreateWindows() {
        CreateEditorWindows(nullptr, Options());
        ShowForm(fmMain);
    }

    // The unit listens on a free port of 127.0.0.1, which the editor takes.
    void StartUnit() {
        tcp = std::make_unique<SimTcpTransport>(unit);
        port = std::make_unique<ScopedEnv>(UnitPortVariable, std::to_string(tcp->Port()));
    }

    bool LinkIdle() const {
        return fmMain->Connection().NetLink && !fmMain->Connection().NetLink->Engine().IsBusy() &&
               fmMain->Connection().NetLink->Engine().QueuedFrames().empty();
    }
    // The whole connect read has run and the link is idle.
    bool ReadEnded() const {
        return fmMain->Connection().Online && fmMain->rzbMenuLink->Enabled() && fmNetwork &&
               !fmNetwork->Visible() && LinkIdle() && unit.ReceivedCount() >= std::size_t(5 + 20 + 29 + 1);
    }
    // Starts the unit and the editor, and runs the start-up scan and the
    // connect read to its end and `levelPolls` level requests beyond.
    bool ConnectToUnit(std::size_t levelPolls = 2) {
        StartUnit();
        CreateWindows();
        return pump.RunUntil([&] { return ReadEnded() && CountOf(MCS_LEVELS) >= levelPolls; });
    }
    // Runs `action` and answers the information box it shows; the box's
    // message (empty when none was shown).
    std::string InformationOf(const std::function<void()>& action) {
        std::string shown;
        pump.reactions.push_back([&] {
            if (shown.empty() && fmInformation->Visible()) {
                shown = fmInformation->lbMessage->Caption();
                fmInformation->btnOK->Click();
            }
        });
        pump.Start();
        action();
        pump.reactions.pop_back();
        return shown;
    }
    // The requests the unit received, without the level polls.
    std::vector<UnitRequest> JobRequests() const {
        std::vector<UnitRequest> out;
        for (const auto& r : unit.Received())
            if (r.code != MCS_LEVELS)
                out.push_back(r);
        return out;
    }
    std::size_t CountOf(std::uint8_t code) const {
        std::size_t n = 0;
        for (const auto& r : unit.Received())
            n += r.code == code;
        return n;
    }

    // Drops the link once the unit received `count` requests of `code`, and
    // answers the scan dialog that reports the broken link, noting whether
    // the progress window was still up then.
    void DropLinkAfter(std::uint8_t code, std::size_t count) {
        pump.reactions.push_back([this, code, count] {
            if (!dropped && CountOf(code) >= count) {
                dropped = true;
                SimFaults faults;
                faults.dropLink = true;
                unit.SetFaults(faults);
            }
            if (dropped && !reported && fmNetwork->Visible()) {
                reported = true;
                progressAtReport = fmProcess->Visible();
                CloseWindow(fmNetwork);
            }
        });
    }
    // The editor after the drop: off line, no job, no progress window, the
    // main window usable.
    void ExpectEndedOffLine() {
        EXPECT_TRUE(dropped);
        EXPECT_TRUE(reported);
        EXPECT_FALSE(progressAtReport);
        EXPECT_FALSE(fmProcess->Visible());
        EXPECT_FALSE(fmMain->Connection().Online);
        EXPECT_FALSE(fmMain->Connection().IsLinkOpen());
        EXPECT_EQ(fmMain->Connection().JobState, JobIdle);
        EXPECT_TRUE(fmMain->Enabled());
    }

    // Whoever runs the test program, the editor talks only to loopback.
    ScopedEnv address{UnitAddressVariable, "127.0.0.1"};
    sys::SerialPortDirectory ports{"", "", false};
    FakeHidBackend backend;
    SimUnit unit;
    std::unique_ptr<SimTcpTransport> tcp;
    std::unique_ptr<ScopedEnv> port;
    WindowPump pump{clock};
    bool dropped = false, reported = false, progressAtReport = true;

private:
    std::vector<std::filesystem::path> instanceFolders_;
};

} // namespace korvan::test
