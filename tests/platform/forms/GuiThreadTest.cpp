// The program's GUI thread (forms::Gui()): posts from any thread, the one
// timer type over the forms timer scheduler, timers under a modal window
// opened from a timer's handler, and descriptor watches on the event loop.

#include "platform/forms/GuiThread.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/sys/Timer.h"
#include "tests/support/gui/GuiHarness.h"

#include <QCoreApplication>
#include <QTimer>

#include "tests/support/PipeEnds.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace korvan;
using korvan::sys::Millis;
using korvan::sys::Timer;

namespace {

class FormsGuiThreadTest : public ::testing::Test {
protected:
    FormsGuiThreadTest() { korvan::testing::EnsureGuiApplication(); }
    sys::ManualClock clock{0};
    forms::ScopedTimerClock useClock{clock};
    std::vector<Millis> ticks;
};

TEST_F(FormsGuiThreadTest, PostsFromAnyThreadRunOnTheGuiThreadInOrder) {
    sys::GuiThread& gui = forms::Gui();
    EXPECT_TRUE(gui.IsGuiThread());
    std::vector<int> order;
    std::thread worker([&] {
        EXPECT_FALSE(gui.IsGuiThread());
        gui.Post([&] { order.push_back(1); });
        gui.Post([&] { order.push_back(2); });
    });
    worker.join();
    EXPECT_TRUE(order.empty());
    forms::ProcessPendingCalls();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST_F(FormsGuiThreadTest, OneShotTicksOnceAndEnablingAgainDoesNotRestart) {
    Timer timer(
        forms::Gui(), 300, [&] { ticks.push_back(clock.NowMs()); }, Timer::Kind::OneShot);
    timer.SetEnabled(true);
    forms::AdvanceTimers(clock, 200);
    timer.SetEnabled(true); // already enabled: still due at 300
    forms::AdvanceTimers(clock, 1000);
    EXPECT_EQ(ticks, std::vector<Millis>{300});
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(FormsGuiThreadTest, RepeatingTicksUntilDisabledAndRestartCountsFromNow) {
    Timer timer(forms::Gui(), 300, [&] { ticks.push_back(clock.NowMs()); });
    timer.SetEnabled(true);
    forms::AdvanceTimers(clock, 1000);
    timer.Restart(); // due 300 ms from 1000, not at 1200
    forms::AdvanceTimers(clock, 400);
    timer.SetEnabled(false);
    forms::AdvanceTimers(clock, 1000);
    EXPECT_EQ(ticks, (std::vector<Millis>{300, 600, 900, 1300}));
}

TEST_F(FormsGuiThreadTest, OnAManualClockTheLoopFiresWhatTheTestMadeDue) {
    // Moving the clock by hand is enough: the scheduler wakes when the event
    // loop turns, as it does for the system clock.
    Timer timer(forms::Gui(), 300, [&] { ticks.push_back(clock.NowMs()); });
    timer.SetEnabled(true);
    clock.Advance(299);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ticks.empty());
    clock.Advance(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, std::vector<Millis>{300});
}

// A modal window opened from one timer's handler; a second timer ticks
// meanwhile and closes it after three ticks. A guard closes it after a
// bound of real time, which only a failing run reaches.
struct ModalFromATimer {
    TForm dialog{nullptr};
    int opened = 0;
    std::vector<Millis> otherTicks;
    bool guardFired = false;

    void Open() {
        ++opened;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [this] {
            guardFired = true;
            dialog.SetModalResult(mrAbort);
        });
        guard.start(5000);
        dialog.ShowModal();
    }
    void OtherTick(Millis now) {
        otherTicks.push_back(now);
        if (otherTicks.size() == 3)
            dialog.SetModalResult(mrOk);
    }
};

TEST_F(FormsGuiThreadTest, AModalWindowOpenedFromATimerLeavesTheOtherTimersRunning) {
    ModalFromATimer modal;
    // Under the modal window nothing but the test's turn moves the clock.
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] { clock.Advance(10); });
    Timer other(forms::Gui(), 100, [&] { modal.OtherTick(clock.NowMs()); });
    TTimer opener(nullptr);
    opener.SetInterval(50);
    opener.SetOnTimer([&](TObject*) {
        turn.start(1);
        modal.Open();
        turn.stop();
        opener.SetEnabled(false);
    });
    other.SetEnabled(true);
    forms::AdvanceTimers(clock, 50);
    EXPECT_FALSE(modal.guardFired);
    EXPECT_EQ(modal.opened, 1); // the opener is not due while its handler runs
    EXPECT_EQ(modal.otherTicks, (std::vector<Millis>{100, 200, 300}));
}

TEST(FormsGuiThreadSystemClock, AModalWindowOpenedFromATimerLeavesTheOtherTimersRunning) {
    // The same on the system clock, where Qt's own timer wakes the scheduler.
    korvan::testing::EnsureGuiApplication();
    ModalFromATimer modal;
    auto& clock = sys::SystemClock();
    Timer other(forms::Gui(), 2, [&] { modal.OtherTick(clock.NowMs()); });
    Timer opener(forms::Gui(), 1, [&] {
        modal.Open();
        opener.SetEnabled(false);
    });
    other.SetEnabled(true);
    opener.SetEnabled(true);
    const Millis deadline = clock.NowMs() + 10000;
    while (modal.opened == 0 && clock.NowMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    opener.SetEnabled(false);
    other.SetEnabled(false);
    // The ticks closed the window, not the guard. On a busy machine the
    // other timer may tick once before the opener runs, and once more
    // before the closed window's loop has ended.
    EXPECT_FALSE(modal.guardFired);
    EXPECT_EQ(modal.opened, 1);
    EXPECT_GE(modal.otherTicks.size(), 3u);
}

using Pipe = korvan::test::PipeEnds;

// Turns the event loop until `done` or a bound of real time.
bool PumpUntil(const std::function<bool()>& done) {
    const Millis deadline = sys::SystemClock().NowMs() + 5000;
    while (!done() && sys::SystemClock().NowMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

TEST(FormsGuiThreadWatch, AReadableDescriptorCallsOnTheGuiThreadUntilDrained) {
    korvan::testing::EnsureGuiApplication();
    Pipe pipe;
    std::string got;
    auto watch = forms::Gui().WatchIo(pipe.ReadEnd(), sys::IoReady::Readable, [&] { got += pipe.Read(2); });
    std::thread writer([&] { pipe.Write("abcde"); });
    writer.join();
    EXPECT_TRUE(PumpUntil([&] { return got.size() == 5; }));
    EXPECT_EQ(got, "abcde");
}

TEST(FormsGuiThreadWatch, AHandlerIsNotCalledAgainWhileItRunsAndMayEndItsWatch) {
    korvan::testing::EnsureGuiApplication();
    Pipe pipe;
    int calls = 0;
    std::unique_ptr<sys::IoWatch> watch;
    watch = forms::Gui().WatchIo(pipe.ReadEnd(), sys::IoReady::Readable, [&] {
        ++calls;
        // A nested loop while the byte still waits: no nested call.
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        watch.reset();
    });
    pipe.Write("a");
    EXPECT_TRUE(PumpUntil([&] { return calls > 0; }));
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(watch, nullptr);
}

} // namespace
