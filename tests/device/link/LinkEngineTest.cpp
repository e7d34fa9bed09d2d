// The protocol engine shared by every link: queue, coalescing, delivery,
// keep-alive and close, over an in-process transport and a driven clock.

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "tests/support/FakeLink.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/UnitFrames.h"

#include <gtest/gtest.h>

#include <thread>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr std::uint8_t Id = 1;

Bytes Gain(std::uint8_t ch, std::uint16_t value) {
    return BuildFrame(CM_MCS_GAIN(Id, ch, value));
}
Bytes Mute(std::uint8_t ch, std::uint8_t value) {
    return BuildFrame(CM_MCS_MUTE(Id, ch, value));
}
Bytes Peq(std::uint8_t ch, std::uint8_t band, std::uint16_t gain) {
    return BuildFrame(CM_MCS_PEQ(Id, ch, band, PeqBand{gain, 170, 35, 0}, 0));
}
Bytes Geq(std::uint8_t ch, std::uint8_t band, std::uint16_t level) {
    return BuildFrame(CM_MCS_GEQ(Id, ch, band, level));
}
Bytes Mix(std::uint8_t ch, std::uint8_t input, std::uint16_t level) {
    return BuildFrame(CM_MCS_MIX(Id, ch, input, level));
}
Bytes Name(std::uint8_t ch) {
    return BuildFrame(CM_MCS_CHANNEL_NAME(Id, ch, "Bass\0\0\0\0"));
}
Bytes Cmd(std::uint8_t code) {
    return BuildFrame(CM_MCS_CMD(Id, code));
}
Bytes Ack() {
    return UnitReply(Id, MCS_ACK);
}

// A link with a long reply time-out on a clock that moves only when a test
// says so, so nothing is re-sent behind the test's back.
struct EngineFixture : ::testing::Test {
    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    FakeLink link{LinkKind::Serial, owner};

    void SetUp() override {
        ASSERT_TRUE(link.Open());
        link.Io().SetTimeout(1000000);
    }
    // Hands in a first request so the engine is busy.
    void MakeBusy(const Bytes& first = Cmd(MCS_LEVELS)) {
        link.SendQueued(first, true);
        ASSERT_TRUE(link.Writes().WaitForCount(1));
    }
    // The unit answers the outstanding request; waits until it is delivered
    // and the engine has gone on to the next request.
    void Answer(const Bytes& reply = Ack()) {
        const std::size_t before = owner.frames.size();
        const std::size_t taken = link.BytesTaken();
        link.Push(reply);
        ASSERT_TRUE(owner.RunUntilFrames(before + 1));
        ASSERT_TRUE(link.WaitForBytesTaken(taken + reply.size()));
    }
};

TEST_F(EngineFixture, IdleHandInIsWrittenAtOnceAndMakesTheEngineBusy) {
    link.SendQueued(Gain(0, 280), false);
    ASSERT_TRUE(link.Writes().WaitForCount(1));
    EXPECT_EQ(link.Writes().Frames()[0], Gain(0, 280));
    EXPECT_TRUE(link.Engine().IsBusy());
    EXPECT_TRUE(link.Engine().QueuedFrames().empty());
}

struct HandIn {
    Bytes frame;
    bool append;
};

struct CoalescingCase {
    const char* name;
    std::vector<HandIn> handIns;
    std::vector<Bytes> queued;
};

std::vector<CoalescingCase> CoalescingCases() {
    return {
        {"BurstOfOneFaderLeavesOneFrame",
         {{Gain(0, 1), false}, {Gain(0, 2), false}, {Gain(0, 3), false}},
         {Gain(0, 3)}},
        {"OtherChannelIsNeverDropped",
         {{Gain(0, 1), false}, {Gain(5, 2), false}, {Gain(0, 3), false}},
         {Gain(0, 1), Gain(5, 2), Gain(0, 3)}},
        {"AppendedFrameInBetweenEndsTheRun",
         {{Peq(0, 1, 100), false}, {Name(0), true}, {Peq(0, 1, 110), false}},
         {Peq(0, 1, 100), Name(0), Peq(0, 1, 110)}},
        {"AppendedFrameNeverBecomesReplaceable",
         {{Gain(0, 1), true}, {Gain(0, 2), false}, {Gain(0, 3), false}},
         {Gain(0, 1), Gain(0, 3)}},
        {"ReplacesAcrossAnAppendedFrameOfAnotherParameter",
         {{Gain(0, 1), false}, {Gain(1, 9), true}, {Gain(0, 2), false}},
         {Gain(0, 2), Gain(1, 9)}},
        {"NeverOvertakesAWaitingFrameOfTheSameParameter",
         {{Gain(0, 1), false}, {Gain(0, 9), true}, {Gain(0, 2), false}},
         {Gain(0, 1), Gain(0, 9), Gain(0, 2)}},
        {"OtherCodeIsNeverDropped",
         {{Gain(0, 1), false}, {Mute(0, 1), true}, {Mute(0, 0), false}},
         {Gain(0, 1), Mute(0, 1), Mute(0, 0)}},
        {"PeqKeyIsChannelAndBand",
         {{Peq(0, 1, 100), false}, {Peq(0, 2, 100), false}, {Peq(0, 2, 120), false}, {Peq(1, 2, 90), false}},
         {Peq(0, 1, 100), Peq(0, 2, 120), Peq(1, 2, 90)}},
        {"GeqKeyIsChannelAndBand",
         {{Geq(0, 30, 1), false}, {Geq(0, 30, 2), false}, {Geq(0, 29, 3), false}},
         {Geq(0, 30, 2), Geq(0, 29, 3)}},
        {"MixKeyIsChannelAndInput",
         {{Mix(4, 0, 1), false}, {Mix(4, 1, 2), false}, {Mix(4, 1, 3), false}},
         {Mix(4, 0, 1), Mix(4, 1, 3)}},
        {"LevelPollsHaveNoKey", {{Cmd(MCS_LEVELS), false}, {Cmd(MCS_LEVELS), false}}, {Cmd(MCS_LEVELS)}},
    };
}

class Coalescing : public EngineFixture, public ::testing::WithParamInterface<CoalescingCase> {};

TEST_P(Coalescing, QueueHolds) {
    MakeBusy();
    for (const auto& handIn : GetParam().handIns)
        link.SendQueued(handIn.frame, handIn.append);
    EXPECT_EQ(link.Engine().QueuedFrames(), GetParam().queued);
}

INSTANTIATE_TEST_SUITE_P(LinkEngine, Coalescing, ::testing::ValuesIn(CoalescingCases()),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(EngineFixture, FrameSentOnIsNoLongerReplaceable) {
    MakeBusy();
    link.SendQueued(Gain(0, 1), false);
    Answer(); // Gain(0, 1) goes out
    ASSERT_TRUE(link.Writes().WaitForCount(2));
    link.SendQueued(Gain(0, 2), false);
    link.SendQueued(Gain(0, 3), false);
    EXPECT_EQ(link.Engine().QueuedFrames(), std::vector<Bytes>{Gain(0, 3)});
}

TEST_F(EngineFixture, ReplyWritesTheNextFrameAndHandInsDuringDeliveryQueueBehind) {
    MakeBusy(Cmd(MCS_CONNECT));
    link.SendQueued(Cmd(MCS_IDENTITY), true);
    owner.onFrame = [&](const LinkFrameMessage&) {
        // The engine is still busy while the owner handles the reply.
        EXPECT_TRUE(link.Engine().IsBusy());
        link.SendQueued(Cmd(MCS_LOCK_STATE), true);
    };
    Answer(UnitReply(Id, MCS_CONNECT));
    ASSERT_TRUE(link.Writes().WaitForCount(2));
    EXPECT_EQ(link.Writes().Frames()[1], Cmd(MCS_IDENTITY));
    EXPECT_EQ(link.Engine().QueuedFrames(), std::vector<Bytes>{Cmd(MCS_LOCK_STATE)});
    EXPECT_EQ(owner.frames[0].message, WM_LINK_FRAME);
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(Id, MCS_CONNECT));
    EXPECT_EQ(owner.frames[0].link, link.Id());

    owner.onFrame = nullptr;
    Answer(UnitReply(Id, MCS_IDENTITY, {'K'}));
    Answer(UnitReply(Id, MCS_LOCK_STATE, {0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(link.Writes().WaitForCount(3));
    EXPECT_FALSE(link.Engine().IsBusy());
}

TEST_F(EngineFixture, ReplyTimeIsMeasuredFromTheRequestOnTheInjectedClock) {
    MakeBusy();
    clock.Advance(37);
    Answer();
    EXPECT_EQ(owner.frames[0].elapsedMs, 37u);
}

TEST_F(EngineFixture, TransmitBufferKeepsTheRequestAfterTheReply) {
    MakeBusy(Gain(3, 7));
    Answer(UnitReply(Id, MCS_ACK, {1, 2, 3}));
    EXPECT_EQ(link.Io().TransmitFrame(), Gain(3, 7));
}

TEST_F(EngineFixture, ReplySplitOverTwoPushesIsDeliveredOnce) {
    MakeBusy();
    const Bytes reply = UnitReply(Id, MCS_LEVELS, Bytes(38, 0x10));
    link.Push(Bytes(reply.begin(), reply.begin() + 5));
    link.Push(Bytes(reply.begin() + 5, reply.end()));
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].bytes, reply);
}

// A garbled reply answers nothing: it never reaches the owner, the request
// stays outstanding and the reply time-out re-sends it; the good reply that
// follows is delivered as usual.
TEST_F(EngineFixture, GarbledReplyIsDroppedAndTheRequestIsSentAgain) {
    link.Io().SetRetries(1);
    link.Io().SetTimeout(100);
    MakeBusy(Cmd(MCS_IDENTITY));
    Bytes badEnd = UnitReply(Id, MCS_IDENTITY, {'K'});
    badEnd[badEnd.size() - 2] = 0x04;
    Bytes badLength = UnitReply(Id, MCS_IDENTITY, {'K'});
    badLength[4] = 0; // completes at 8 bytes, short of its payload
    for (const Bytes& garbled : {badEnd, badLength}) {
        const std::size_t taken = link.BytesTaken();
        link.Push(garbled);
        ASSERT_TRUE(link.WaitForBytesTaken(taken + garbled.size()));
        owner.gui.RunPending();
        EXPECT_TRUE(owner.frames.empty());
        EXPECT_TRUE(link.Engine().IsBusy());
    }
    const std::size_t writes = link.Writes().Count();
    // The I/O thread waits again, its time-out counted from now.
    ASSERT_TRUE(clock.AwaitWaiters(1));
    clock.Advance(100);
    ASSERT_TRUE(link.Writes().WaitForCount(writes + 1));
    EXPECT_EQ(link.Writes().Frames().back(), Cmd(MCS_IDENTITY));
    EXPECT_TRUE(owner.statuses.empty());

    Answer(UnitReply(Id, MCS_IDENTITY, {'K'}));
    EXPECT_EQ(owner.frames.size(), 1u);
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(Id, MCS_IDENTITY, {'K'}));
}

TEST_F(EngineFixture, HandInOnAClosedLinkIsDropped) {
    link.Close();
    link.SendQueued(Gain(0, 1), false);
    EXPECT_FALSE(link.Engine().IsBusy());
    EXPECT_EQ(link.Writes().Count(), 0u);
}

TEST_F(EngineFixture, OpeningAnOpenEngineFailsWithoutASecondTimer) {
    EXPECT_EQ(owner.gui.TimerCount(), 1u);
    EXPECT_FALSE(link.Open());
    EXPECT_EQ(owner.gui.TimerCount(), 1u);
    link.Close();
    EXPECT_EQ(owner.gui.TimerCount(), 0u);
}

// --- keep-alive -----------------------------------------------------------

struct KeepAliveFixture : EngineFixture {
    // Waits for the link to write `count` frames and returns the last.
    Bytes LastWrite(std::size_t count) {
        EXPECT_TRUE(link.Writes().WaitForCount(count));
        return link.Writes().Frames().back();
    }
};

TEST_F(KeepAliveFixture, IdleLinkSendsAliveTwoSecondsAfterTheLastHandIn) {
    MakeBusy(Gain(0, 1));
    Answer();
    owner.unitId = 99; // the engine keeps its own copy of the ID
    link.Engine().SetDeviceId(7);
    clock.Advance(1999);
    owner.gui.RunPending();
    EXPECT_EQ(link.Writes().Count(), 1u);
    clock.Advance(1);
    owner.gui.RunPending();
    EXPECT_EQ(LastWrite(2), BuildFrame(LCmd(7, MCS_ALIVE)));
    EXPECT_EQ(link.Io().GetTimeout(), 2000u);
}

TEST_F(KeepAliveFixture, EachHandInRestartsTheKeepAlive) {
    MakeBusy(Gain(0, 1));
    Answer();
    clock.Advance(1500);
    link.SendQueued(Gain(0, 2), false);
    ASSERT_TRUE(link.Writes().WaitForCount(2));
    Answer();
    clock.Advance(1999);
    owner.gui.RunPending();
    EXPECT_EQ(link.Writes().Count(), 2u);
    clock.Advance(1);
    owner.gui.RunPending();
    EXPECT_EQ(LastWrite(3)[5], MCS_ALIVE);
}

TEST_F(KeepAliveFixture, NoKeepAliveWhileBusyOrPaused) {
    MakeBusy(Gain(0, 1));
    clock.Advance(2000);
    owner.gui.RunPending();
    EXPECT_EQ(link.Writes().Count(), 1u); // a request is outstanding
    Answer();
    link.Engine().SetPaused(true);
    clock.Advance(4000);
    owner.gui.RunPending();
    EXPECT_EQ(link.Writes().Count(), 1u);
    EXPECT_EQ(link.Io().GetTimeout(), 1000000u);
}

TEST_F(KeepAliveFixture, LevelPollEvery300MsKeepsTheKeepAliveAway) {
    for (int i = 0; i < 20; ++i) {
        link.SendQueued(Cmd(MCS_LEVELS), false);
        ASSERT_TRUE(link.Writes().WaitForCount(static_cast<std::size_t>(i) + 1));
        Answer(UnitReply(Id, MCS_LEVELS, Bytes(38, 0)));
        clock.Advance(300);
        owner.gui.RunPending();
    }
    for (const auto& frame : link.Writes().Frames())
        EXPECT_EQ(frame[5], MCS_LEVELS);
}

TEST(KeepAlive, UsbAndNetworkKeepAliveSetsFiveSeconds) {
    for (LinkKind kind : {LinkKind::Usb, LinkKind::Net}) {
        sys::ManualClock clock;
        RecordingLinkOwner owner(clock);
        FakeLink link(kind, owner);
        ASSERT_TRUE(link.Open());
        clock.Advance(2000);
        owner.gui.RunPending();
        ASSERT_TRUE(link.Writes().WaitForCount(1));
        EXPECT_EQ(link.Writes().Frames()[0], BuildFrame(LCmd(1, MCS_ALIVE)));
        EXPECT_EQ(link.Io().GetTimeout(), 5000u);
    }
}

// --- close ----------------------------------------------------------------

TEST_F(EngineFixture, CloseWhileADeliveryWaitsForTheGuiThreadDoesNotDeadlock) {
    MakeBusy();
    link.SendQueued(Gain(0, 1), true);
    link.Push(Ack());
    // The I/O thread now waits in the hand-over; the GUI thread closes
    // instead of handling it.
    ASSERT_TRUE(owner.gui.AwaitPending(1));
    link.Close();
    EXPECT_FALSE(link.Io().IsOpen());
    owner.gui.RunPending();
    EXPECT_TRUE(owner.frames.empty());   // the abandoned delivery never runs
    EXPECT_TRUE(owner.statuses.empty()); // and no LinkStopTimeout
    EXPECT_EQ(link.Writes().Count(), 1u);
}

// The idle link's reply wait runs out just as a request is handed in: the
// I/O thread has left its wait but not yet asked whether a request is
// outstanding (holding the link lock stops it there). The request goes out
// once, by its own transmit signal, and its reply time starts then.
TEST_F(EngineFixture, RequestHandedInAsTheIdleWaitRunsOutGoesOutOnce) {
    ASSERT_TRUE(clock.AwaitWaiters(1));
    {
        std::lock_guard guard(link.Io().Lock());
        clock.Advance(1000000);
        ASSERT_TRUE(clock.AwaitWaitersAtMost(0));
        link.SendQueued(Gain(0, 280), false);
        link.Writes().Hold();
    }
    ASSERT_TRUE(link.Writes().WaitForBlockedWrite());
    // The write under way is the only one: no transmit signal waits behind it.
    EXPECT_FALSE(link.Io().Events()->IsSignalled(LinkTransmitEvent));
    link.Writes().Release();
    ASSERT_TRUE(link.Writes().WaitForCount(1));
    ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 1000000));
    EXPECT_EQ(link.Writes().Frames(), std::vector<Bytes>{Gain(0, 280)});
    owner.gui.RunPending();
    EXPECT_TRUE(owner.statuses.empty());
    Answer();
    EXPECT_FALSE(link.Engine().IsBusy());
}

TEST_F(EngineFixture, CloseInsideTheFrameHandlerDoesNotDeadlock) {
    MakeBusy();
    link.SendQueued(Gain(0, 1), true);
    bool closed = false;
    owner.onFrame = [&](const LinkFrameMessage& message) {
        link.Close();
        closed = true;
        // The frame stays valid for the rest of the handler.
        EXPECT_EQ(message.frame, Ack());
    };
    link.Push(Ack());
    ASSERT_TRUE(owner.gui.RunUntil([&] { return closed; }));
    owner.gui.RunPending();
    EXPECT_TRUE(owner.statuses.empty());
    EXPECT_EQ(link.Writes().Count(), 1u); // the queued frame never went out
}

TEST(LinkClose, ThreadThatDoesNotEndIsReportedAndOutlivesItsLink) {
    sys::ManualClock clock;
    RecordingLinkOwner owner(clock);
    auto link = std::make_unique<FakeLink>(LinkKind::Serial, owner);
    ASSERT_TRUE(link->Open());
    const std::shared_ptr<WriteLog> log = link->WriteLogPtr();
    log->Hold();
    link->SendQueued(Gain(0, 1), false);
    ASSERT_TRUE(log->WaitForBlockedWrite());

    std::thread mover([&] {
        // Close waits 5000 ms on the driven clock.
        ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 5000));
        clock.Advance(5000);
    });
    link->Close();
    mover.join();
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkStopTimeout);
    EXPECT_EQ(owner.statuses[0].argument, 0u);
    EXPECT_EQ(owner.statuses[0].link, link->Id());

    // The link goes away while its thread still sits in the write; when the
    // write returns, the thread must touch nothing of it.
    link.reset();
    log->Release();
    EXPECT_TRUE(log->WaitForCount(1));
    // The thread ends by itself and lets go of its transport; the owner and
    // clock it used outlive it here as they do in the program.
    EXPECT_TRUE(log->WaitForTransportGone());
}

TEST(LinkStatus, EveryStatusCarriesThePostingLink) {
    sys::ManualClock clock;
    RecordingLinkOwner owner(clock);
    FakeLink first(LinkKind::Net, owner);
    FakeLink second(LinkKind::Net, owner);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_NE(first.Id(), second.Id());
    for (FakeLink* link : {&first, &second}) {
        link->Io().SetTimeout(100);
        link->Io().SetRetries(0);
        link->SendQueued(Gain(0, 1), true);
        ASSERT_TRUE(link->Writes().WaitForCount(1));
    }
    ASSERT_TRUE(clock.AwaitWaiters(2));
    clock.Advance(100);
    ASSERT_TRUE(owner.RunUntilStatuses(2));
    std::vector<LinkId> posters{owner.statuses[0].link, owner.statuses[1].link};
    std::sort(posters.begin(), posters.end());
    EXPECT_EQ(posters, (std::vector<LinkId>{first.Id(), second.Id()}));
}

} // namespace
