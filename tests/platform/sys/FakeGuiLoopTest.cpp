#include "platform/sys/FakeGuiLoop.h"
#include "platform/sys/Timer.h"

#include "tests/support/PipeEnds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using korvan::sys::FakeGuiLoop;
using korvan::sys::ManualClock;
using korvan::sys::Timer;

namespace {

TEST(FakeGuiLoop, PostedTasksRunInOrderOnlyWhenPumped) {
    FakeGuiLoop gui;
    std::vector<int> order;
    std::thread poster([&] {
        gui.Post([&] { order.push_back(1); });
        gui.Post([&] { order.push_back(2); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    gui.RunPending();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(FakeGuiLoop, TimerTicksWhenTheClockPassesItsInterval) {
    ManualClock clock;
    FakeGuiLoop gui(clock);
    int ticks = 0;
    Timer timer(gui, 2000, [&] { ++ticks; });
    timer.SetEnabled(true);
    clock.Advance(1999);
    gui.RunPending();
    EXPECT_EQ(ticks, 0);
    clock.Advance(1);
    gui.RunPending();
    EXPECT_EQ(ticks, 1);
    // Restarting moves the next tick to a full interval from now.
    clock.Advance(1500);
    timer.Restart();
    clock.Advance(1000);
    gui.RunPending();
    EXPECT_EQ(ticks, 1);
    clock.Advance(1000);
    gui.RunPending();
    EXPECT_EQ(ticks, 2);
    timer.SetEnabled(false);
    clock.Advance(10000);
    gui.RunPending();
    EXPECT_EQ(ticks, 2);
}

TEST(FakeGuiLoop, TimerMayDestroyItselfInItsTick) {
    ManualClock clock;
    FakeGuiLoop gui(clock);
    std::unique_ptr<Timer> timer;
    int ticks = 0;
    timer = std::make_unique<Timer>(gui, 10, [&] {
        ++ticks;
        timer.reset();
    });
    timer->SetEnabled(true);
    clock.Advance(10);
    gui.RunPending();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(gui.TimerCount(), 0u);
}

TEST(FakeGuiLoop, RunUntilWakesForPostsFromOtherThreads) {
    FakeGuiLoop gui;
    bool done = false;
    std::thread poster([&] { gui.Post([&] { done = true; }); });
    EXPECT_TRUE(gui.RunUntil([&] { return done; }));
    poster.join();
}

} // namespace

namespace {

using korvan::sys::IoReady;
using korvan::sys::Millis;

// The one timer's rules, on the fake loop's driven clock.
struct TimerRules : ::testing::Test {
    ManualClock clock{0};
    FakeGuiLoop gui{clock};
    std::vector<Millis> ticks;

    void Advance(Millis ms) {
        for (Millis i = 0; i < ms; ++i) {
            clock.Advance(1);
            gui.RunPending();
        }
    }
};

TEST_F(TimerRules, OneShotTicksOnceAndEnablingAgainDoesNotRestart) {
    Timer timer(
        gui, 300, [&] { ticks.push_back(clock.NowMs()); }, Timer::Kind::OneShot);
    EXPECT_FALSE(timer.Running()); // a timer starts disabled
    timer.SetEnabled(true);
    Advance(200);
    timer.SetEnabled(true); // already enabled: still due at 300
    timer.SetInterval(300); // the interval it has: no restart either
    Advance(1000);
    EXPECT_EQ(ticks, std::vector<Millis>{300});
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true); // the next step of a chain
    Advance(300);
    EXPECT_EQ(ticks, (std::vector<Millis>{300, 1500}));
}

TEST_F(TimerRules, RepeatingRunsOnlyWithAnIntervalAndAHandlerAndRestartsOnChanges) {
    Timer timer(gui, 300);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Running()); // no handler
    timer.SetOnTimer([&] { ticks.push_back(clock.NowMs()); });
    EXPECT_TRUE(timer.Running());
    Advance(700);
    timer.SetInterval(100); // a new interval counts from now
    Advance(250);
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    Advance(1000);
    EXPECT_EQ(ticks, (std::vector<Millis>{300, 600, 800, 900}));
}

TEST_F(TimerRules, AHandlerThatPumpsTheLoopLeavesTheOtherTimersRunning) {
    // The first timer's handler runs a loop of its own (a modal window); the
    // second goes on ticking meanwhile, and the first does not come again
    // until its handler returns.
    int firstTicks = 0;
    Timer second(gui, 100, [&] { ticks.push_back(clock.NowMs()); });
    Timer first(gui, 50, [&] {
        ++firstTicks;
        for (int i = 0; i < 500; ++i) {
            clock.Advance(1);
            gui.RunPending();
        }
    });
    second.SetEnabled(true);
    first.SetEnabled(true);
    Advance(50);
    EXPECT_EQ(firstTicks, 1);
    EXPECT_EQ(ticks, (std::vector<Millis>{100, 200, 300, 400, 500}));
}

using Pipe = korvan::test::PipeEnds;

TEST(FakeGuiLoopWatch, AReadableDescriptorCallsUntilDrainedAndNotAfterTheWatchIsGone) {
    FakeGuiLoop gui;
    Pipe pipe;
    std::string got;
    auto watch = gui.WatchIo(pipe.ReadEnd(), IoReady::Readable, [&] { got += pipe.Read(2); });
    gui.RunPending();
    EXPECT_EQ(got, ""); // nothing to read: no call
    pipe.Write("abcde");
    // Level-triggered: bytes left behind bring the next call.
    EXPECT_TRUE(gui.RunUntil([&] { return got.size() == 5; }));
    EXPECT_EQ(got, "abcde");
    watch.reset();
    EXPECT_EQ(gui.WatchCount(), 0u);
    pipe.Write("x");
    gui.RunPending();
    EXPECT_EQ(got, "abcde");
}

TEST(FakeGuiLoopWatch, AHandlerIsNotCalledAgainWhileItRunsAndMayEndItsWatch) {
    FakeGuiLoop gui;
    Pipe pipe;
    int calls = 0;
    std::unique_ptr<korvan::sys::IoWatch> watch;
    watch = gui.WatchIo(pipe.ReadEnd(), IoReady::Readable, [&] {
        ++calls;
        gui.RunPending(); // still readable: no nested call
        watch.reset();
    });
    pipe.Write("a");
    gui.RunPending();
    gui.RunPending();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(gui.WatchCount(), 0u);
}

TEST(FakeGuiLoopWatch, RunWakesForADescriptorThatAnotherThreadMakesReady) {
    FakeGuiLoop gui;
    Pipe pipe;
    auto watch = gui.WatchIo(pipe.ReadEnd(), IoReady::Readable, [&] {
        pipe.Read(1);
        gui.Quit();
    });
    std::thread writer([&] { pipe.Write("q"); });
    gui.Run(); // returns only through the watch
    writer.join();
}

} // namespace
