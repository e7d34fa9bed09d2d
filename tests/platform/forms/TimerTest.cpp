#include "platform/forms/Timer.h"
#include "platform/forms/Application.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using korvan::forms::AdvanceTimers;
using korvan::sys::ManualClock;

class TimerTest : public ::testing::Test {
protected:
    ManualClock clock{1000};
    korvan::forms::ScopedTimerClock useClock{clock};
    TComponent owner{nullptr};
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabledWithAHandler) {
    auto* t = new TTimer(&owner);
    std::vector<korvan::sys::Millis> ticks;
    EXPECT_FALSE(t->Running()); // no handler yet
    t->SetInterval(300);
    t->SetOnTimer([&](TObject*) { ticks.push_back(clock.NowMs()); });
    EXPECT_TRUE(t->Running());
    EXPECT_EQ(AdvanceTimers(clock, 1000), 3);
    EXPECT_EQ(ticks, (std::vector<korvan::sys::Millis>{1300, 1600, 1900}));
    t->SetInterval(0);
    EXPECT_FALSE(t->Running());
    EXPECT_EQ(AdvanceTimers(clock, 5000), 0);
}

TEST_F(TimerTest, EnablingAnEnabledTimerOrTheSameIntervalDoesNotRestart) {
    auto* t = new TTimer(&owner);
    int ticks = 0;
    t->SetInterval(300);
    t->SetOnTimer([&](TObject*) { ++ticks; });
    AdvanceTimers(clock, 200);
    t->SetEnabled(true); // already enabled
    t->SetInterval(300); // the interval it has
    AdvanceTimers(clock, 100);
    EXPECT_EQ(ticks, 1); // still due 300 ms after the start
    t->SetEnabled(false);
    t->SetEnabled(true); // a real change restarts the count
    AdvanceTimers(clock, 299);
    EXPECT_EQ(ticks, 1);
    AdvanceTimers(clock, 1);
    EXPECT_EQ(ticks, 2);
    t->SetInterval(500); // a new interval restarts too
    AdvanceTimers(clock, 499);
    EXPECT_EQ(ticks, 2);
    AdvanceTimers(clock, 1);
    EXPECT_EQ(ticks, 3);
}

TEST_F(TimerTest, OneShotChainsRunStepByStep) {
    // Each handler disables its own timer first, does one step and enables
    // the next timer.
    auto* first = new TTimer(&owner);
    auto* second = new TTimer(&owner);
    std::vector<std::string> steps;
    first->SetEnabled(false);
    second->SetEnabled(false);
    first->SetInterval(300);
    second->SetInterval(1);
    first->SetOnTimer([&](TObject*) {
        first->SetEnabled(false);
        steps.push_back("first@" + std::to_string(clock.NowMs()));
        second->SetEnabled(true);
    });
    second->SetOnTimer([&](TObject*) {
        second->SetEnabled(false);
        steps.push_back("second@" + std::to_string(clock.NowMs()));
    });
    first->SetEnabled(true);
    EXPECT_EQ(AdvanceTimers(clock, 10000), 2);
    EXPECT_EQ(steps, (std::vector<std::string>{"first@1300", "second@1301"}));
}

TEST_F(TimerTest, AnExceptionInATickReachesTheExceptionBoxAndTheTimerGoesOn) {
    auto fake = std::make_unique<korvan::testing::FakeDialogService>();
    const auto& shown = fake->boxes;
    korvan::forms::ScopedDialogService dialogs(std::move(fake));
    Application->SetTitle("the Brivane KORVAN DSP Processor Editor V1.0");
    auto* t = new TTimer(&owner);
    t->SetInterval(100);
    t->SetOnTimer([](TObject*) { throw Exception("Index out of Bounds"); });
    EXPECT_EQ(AdvanceTimers(clock, 200), 2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Index out of Bounds.");
    EXPECT_EQ(shown[0].caption, "the Brivane KORVAN DSP Processor Editor V1.0");
    EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONSTOP);
    delete t; // a freed timer never ticks again
    EXPECT_EQ(AdvanceTimers(clock, 1000), 0);
}

TEST(TimerQt, FiresFromTheEventLoopOnTheSystemClock) {
    TTimer t(nullptr);
    bool fired = false;
    t.SetInterval(1);
    t.SetOnTimer([&](TObject*) {
        fired = true;
        t.SetEnabled(false);
    });
    const auto deadline = korvan::sys::SystemClock().NowMs() + 5000;
    while (!fired && korvan::sys::SystemClock().NowMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_TRUE(fired);
}

} // namespace
