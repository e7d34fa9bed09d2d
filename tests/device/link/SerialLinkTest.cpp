// The serial link end to end: LCommProc on a pseudo-terminal, the simulated
// unit at the other end, time-outs on a driven clock.

#include "device/link/LCommProc.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"
#include "tests/support/RecordingLinkOwner.h"
#include "tests/support/SimPtyTransport.h"
#include "tests/support/SimUnit.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;
using korvan::sys::Parity;
using korvan::sys::StopBits;

namespace {

constexpr int Port = 3;

struct SerialFixture : ::testing::Test {
    sys::ManualClock clock;
    RecordingLinkOwner owner{clock};
    SimUnit unit;
    SimPtyTransport line{unit};
    LCommProc link{owner};

    void SetUp() override {
        owner.ports.SetOverride(Port, line.SlavePath());
        ASSERT_TRUE(link.Open(Port, 115200, 8, Parity::None, StopBits::One));
    }
    void Send(const LCmd& record, bool append = true) { link.SendQueued(BuildFrame(record), append); }
};

TEST_F(SerialFixture, ConnectAndStateReadOfTwentyNinePages) {
    Bytes image = unit.Image();
    image[100] = 0x10; // bytes that look like markers travel as data
    image[101] = 0x03;
    image[1447] = 0xA5;
    unit.SetImage(image);

    // The owner asks for the next thing whenever a reply arrives, as the
    // connect sequence does.
    Bytes pages(29 * 50, 0);
    owner.onFrame = [&](const LinkFrameMessage& message) {
        const LCmd reply(message.frame);
        ASSERT_TRUE(reply.IsValid());
        ASSERT_EQ(reply.GetId(), 1);
        const auto& p = reply.GetPayload();
        switch (reply.GetCode()) {
        case MCS_CONNECT:
            Send(CM_MCS_CMD(1, MCS_IDENTITY));
            break;
        case MCS_IDENTITY:
            EXPECT_EQ(std::string(p.begin(), p.begin() + 11), "KORVAN V010");
            Send(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, 0));
            break;
        case MCS_STATE_PAGE:
            ASSERT_EQ(p.size(), 51u);
            std::copy(p.begin() + 1, p.end(), pages.begin() + 50 * p[0]);
            if (p[0] < 28)
                Send(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, static_cast<std::uint8_t>(p[0] + 1)));
            break;
        default:
            ADD_FAILURE() << "unexpected reply " << int(reply.GetCode());
        }
    };
    Send(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_TRUE(owner.RunUntilFrames(31));
    EXPECT_EQ(Bytes(pages.begin(), pages.begin() + 1448), image);

    const auto requests = unit.Received();
    ASSERT_EQ(requests.size(), 31u);
    EXPECT_EQ(requests[0].code, MCS_CONNECT);
    EXPECT_EQ(requests[1].code, MCS_IDENTITY);
    for (std::uint8_t page = 0; page < 29; ++page)
        EXPECT_EQ(requests[2 + page].frame, BuildFrame(CM_MCS_CMD(1, MCS_READ_STATE_PAGE, page)));
    // The serial link makes the monitor lines itself.
    const auto lines = owner.MonitorLines();
    ASSERT_EQ(lines.size(), 62u);
    EXPECT_EQ(lines[0], "COM W 10 02 00 01 01 10 10 03 11 ");
    EXPECT_EQ(lines[1].substr(0, 6), "COM R ");
}

TEST_F(SerialFixture, SilentUnitGivesLinkTimeoutAfterRetriesPlusOneTimeOuts) {
    SimFaults faults;
    faults.silent = true;
    unit.SetFaults(faults);
    link.SetTimeout(100);
    link.SetRetries(1);
    Send(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_TRUE(unit.WaitForReceived(1));
    ASSERT_TRUE(clock.AwaitDeadline(100));
    clock.Advance(100);
    ASSERT_TRUE(unit.WaitForReceived(2)); // the one re-send
    ASSERT_TRUE(clock.AwaitDeadline(200));
    clock.Advance(100);
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkTimeout);
    EXPECT_EQ(owner.statuses[0].argument, 1u);
    EXPECT_EQ(owner.statuses[0].link, link.GetLinkId());
    ASSERT_TRUE(clock.AwaitDeadline(300));
    EXPECT_EQ(unit.ReceivedCount(), 2u);
    for (const auto& request : unit.Received())
        EXPECT_EQ(request.frame, BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)));
}

TEST_F(SerialFixture, EveryByteValueCrossesTheLineUntouched) {
    std::string identity;
    for (int b = 0; b < 254; ++b)
        identity.push_back(static_cast<char>(b));
    unit.SetIdentity(identity);
    Send(CM_MCS_CMD(1, MCS_IDENTITY));
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(1, MCS_IDENTITY, Bytes(identity.begin(), identity.end())));
    EXPECT_EQ(owner.frames[0].message, WM_LINK_FRAME);

    // A request carrying the bytes a cooked line would eat.
    Send(CM_MCS_GAIN(1, 0x11, 0x0D13));
    ASSERT_TRUE(unit.WaitForReceived(2));
    EXPECT_EQ(unit.Received()[1].frame, BuildFrame(CM_MCS_GAIN(1, 0x11, 0x0D13)));
}

TEST_F(SerialFixture, GarbageIsSkippedAndAForeignIdIsDeliveredAsIs) {
    SimFaults faults;
    faults.garbage = {0x00, 0xFF, 0x03, 0x02, 0x0D};
    faults.replyId = 9;
    unit.SetFaults(faults);
    Send(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].bytes, UnitReply(9, MCS_CONNECT));
}

TEST_F(SerialFixture, PortHeldOpenElsewhereFailsToOpen) {
    LCommProc second(owner);
    EXPECT_FALSE(second.Open(Port, 115200, 8, Parity::None, StopBits::One));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_FALSE(second.Engine().HasKeepAliveTimer());
    EXPECT_FALSE(link.Open(Port, 115200, 8, Parity::None, StopBits::One)); // open already

    link.Close();
    LCommProc third(owner);
    EXPECT_TRUE(third.Open(Port, 115200, 8, Parity::None, StopBits::One));
}

TEST(SerialLinkOpen, RefusesPortsAndRatesOutsideItsRange) {
    RecordingLinkOwner owner;
    PtyPair pty;
    for (int port : {1, 12, 98, 99, 0})
        owner.ports.SetOverride(port, pty.SlavePath());
    struct Case {
        int port;
        int baud;
        bool opens;
    };
    for (const Case& c :
         {Case{99, 115200, false}, Case{0, 115200, false}, Case{3, 115200, false}, Case{1, 1100, false},
          Case{1, 128001, false}, Case{12, 115200, true}, Case{98, 9600, true}, Case{1, 1200, true},
          Case{1, 76800, true}, Case{1, 128000, true}}) {
        LCommProc link(owner);
        EXPECT_EQ(link.Open(c.port, c.baud, 8, Parity::None, StopBits::One), c.opens)
            << "port " << c.port << " baud " << c.baud;
    }
}

TEST_F(SerialFixture, HangUpEndsTheLinkWithCommError) {
    SimFaults faults;
    faults.dropLink = true;
    unit.SetFaults(faults);
    Send(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_TRUE(owner.RunUntilStatuses(1));
    EXPECT_EQ(owner.statuses[0].code, LinkCommError);
    EXPECT_TRUE(owner.gui.RunUntil([&] { return !link.IsOpen(); }));
    Send(CM_MCS_CMD(1, MCS_IDENTITY)); // dropped
    link.Close();
    owner.gui.RunPending();
    EXPECT_EQ(owner.statuses.size(), 1u);
}

TEST(SerialLinkRate, ReplyOnAPortNotAt115200IsTheOtherMessage) {
    sys::ManualClock clock;
    RecordingLinkOwner owner(clock);
    SimUnit unit;
    SimPtyTransport line(unit);
    owner.ports.SetOverride(Port, line.SlavePath());
    LCommProc link(owner);
    ASSERT_TRUE(link.Open(Port, 9600, 8, Parity::None, StopBits::One));
    link.SendQueued(BuildFrame(CM_MCS_CMD(1, MCS_CONNECT)), true);
    ASSERT_TRUE(owner.RunUntilFrames(1));
    EXPECT_EQ(owner.frames[0].message, WM_LINK_FRAME_OTHER);
}

} // namespace
