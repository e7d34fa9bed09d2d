// The USB and network links end to end against the simulated unit: over TCP
// on 127.0.0.1 and over a fake HID report channel, with the window's part of
// the transport played by small test hosts. Reply time-outs run on a driven
// clock, so nothing is re-sent behind the test's back.

#include "device/link/LNetProc.h"
#include "device/link/LUsbProc.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "tests/support/FakeHidReportChannel.h"
#include "tests/support/NetTestHost.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/SimHidTransport.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"

#include "tests/support/UsbTestHost.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using namespace korvan;
using namespace korvan::test;

namespace {

// The connect read as the editor runs it: connect, identity, then the 29
// pages of the state, each request sent when the reply before it came.
template <class Link> void ConnectAndReadState(RecordingLinkOwner& owner, Link& link, SimUnit& unit) {
    Bytes image = unit.Image();
    image[100] = 0x10; // bytes that look like markers travel as data
    image[101] = 0x02;
    image[1447] = 0xA5;
    unit.SetImage(image);
    auto send = [&](const LCmd& record) { link.SendQueued(BuildFrame(record), true); };

    Bytes pages(SimUnit::PageCount * SimUnit::PageSize, 0);
    owner.onFrame = [&](const LinkFrameMessage& message) {
        const LCmd reply(message.frame);
        ASSERT_TRUE(reply.IsValid());
        const auto& p = reply.GetPayload();
        switch (reply.GetCode()) {
        case MCS_CONNECT:
            send(CM_MCS_CMD(1, MCS_IDENTITY));
            break;
        case MCS_IDENTITY:
            EXPECT_EQ(std::string(p.begin(), p.begin() + 11), "KORVAN V010");
            send(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, 0));
            break;
        case MCS_STATE_PAGE:
            ASSERT_EQ(p.size(), SimUnit::PageSize + 1);
            std::copy(p.begin() + 1, p.end(), pages.begin() + SimUnit::PageSize * p[0]);
            if (p[0] + 1 < SimUnit::PageCount)
                send(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, static_cast<std::uint8_t>(p[0] + 1)));
            break;
        default:
            ADD_FAILURE() << "unexpected reply " << int(reply.GetCode());
        }
    };
    send(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_TRUE(owner.RunUntilFrames(2 + SimUnit::PageCount));
    owner.onFrame = nullptr;
    EXPECT_EQ(Bytes(pages.begin(), pages.begin() + sim_image::Size), image);

    const auto requests = unit.Received();
    ASSERT_EQ(requests.size(), 2u + SimUnit::PageCount);
    EXPECT_EQ(requests[0].frame, BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)));
    EXPECT_EQ(requests[1].code, MCS_IDENTITY);
    for (std::uint8_t page = 0; page < SimUnit::PageCount; ++page)
        EXPECT_EQ(requests[2 + page].frame, BuildFrame(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, page)));
    for (const auto& frame : owner.frames)
        EXPECT_EQ(frame.link, link.GetLinkId());
}

// Counts the frames a link's I/O thread wrote.
class WriteCounter final : public LinkProbe {
public:
    void OnBytesRead(std::size_t) override {}
    void OnFrameWritten(const std::uint8_t*, std::size_t) override {
        std::lock_guard lock(mutex_);
        ++count_;
        changed_.notify_all();
    }
    // Waits (real time, 5 s at most) until `count` frames were written.
    bool WaitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return count_ >= count; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t count_ = 0;
};

// --- network -----------------------------------------------------------------

struct NetEndToEnd : ::testing::Test {
    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    SimUnit unit;
    SimTcpTransport server{unit};
    NetTestHost host{owner.gui, server.Port()};
    std::unique_ptr<LNetProc> link;
    std::vector<std::string> events;
    WriteCounter writes;

    void SetUp() override {
        host.Client().OnConnecting = [&] { events.push_back("connecting"); };
        host.Client().OnConnect = [&] { events.push_back("connect " + host.Client().RemoteAddress()); };
        ASSERT_TRUE(host.Client().Open());
        ASSERT_TRUE(owner.gui.RunUntil([&] { return events.size() == 2; }));
        EXPECT_EQ(events, (std::vector<std::string>{"connecting", "connect 127.0.0.1"}));
        OpenLink();
    }
    void TearDown() override { host.SetLink(nullptr); }
    // As the window opens a network candidate: 4000 ms, no retry.
    void OpenLink() {
        link = std::make_unique<LNetProc>(owner, host);
        host.SetLink(link.get());
        link->SetProbe(&writes);
        ASSERT_TRUE(link->Open());
        link->SetTimeout(4000);
        link->SetRetries(0);
    }
};

TEST_F(NetEndToEnd, ConnectIdentityAndTwentyNinePages) {
    ConnectAndReadState(owner, *link, unit);
    EXPECT_EQ(server.Connections(), 1u);
}

TEST_F(NetEndToEnd, LostConnectionEndsInLinkTimeoutAndTheUnitTakesTheNext) {
    bool disconnected = false;
    host.Client().OnDisconnect = [&] { disconnected = true; };
    ASSERT_TRUE(server.WaitForConnections(1));
    server.HangUp();
    ASSERT_TRUE(owner.gui.RunUntil([&] { return disconnected; }));
    EXPECT_FALSE(host.Client().IsActive());

    // The request is lost with the socket; the link reports the time-out.
    link->SendQueued(BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)), true);
    ASSERT_TRUE(writes.WaitFor(1));
    ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 4000));
    clock.Advance(4000);
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkTimeout);
    EXPECT_EQ(owner.statuses[0].argument, 1u);
    EXPECT_EQ(unit.ReceivedCount(), 0u);

    // As the window does: free the link, connect again, open a new one.
    host.SetLink(nullptr);
    link->Close();
    bool connected = false;
    host.Client().OnConnect = [&] { connected = true; };
    ASSERT_TRUE(host.Client().Open());
    ASSERT_TRUE(owner.gui.RunUntil([&] { return connected; }));
    OpenLink();
    link->SendQueued(BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)), true);
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(1, MCS_CONNECT));
    EXPECT_EQ(server.Connections(), 2u);
}

// --- USB -----------------------------------------------------------------------

struct UsbEndToEnd : ::testing::Test {
    explicit UsbEndToEnd(std::size_t outputReportLength = FakeHidReportChannel::DefaultReportLength)
        : channel(outputReportLength) {}

    void SetUp() override {
        host.SetLink(&link);
        link.SetProbe(&writes);
        ASSERT_TRUE(link.Open());
        // As the window opens a USB candidate: 100 ms, three retries.
        link.SetTimeout(100);
        link.SetRetries(3);
    }
    void TearDown() override { host.SetLink(nullptr); }

    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    SimUnit unit;
    FakeHidReportChannel channel;
    SimHidTransport device{unit, channel};
    UsbTestHost host{channel, owner.gui};
    WriteCounter writes;
    LUsbProc link{owner, host};
};

TEST_F(UsbEndToEnd, ConnectIdentityAndTwentyNinePages) {
    ConnectAndReadState(owner, link, unit);
    const auto reports = host.WrittenReports();
    ASSERT_EQ(reports.size(), 2u + SimUnit::PageCount);
    for (const auto& report : reports)
        EXPECT_EQ(report.size(), FakeHidReportChannel::DefaultReportLength);
    EXPECT_EQ(Bytes(reports[0].begin(), reports[0].begin() + 10),
              (Bytes{0x00, 0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}));
}

TEST_F(UsbEndToEnd, UnpluggedUnitEndsInLinkTimeout) {
    SimFaults faults;
    faults.dropLink = true;
    unit.SetFaults(faults);
    link.SendQueued(BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)), true);
    ASSERT_TRUE(writes.WaitFor(1));
    ASSERT_TRUE(unit.WaitForReceived(1)); // and the unit goes away
    // Re-sends at 100, 200 and 300 ms go nowhere and are not reported;
    // four silent time-outs follow, then LinkTimeout at 800 ms.
    for (int step = 0; step < 8; ++step) {
        ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 100)) << step;
        owner.gui.RunPending();
        EXPECT_TRUE(owner.statuses.empty()) << clock.NowMs();
        clock.Advance(100);
    }
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkTimeout);
    EXPECT_EQ(clock.NowMs(), 800);
    ASSERT_TRUE(writes.WaitFor(4));
    EXPECT_EQ(unit.ReceivedCount(), 1u);
}

struct SmallReportEndToEnd : UsbEndToEnd {
    SmallReportEndToEnd() : UsbEndToEnd(16) {}
};

TEST_F(SmallReportEndToEnd, FrameLongerThanTheOutputReportIsRefusedWithALinkEvent) {
    // 18 bytes do not fit a 16-byte report behind its ID byte.
    const Bytes name = BuildFrame(CM_MCS_CHANNEL_NAME(3, 0, "Bass\0\0\0\0"));
    ASSERT_EQ(name.size(), 18u);
    link.SendQueued(name, true);
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkFrameTooLong);
    EXPECT_EQ(owner.statuses[0].argument, 3u);
    EXPECT_EQ(owner.statuses[0].link, link.GetLinkId());
    EXPECT_TRUE(host.WrittenReports().empty());

    // A frame that fits still goes out, in a report of exactly 16 bytes.
    link.Close();
    LUsbProc second(owner, host);
    host.SetLink(&second);
    ASSERT_TRUE(second.Open());
    second.SendQueued(BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)), true);
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(1, MCS_CONNECT));
    ASSERT_EQ(host.WrittenReports().size(), 1u);
    EXPECT_EQ(host.WrittenReports()[0].size(), 16u);
    host.SetLink(nullptr);
}

} // namespace
