// The start-up scan of the real windows over real links: a unit on
// 127.0.0.1 that answers with another device ID passes the scan on to the
// serial ports, and a serial port in use shows the broken link until its
// watchdog moves on to the next port, where the simulated unit answers.

#include "platform/sys/SerialPort.h"
#include "tests/support/PtyPair.h"
#include "tests/support/SimPtyTransport.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <optional>
#include <string>

using namespace korvan;
using namespace korvan::test;

namespace {

class MainWindowScanTest : public MainWindowTest {
protected:
    // On line over the serial link, the dialog gone.
    bool OnLineOverSerial() const {
        return fmMain->Connection().Online && fmMain->Connection().ComLink && !fmNetwork->Visible();
    }
    SimUnit serialUnit;
};

TEST_F(MainWindowScanTest, AForeignDeviceIdMovesTheScanToTheSerialPort) {
    SimFaults foreign;
    foreign.replyId = 7;
    unit.SetFaults(foreign);
    SimPtyTransport line(serialUnit);
    ports.SetOverride(3, line.SlavePath());
    StartUnit();
    CreateWindows();
    std::optional<std::string> networkCounter;
    pump.reactions.push_back([&] {
        if (!networkCounter && fmNetwork->Visible() && fmMain->Connection().NetLink)
            networkCounter = fmNetwork->lblDeviceID->Caption();
    });
    ASSERT_TRUE(pump.RunUntil([&] { return OnLineOverSerial(); }));
    EXPECT_EQ(networkCounter, "1/2");
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), "2/2");
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "ScaningCOM3 ......");
    EXPECT_FALSE(fmMain->Connection().NetLink);
    // The unit of the other ID heard the connect request and nothing more.
    const auto heard = unit.Received();
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].code, MCS_CONNECT);
    EXPECT_GE(serialUnit.ReceivedCount(), 2u);
}

TEST_F(MainWindowScanTest, ASerialPortInUseShowsLinkBrokenThenTheNextPortConnects) {
    PtyPair taken;
    sys::SerialPort holder;
    ASSERT_TRUE(holder.Open(taken.SlavePath(), sys::SerialSettings{})) << holder.Error();
    ports.SetOverride(3, taken.SlavePath());
    SimPtyTransport line(serialUnit);
    ports.SetOverride(4, line.SlavePath());
    CreateWindows();
    fmMain->AutoIp = 1; // the serial ports only
    bool brokenWithButtons = false;
    pump.reactions.push_back([&] {
        brokenWithButtons =
            brokenWithButtons || (fmNetwork->Visible() && fmNetwork->lblScan->Caption() == "Link Broken" &&
                                  fmNetwork->btnOK->Enabled() && fmNetwork->btnExit->Enabled());
    });
    ASSERT_TRUE(pump.RunUntil([&] { return OnLineOverSerial(); }));
    EXPECT_TRUE(brokenWithButtons);
    EXPECT_EQ(fmNetwork->lblDeviceID->Caption(), "2/2");
    EXPECT_EQ(fmNetwork->lblScan->Caption(), "ScaningCOM4 ......");
}

} // namespace
