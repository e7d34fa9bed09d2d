#include "platform/sys/FakeGuiLoop.h"

#include <gtest/gtest.h>

#include <thread>

using korvan::sys::FakeGuiLoop;
using korvan::sys::GuiTimer;
using korvan::sys::ManualClock;

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
    auto timer = gui.CreateTimer([&] { ++ticks; });
    timer->Start(2000);
    clock.Advance(1999);
    gui.RunPending();
    EXPECT_EQ(ticks, 0);
    clock.Advance(1);
    gui.RunPending();
    EXPECT_EQ(ticks, 1);
    // Restarting moves the next tick to a full interval from now.
    clock.Advance(1500);
    timer->Start(2000);
    clock.Advance(1000);
    gui.RunPending();
    EXPECT_EQ(ticks, 1);
    clock.Advance(1000);
    gui.RunPending();
    EXPECT_EQ(ticks, 2);
    timer->Stop();
    clock.Advance(10000);
    gui.RunPending();
    EXPECT_EQ(ticks, 2);
}

TEST(FakeGuiLoop, TimerMayDestroyItselfInItsTick) {
    ManualClock clock;
    FakeGuiLoop gui(clock);
    std::unique_ptr<GuiTimer> timer;
    int ticks = 0;
    timer = gui.CreateTimer([&] {
        ++ticks;
        timer.reset();
    });
    timer->Start(10);
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
