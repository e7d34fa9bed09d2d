// The step timers of the main window over the program's GUI thread (the
// framework's timers and queued calls), driven by a manual timer clock.

#include "ui/main/ChainTimer.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/Timer.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/main/FormsGuiThread.h"

#include <gtest/gtest.h>

#include <thread>

using namespace korvan;

namespace {

class ChainTimerTest : public ::testing::Test {
protected:
    // The program's widgets application (the main window's tests share it).
    ChainTimerTest() { korvan::testing::EnsureGuiApplication(); }
    sys::ManualClock clock{0};
    forms::ScopedTimerClock useClock{clock};
    FormsGuiThread gui;
    std::vector<sys::Millis> ticks;
};

TEST_F(ChainTimerTest, OneShotTicksOnceAndEnablingAgainDoesNotRestart) {
    ChainTimer timer(gui, 300, [&] { ticks.push_back(clock.NowMs()); });
    timer.SetEnabled(true);
    forms::AdvanceTimers(clock, 200);
    timer.SetEnabled(true); // already enabled: still due at 300
    forms::AdvanceTimers(clock, 1000);
    EXPECT_EQ(ticks, std::vector<sys::Millis>{300});
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(ChainTimerTest, RepeatingTicksUntilDisabled) {
    ChainTimer timer(
        gui, 300, [&] { ticks.push_back(clock.NowMs()); }, ChainTimer::Kind::Repeating);
    timer.SetEnabled(true);
    forms::AdvanceTimers(clock, 1000);
    timer.SetEnabled(false);
    forms::AdvanceTimers(clock, 1000);
    EXPECT_EQ(ticks, (std::vector<sys::Millis>{300, 600, 900}));
}

TEST_F(ChainTimerTest, PostsFromAnyThreadRunOnTheGuiThreadInOrder) {
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

} // namespace
