// The USB and network links (LUsbProc, LNetProc) with recording write hooks
// and no window: pushes of received bytes, the time-out rule of each kind on
// a driven clock, and what the write hook gets.

#include "device/link/LNetProc.h"
#include "device/link/LUsbProc.h"
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

constexpr std::uint8_t UnitId = 7;

// Both write hooks; notes each frame and the thread that wrote it.
struct RecordingWriter final : UsbReportWriter, NetFrameWriter {
    bool UsbWriteReport(const std::uint8_t* bytes, std::size_t length) override {
        Note(bytes, length);
        return true;
    }
    void NetWriteFrame(const std::uint8_t* bytes, std::size_t length) override { Note(bytes, length); }
    void Note(const std::uint8_t* bytes, std::size_t length) {
        writerThread = std::this_thread::get_id();
        log.Add(bytes, length);
    }
    WriteLog log;
    std::atomic<std::thread::id> writerThread;
};

Bytes Request() {
    return BuildFrame(CM_MCS_CMD(UnitId, MCS_CONNECT));
}
Bytes Reply(std::uint8_t code = MCS_CONNECT, const Bytes& payload = {}) {
    return UnitReply(UnitId, code, payload);
}

template <class Link> struct PushedLinkTest : ::testing::Test {
    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    RecordingWriter writer;
    Link link{owner, writer};

    void SetUp() override {
        ASSERT_TRUE(link.Open());
        link.SetTimeout(1000000); // nothing is re-sent behind the test's back
    }
    // The request is out; the engine waits for its reply.
    void Ask() {
        link.SendQueued(Request(), true);
        ASSERT_TRUE(writer.log.WaitForCount(1));
    }
    void Push(const Bytes& bytes) { link.PushReceived(bytes.data(), bytes.size()); }
    std::vector<Bytes> Delivered() const {
        std::vector<Bytes> frames;
        for (const auto& f : owner.frames)
            frames.push_back(f.bytes);
        return frames;
    }
};

using Links = ::testing::Types<LUsbProc, LNetProc>;
TYPED_TEST_SUITE(PushedLinkTest, Links);

TYPED_TEST(PushedLinkTest, OpensOnceAndWritesThroughItsHookOnTheIoThread) {
    EXPECT_TRUE(this->link.IsOpen());
    EXPECT_FALSE(this->link.Open());
    EXPECT_TRUE(this->link.Engine().HasKeepAliveTimer());
    this->Ask();
    EXPECT_EQ(this->writer.log.Frames()[0], Request());
    EXPECT_NE(this->writer.writerThread.load(), std::this_thread::get_id());
    EXPECT_TRUE(this->link.Engine().IsBusy());
    this->link.Close();
    EXPECT_FALSE(this->link.IsOpen());
    EXPECT_FALSE(this->link.Engine().HasKeepAliveTimer());
    this->link.SendQueued(Request(), true); // dropped
    this->owner.gui.RunPending();
    EXPECT_EQ(this->writer.log.Count(), 1u);
    EXPECT_TRUE(this->owner.statuses.empty());
}

TYPED_TEST(PushedLinkTest, PushesAreSplitAndMergedIntoFrames) {
    this->Ask();
    const Bytes first = Reply(MCS_IDENTITY, Bytes(18, 0x10));
    const Bytes second = Reply(MCS_ACK);
    // The first reply in two pushes: delivered once, when the second push
    // completes it.
    this->Push(Bytes(first.begin(), first.begin() + 5));
    this->Push(Bytes(first.begin() + 5, first.end()));
    ASSERT_TRUE(this->owner.RunUntilFrames(1));
    // Two frames in one push, after some bytes that are no frame.
    this->link.SendQueued(Request(), true);
    Bytes both = {0x00, 0x03, 0x10};
    both.insert(both.end(), second.begin(), second.end());
    both.insert(both.end(), first.begin(), first.end());
    this->Push(both);
    ASSERT_TRUE(this->owner.RunUntilFrames(3));
    EXPECT_EQ(this->Delivered(), (std::vector<Bytes>{first, second, first}));
    EXPECT_EQ(this->owner.frames[0].message, WM_LINK_FRAME);
}

TYPED_TEST(PushedLinkTest, ReceivedBytesAreBoundedAndKeptInOrderWhileTheThreadIsBusy) {
    this->Ask();
    const Bytes a = Reply(MCS_ACK);
    const Bytes b = Reply(MCS_IDENTITY, Bytes(150, 0x55)); // longer than 128 bytes
    const Bytes c = Reply(MCS_CURRENT_PRESET, {3});
    this->Push(a);
    // The I/O thread now waits for the GUI thread to take `a`; what comes
    // meanwhile waits for it in the link.
    ASSERT_TRUE(this->owner.gui.AwaitPending(1));
    this->Push(Bytes(b.begin(), b.begin() + 100));
    this->Push(Bytes(b.begin() + 100, b.end()));
    this->Push(Bytes(ReceivedCapacity, 0x00)); // fills the rest; its tail is dropped
    this->Push(c);                             // no room: dropped
    ASSERT_TRUE(this->owner.RunUntilFrames(2));
    // Once the thread has caught up, there is room again.
    const Bytes d = Reply(MCS_CURRENT_PRESET, {4});
    this->Push(c);
    this->Push(d);
    ASSERT_TRUE(this->owner.RunUntilFrames(4));
    EXPECT_EQ(this->Delivered(), (std::vector<Bytes>{a, b, c, d}));
}

TYPED_TEST(PushedLinkTest, PushesToALinkThatIsNotOpenAreDropped) {
    this->link.Close();
    this->Push(Reply());
    TypeParam fresh(this->owner, this->writer);
    fresh.PushReceived(Reply().data(), Reply().size());
    fresh.PushReceived(nullptr, 5);
    // Reopening starts with nothing left over.
    ASSERT_TRUE(fresh.Open());
    fresh.SetTimeout(1000000);
    fresh.SendQueued(Request(), true);
    ASSERT_TRUE(this->writer.log.WaitForCount(1));
    const Bytes ack = Reply(MCS_ACK);
    fresh.PushReceived(ack.data(), ack.size());
    ASSERT_TRUE(this->owner.RunUntilFrames(1));
    EXPECT_EQ(this->Delivered(), std::vector<Bytes>{ack});
}

// --- time-outs on a driven clock --------------------------------------------

struct TimingCase {
    const char* name;
    bool usb;
    std::uint32_t timeoutMs;
    int retries;
    int steps;
    std::vector<sys::Millis> writes;
    std::vector<sys::Millis> timeouts;
};

void PrintTo(const TimingCase& c, std::ostream* os) {
    *os << c.name;
}

class PushedLinkTiming : public ::testing::TestWithParam<TimingCase> {};

template <class Link> void RunUnanswered(const TimingCase& c) {
    sys::ManualClock clock;
    RecordingLinkOwner owner(clock);
    RecordingWriter writer;
    Link link(owner, writer);
    ASSERT_TRUE(link.Open());
    link.SetTimeout(c.timeoutMs);
    link.SetRetries(c.retries);
    link.SendQueued(Request(), true);
    ASSERT_TRUE(writer.log.WaitForCount(1));
    std::vector<sys::Millis> writes{0}, timeouts;
    for (int step = 0; step < c.steps; ++step) {
        const std::size_t written = writer.log.Count();
        const std::size_t statuses = owner.statuses.size();
        ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + c.timeoutMs)) << step;
        clock.Advance(c.timeoutMs);
        // Back asleep: whatever the time-out did is done.
        ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + c.timeoutMs)) << step;
        owner.gui.RunPending();
        if (writer.log.Count() > written)
            writes.push_back(clock.NowMs());
        for (std::size_t i = statuses; i < owner.statuses.size(); ++i) {
            EXPECT_EQ(owner.statuses[i].code, LinkTimeout);
            EXPECT_EQ(owner.statuses[i].argument, UnitId);
            EXPECT_EQ(owner.statuses[i].link, link.GetLinkId());
            timeouts.push_back(clock.NowMs());
        }
    }
    EXPECT_EQ(writes, c.writes);
    EXPECT_EQ(timeouts, c.timeouts);
    for (const auto& frame : writer.log.Frames())
        EXPECT_EQ(frame, Request());
}

TEST_P(PushedLinkTiming, UnansweredRequest) {
    if (GetParam().usb)
        RunUnanswered<LUsbProc>(GetParam());
    else
        RunUnanswered<LNetProc>(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Kinds, PushedLinkTiming,
                         ::testing::Values(
                             // The connect settings: re-sends at 100, 200, 300 ms, four silent
                             // time-outs, LinkTimeout at 800 ms.
                             TimingCase{"UsbConnect", true, 100, 3, 9, {0, 100, 200, 300}, {800}},
                             TimingCase{"UsbOneRetry", true, 5000, 1, 6, {0, 5000}, {30000}},
                             // The network connect request: 4000 ms and no re-send.
                             TimingCase{"NetworkConnect", false, 4000, 0, 2, {0}, {4000, 8000}},
                             TimingCase{"NetworkOneRetry", false, 1000, 1, 4, {0, 1000}, {2000, 4000}}),
                         [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
