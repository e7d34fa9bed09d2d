// The level poll on the connection core: it runs from the end of the
// parameter read, a poll waiting behind an unanswered request takes the
// place of the one before it, and stopping it clears the meters or keeps
// them as the stopping job asks.

#include "tests/ui/main/ConnectionFixture.h"

#include <algorithm>

using namespace korvan;
using namespace korvan::test;

namespace {

// Level requests waiting in the open link's queue.
std::size_t QueuedPolls(const RecordingConnection& core) {
    const auto queued = core.ComLink->Engine().QueuedFrames();
    // Frame: 0x10 0x02, source, destination, length, code ...
    return std::size_t(
        std::count_if(queued.begin(), queued.end(), [](const std::vector<std::uint8_t>& frame) {
            return frame.size() > 5 && frame[5] == MCS_LEVELS;
        }));
}

TEST_F(ConnectionTest, PollsWaitingBehindAnUnansweredRequestNeverPileUp) {
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReadEnded());
    ASSERT_TRUE(core->IsLevelPollRunning());
    const std::size_t before = unit.ReceivedCount();
    // The unit stops answering: the next poll stays outstanding (the reply
    // time-out is 1000 ms), and the later ones wait in the queue.
    SimFaults faults;
    faults.silent = true;
    unit.SetFaults(faults);
    Advance(300);
    ASSERT_TRUE(RunUntilReceived(unit, before + 1));
    ASSERT_TRUE(LinkBusy());
    for (int tick = 0; tick < 2; ++tick) {
        Advance(300);
        EXPECT_EQ(QueuedPolls(*core), 1u) << tick;
    }
    EXPECT_EQ(unit.ReceivedCount(), before + 1);
}

TEST_F(ConnectionTest, StoppingThePollClearsTheMetersOrKeepsThem) {
    ASSERT_TRUE(OpenTo(LinkKind::Net));
    ASSERT_TRUE(RunUntilReadEnded());
    ASSERT_TRUE(core->IsLevelPollRunning());

    // A sync of the link dialog: no more polls, the meters keep their last
    // values.
    core->StopLevelPoll(TfmMainConnection::Meters::Keep);
    EXPECT_FALSE(core->IsLevelPollRunning());
    EXPECT_FALSE(view.Has("ClearMeters"));
    gui.RunPending();
    const std::size_t before = unit.ReceivedCount();
    Advance(900);
    EXPECT_EQ(unit.ReceivedCount(), before);

    // Started again at the end of a job, it polls every 300 ms.
    core->StartLevelPoll();
    Advance(300);
    ASSERT_TRUE(RunUntilReceived(unit, before + 1));
    EXPECT_EQ(unit.Received().back().code, MCS_LEVELS);

    // A store, recall or unit-file transfer stops it and clears the meters.
    core->StopLevelPoll(TfmMainConnection::Meters::Clear);
    EXPECT_EQ(view.Count("ClearMeters"), 1u);
    EXPECT_FALSE(core->IsLevelPollRunning());
}

} // namespace
