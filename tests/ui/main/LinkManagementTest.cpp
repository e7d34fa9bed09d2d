// Link management around the connect sequence: foreign device IDs, closing
// for good, the unit ID and sending without a link.

#include "device/protocol/CommandRecords.h"
#include "tests/ui/main/ConnectionFixture.h"

using namespace korvan;
using namespace korvan::test;

namespace {

TEST_F(ConnectionTest, ReplyWithForeignDeviceIdIsNotDispatched) {
    for (bool scanVisible : {false, true}) {
        SCOPED_TRACE(scanVisible ? "scan dialog visible" : "scan dialog hidden");
        view.events.clear();
        view.scanVisible = scanVisible;
        unit.ClearReceived();
        SimFaults faults;
        faults.replyId = 7;
        unit.SetFaults(faults);
        ASSERT_TRUE(OpenTo(LinkKind::Serial));
        ASSERT_TRUE(gui.RunUntil([&] { return core->tmComScan.Enabled(); }));
        // The connect reply of device 7 went nowhere.
        EXPECT_TRUE(core->Handshaking);
        EXPECT_FALSE(core->SessionOpen);
        EXPECT_EQ(unit.ReceivedCount(), 1u);

        Advance(1);
        EXPECT_EQ(unit.ReceivedCount(), 1u);
        if (scanVisible) {
            // During a scan it ends the candidate.
            EXPECT_FALSE(core->ComLink);
            EXPECT_TRUE(view.Has("ScanResult 0"));
        } else {
            EXPECT_TRUE(core->ComLink);
            EXPECT_TRUE(view.events.empty());
        }
        core->CloseLink();
        behind.reset();
    }
}

TEST_F(ConnectionTest, ClosingForGoodFreesSerialUsbNetworkInOrderAndSendsNothing) {
    // Three silent units, one behind each link, all three links open.
    SimUnit serialUnit, usbUnit, netUnit;
    SimFaults silent;
    silent.silent = true;
    for (SimUnit* u : {&serialUnit, &usbUnit, &netUnit})
        u->SetFaults(silent);
    UnitBehind serial(LinkKind::Serial, serialUnit, backend, ports);
    UnitBehind usb(LinkKind::Usb, usbUnit, backend, ports);
    UnitBehind net(LinkKind::Net, netUnit, backend, ports);
    // Opened network first, so that each connect request goes to its own link.
    ASSERT_TRUE(net.Open(*core, gui));
    ASSERT_TRUE(RunUntilReceived(netUnit, 1));
    ASSERT_TRUE(usb.Open(*core, gui));
    ASSERT_TRUE(RunUntilReceived(usbUnit, 1));
    ASSERT_TRUE(serial.Open(*core, gui));
    ASSERT_TRUE(RunUntilReceived(serialUnit, 1));

    core->FreeLinksOnClose();
    EXPECT_EQ(core->freed, (std::vector<LinkKind>{LinkKind::Serial, LinkKind::Usb, LinkKind::Net}));
    EXPECT_FALSE(core->IsLinkOpen());
    // The links' threads have ended: nothing more can reach the units.
    gui.RunPending();
    for (SimUnit* u : {&serialUnit, &usbUnit, &netUnit}) {
        ASSERT_EQ(u->ReceivedCount(), 1u);
        EXPECT_EQ(u->Received()[0].code, MCS_CONNECT);
    }
    core->SendCmd(CM_MCS_CMD(1, MCS_RELEASE), true); // no link: nothing, no error
}

TEST_F(ConnectionTest, ClosingAfterTheReadSendsNothing) {
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReadEnded());
    const std::size_t sent = unit.ReceivedCount();
    core->FreeLinksOnClose();
    EXPECT_EQ(core->freed, std::vector<LinkKind>{LinkKind::Serial});
    Advance(5000); // no poll, no keep-alive: the link is gone
    EXPECT_EQ(unit.ReceivedCount(), sent);
}

TEST_F(ConnectionTest, UnitIdOutsideOneTo254IsIgnored) {
    EXPECT_EQ(view.unitIdLabel, "ID : 1");
    for (int id : {0, 255, -1, 1000}) {
        core->SetUnitId(id);
        EXPECT_EQ(core->UnitId, 1) << id;
    }
    core->SetUnitId(254);
    EXPECT_EQ(core->UnitId, 254);
    EXPECT_EQ(view.unitIdLabel, "ID : 254");
}

TEST_F(ConnectionTest, LinkTimeoutOfACandidateFreesIt) {
    SimFaults silent;
    silent.silent = true;
    unit.SetFaults(silent);
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReceived(unit, 1));
    // 100 ms, no retry: LinkTimeout, the candidate goes, the scan moves on.
    ASSERT_TRUE(clock.AwaitDeadline(clock.NowMs() + 100));
    clock.Advance(100);
    ASSERT_TRUE(gui.RunUntil([&] { return !core->ComLink; }));
    EXPECT_TRUE(view.Has("ScanResult 0"));
    EXPECT_FALSE(view.Has("ShowScanDialogModal"));
}

TEST_F(ConnectionTest, UnpluggingTheUsbUnitEndsTheSessionAndReportsTheBrokenLink) {
    ASSERT_TRUE(OpenTo(LinkKind::Usb));
    ASSERT_TRUE(RunUntilReadEnded());
    ASSERT_TRUE(core->SessionOpen);
    behind->Unplug();
    // The controller hears of it and lets the device go; the level poll
    // then goes nowhere, and the link is closed as broken.
    ASSERT_TRUE(gui.RunUntil([&] { return !core->HasUsbDevice(); }));
    Advance(300); // the broken-link timer
    ASSERT_TRUE(gui.RunUntil([&] { return !core->UsbLink; }));
    EXPECT_EQ(core->freed, std::vector<LinkKind>{LinkKind::Usb});
    EXPECT_FALSE(core->SessionOpen);
    EXPECT_FALSE(core->Online);
    EXPECT_TRUE(view.Has("ReportLinkBroken"));
    EXPECT_TRUE(view.Has("ShowScanDialogModal"));
    EXPECT_TRUE(view.Has("ClearMeters"));
}

} // namespace

// The same in the middle of a transfer: the job ends with its progress
// window, and no file is saved from the half-read presets.
TEST_F(ConnectionTest, UnpluggingTheUsbUnitMidUploadEndsTheJob) {
    unit.SetStoredPreset(3, SimUnit::DefaultImage());
    ASSERT_TRUE(OpenTo(LinkKind::Usb));
    ASSERT_TRUE(RunUntilReadEnded());
    unit.ClearReceived();
    view.events.clear();
    core->UploadUnit();
    ASSERT_TRUE(view.Has("ShowProgressModal"));
    ASSERT_TRUE(RunUntilReceived(unit, 6)); // the device information, the slot, pages 0..3
    behind->Unplug();
    ASSERT_TRUE(gui.RunUntil([&] { return !core->HasUsbDevice(); }));
    Advance(300);
    ASSERT_TRUE(gui.RunUntil([&] { return !core->UsbLink; }));
    EXPECT_LT(unit.ReceivedCount(), 2u + 29u);
    EXPECT_TRUE(view.Has("CloseProgress"));
    EXPECT_EQ(core->JobState, JobIdle);
    EXPECT_FALSE(core->tmUpload.Enabled());
    EXPECT_FALSE(core->SessionOpen);
}
