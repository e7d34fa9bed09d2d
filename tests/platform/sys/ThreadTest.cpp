#include "platform/sys/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using korvan::sys::EventSet;
using korvan::sys::ManualClock;
using korvan::sys::Thread;

namespace {

TEST(Thread, JoinWaitsOnTheClockAndGivesUpAtTheTimeOut) {
    ManualClock clock;
    auto release = std::make_shared<EventSet>(1);
    Thread thread;
    ASSERT_TRUE(thread.Start([release] { release->Wait(EventSet::Bit(0), EventSet::Infinite); }));
    EXPECT_FALSE(thread.Start([] {}));

    std::thread mover([&] {
        ASSERT_TRUE(clock.AwaitDeadline(5000));
        clock.Advance(5000);
    });
    EXPECT_FALSE(thread.Join(5000, clock));
    mover.join();
    EXPECT_TRUE(thread.IsRunning());

    release->Signal(0);
    EXPECT_TRUE(thread.Join(5000, clock));
    EXPECT_FALSE(thread.IsRunning());
}

TEST(Thread, DetachedThreadRunsOnWithWhatItOwns) {
    auto release = std::make_shared<EventSet>(1);
    auto finished = std::make_shared<EventSet>(1);
    {
        Thread thread;
        ASSERT_TRUE(thread.Start([release, finished] {
            release->Wait(EventSet::Bit(0), EventSet::Infinite);
            finished->Signal(0);
        }));
        thread.Detach();
    }
    release->Signal(0);
    EXPECT_EQ(finished->Wait(EventSet::Bit(0), 5000), 0);
}

} // namespace
