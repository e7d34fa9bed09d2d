#include "platform/sys/EventSet.h"

#include <gtest/gtest.h>

#include <thread>
#include <unistd.h>

using korvan::sys::EventSet;
using korvan::sys::ManualClock;

namespace {

constexpr std::uint32_t All = EventSet::Bit(0) | EventSet::Bit(1) | EventSet::Bit(2);

TEST(EventSet, LowestSignalledWinsAndAutoResetClears) {
    EventSet events(3);
    events.Signal(2);
    events.Signal(1);
    EXPECT_EQ(events.Wait(All, 0), 1);
    EXPECT_EQ(events.Wait(All, 0), 2);
    EXPECT_EQ(events.Wait(All, 0), EventSet::Timeout);
}

TEST(EventSet, ManualResetStaysUntilReset) {
    EventSet events(2, EventSet::Bit(1));
    events.Signal(1);
    EXPECT_EQ(events.Wait(EventSet::Bit(1), 0), 1);
    EXPECT_EQ(events.Wait(EventSet::Bit(1), 0), 1);
    events.Reset(1);
    EXPECT_EQ(events.Wait(EventSet::Bit(1), 0), EventSet::Timeout);
}

TEST(EventSet, EventsOutsideTheMaskStayPending) {
    EventSet events(2);
    events.Signal(0);
    EXPECT_EQ(events.Wait(EventSet::Bit(1), 0), EventSet::Timeout);
    EXPECT_TRUE(events.IsSignalled(0));
}

TEST(EventSet, TimeOutFollowsTheDrivenClock) {
    ManualClock clock(1000);
    EventSet events(1);
    int result = 99;
    std::thread waiter([&] { result = events.Wait(EventSet::Bit(0), 100, clock); });
    ASSERT_TRUE(clock.AwaitDeadline(1100));
    clock.Advance(99);
    // Still sleeping: the registration remains after the move.
    ASSERT_TRUE(clock.AwaitWaiters(1));
    clock.Advance(1);
    waiter.join();
    EXPECT_EQ(result, EventSet::Timeout);
    EXPECT_EQ(clock.WaiterCount(), 0u);
}

TEST(EventSet, SignalFromAnotherThreadWakesAnEndlessWait) {
    EventSet events(2);
    std::thread signaller([&] { events.Signal(1); });
    EXPECT_EQ(events.Wait(All & 3u, EventSet::Infinite), 1);
    signaller.join();
}

TEST(EventSet, ReadableDescriptorCountsAsItsEvent) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    EventSet events(3);
    const std::uint8_t byte = 7;
    ASSERT_EQ(::write(fds[1], &byte, 1), 1);
    // Event 0 is numbered below the descriptor's event 1, event 2 above it.
    events.Signal(2);
    EXPECT_EQ(events.Wait(All, 0, korvan::sys::SystemClock(), fds[0], 1), 1);
    events.Signal(0);
    EXPECT_EQ(events.Wait(All, 0, korvan::sys::SystemClock(), fds[0], 1), 0);
    ::close(fds[0]);
    ::close(fds[1]);
}

} // namespace
