// Re-send and time-out timing of each link kind, on a driven clock: the test
// moves the clock one reply time-out at a time and notes when the link wrote
// and when it reported LinkTimeout.

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "tests/support/FakeLink.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/UnitFrames.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr std::uint8_t UnitId = 7;

struct Timeline {
    std::vector<sys::Millis> writes;
    std::vector<sys::Millis> timeouts;
};

struct TimingFixture {
    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    FakeLink link;

    TimingFixture(LinkKind kind, std::uint32_t timeoutMs, int retries) : link(kind, owner) {
        EXPECT_TRUE(link.Open());
        link.Io().SetTimeout(timeoutMs);
        link.Io().SetRetries(retries);
    }

    // Moves the clock `steps` time-outs on from its reading now, one at a
    // time, each once the I/O thread sleeps until it; notes what happened.
    void Run(int steps, Timeline& timeline) {
        const sys::Millis t = link.Io().GetTimeout();
        for (int step = 0; step < steps; ++step) {
            const std::size_t writes = link.Writes().Count();
            const std::size_t statuses = owner.statuses.size();
            ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + t)) << "step " << step;
            clock.Advance(t);
            // Back asleep: whatever the time-out did is done.
            ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + t)) << "step " << step;
            owner.gui.RunPending();
            if (link.Writes().Count() > writes)
                timeline.writes.push_back(clock.NowMs());
            for (std::size_t i = statuses; i < owner.statuses.size(); ++i) {
                EXPECT_EQ(owner.statuses[i].code, LinkTimeout);
                EXPECT_EQ(owner.statuses[i].argument, UnitId); // the destination of the lost request
                EXPECT_EQ(owner.statuses[i].link, link.Id());
                timeline.timeouts.push_back(clock.NowMs());
            }
        }
    }

    Timeline Unanswered(int steps, int forcedResend = 0) {
        Timeline timeline;
        link.Io().SetForcedResend(forcedResend);
        link.SendQueued(BuildFrame(CM_MCS_CMD(UnitId, MCS_CONNECT)), true);
        EXPECT_TRUE(link.Writes().WaitForCount(1));
        timeline.writes.push_back(clock.NowMs());
        Run(steps, timeline);
        for (const auto& frame : link.Writes().Frames())
            EXPECT_EQ(frame, BuildFrame(CM_MCS_CMD(UnitId, MCS_CONNECT)));
        return timeline;
    }
};

struct TimingCase {
    const char* name;
    LinkKind kind;
    std::uint32_t timeoutMs;
    int retries;
    int forcedResend;
    int steps;
    std::vector<sys::Millis> writes;
    std::vector<sys::Millis> timeouts;
};

class LinkTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(LinkTiming, UnansweredRequest) {
    const auto& c = GetParam();
    TimingFixture fixture(c.kind, c.timeoutMs, c.retries);
    const Timeline timeline = fixture.Unanswered(c.steps, c.forcedResend);
    EXPECT_EQ(timeline.writes, c.writes);
    EXPECT_EQ(timeline.timeouts, c.timeouts);
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkTiming,
    ::testing::Values(
        // One re-send at T, LinkTimeout at 2T, then again every two time-outs
        // with nothing more written (the buffer is cleared).
        TimingCase{"SerialOneRetry", LinkKind::Serial, 100, 1, 0, 4, {0, 100}, {200, 400}},
        TimingCase{"SerialConnectNoRetry", LinkKind::Serial, 100, 0, 0, 2, {0}, {100, 200}},
        // A page switch adds one re-send that uses no retry.
        TimingCase{"SerialForcedResend", LinkKind::Serial, 100, 1, 1, 3, {0, 100, 200}, {300}},
        // Re-sends at 100, 200 and 300 ms, four silent time-outs, report at 800.
        TimingCase{"UsbConnect", LinkKind::Usb, 100, 3, 0, 8, {0, 100, 200, 300}, {800}},
        TimingCase{"UsbOneRetry", LinkKind::Usb, 5000, 1, 0, 6, {0, 5000}, {30000}},
        // Forced re-sends are a serial matter only.
        TimingCase{"NetworkConnect", LinkKind::Net, 4000, 0, 1, 1, {0}, {4000}}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST(LinkTimingIdle, AnsweredLinkNeitherResendsNorTimesOut) {
    TimingFixture fixture(LinkKind::Serial, 100, 2);
    fixture.link.SendQueued(BuildFrame(CM_MCS_GAIN(UnitId, 0, 280)), false);
    ASSERT_TRUE(fixture.link.Writes().WaitForCount(1));
    fixture.link.Io().SetForcedResend(1);
    const Bytes reply = UnitReply(UnitId, MCS_ACK);
    fixture.link.Push(reply);
    ASSERT_TRUE(fixture.owner.RunUntilFrames(1));
    ASSERT_TRUE(fixture.link.WaitForBytesTaken(reply.size()));
    Timeline timeline;
    fixture.Run(10, timeline);
    EXPECT_TRUE(timeline.writes.empty());
    EXPECT_TRUE(timeline.timeouts.empty());
    // The forced re-send waits for the next request.
    EXPECT_EQ(fixture.link.Io().GetForcedResend(), 1);
}

TEST(LinkTimingIdle, ForcedResendNeverWritesAClearedBuffer) {
    TimingFixture fixture(LinkKind::Serial, 100, 0);
    Timeline timeline = fixture.Unanswered(1);
    EXPECT_EQ(timeline.timeouts, std::vector<sys::Millis>{100});
    fixture.link.Io().SetForcedResend(1);
    fixture.Run(2, timeline);
    EXPECT_EQ(timeline.writes, std::vector<sys::Millis>{0});
    EXPECT_EQ(timeline.timeouts, (std::vector<sys::Millis>{100, 300}));
}

} // namespace
