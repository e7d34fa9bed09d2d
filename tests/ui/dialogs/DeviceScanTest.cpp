// The device scan on a bare form over a host that opens no real link, on
// the driven clock: the candidates in order with their counter, texts and
// watchdogs, a candidate that fails or answers with another device ID, a
// serial port in use, the identity answer and a lost link, each of which
// leaves no candidate running behind a finished scan.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/dialogs/ScanPortOrder.h"

#include <QImage>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::test;

namespace {

// Lists `ports`, records every link call in `calls` ("open net", "open
// COM3", "close") and runs `onOpen` (if set) when a link is opened.
class ScanHost : public RecordingHost {
public:
    std::vector<std::string> SerialPortNames() override { return ports; }
    void SelectComPort(const std::string& name) override { comPort = name; }
    bool HasUsbDevice() const override { return usbDevice; }
    void SelectNetTarget() override { calls.push_back("target"); }
    void OpenComLink() override { Opened(comPort); }
    void OpenUsbLink() override { Opened("usb"); }
    void OpenNetLink() override { Opened("net"); }
    void CloseLink() override { calls.push_back("close"); }
    void EnableConnectControls() override { calls.push_back("connect controls"); }
    void ShowNetworkSetup() override { calls.push_back("network setup"); }

    std::vector<std::string> ports;
    bool usbDevice = false;
    std::string comPort;
    std::vector<std::string> calls;
    std::function<void(const std::string&)> onOpen;

private:
    void Opened(const std::string& what) {
        calls.push_back("open " + what);
        if (onOpen)
            onOpen(what);
    }
};

constexpr sys::Millis StepMs = 100;
constexpr sys::Millis UsbWatchDogMs = 6000, NetWatchDogMs = 2000, SerialWatchDogMs = 10000;

class DeviceScanTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        host.texts = {{"SID_CONNECT", "Connect"},
                      {"SID_START_SCAN", "Scaning"},
                      {"SID_DEMO", "Demo"},
                      {"SID_SET", "Set"},
                      {"SID_SCAN_USB", "Scan USB"},
                      {"SID_SCAN_NET", "Scan Ethernet"},
                      {"SID_SCAN", "Scaning"},
                      {"SID_NO_DEVICE", "No Device found."},
                      {"SID_LINK_BROKEN", "Link Broken"}};
        dialog = std::make_unique<TfmNetwork>(nullptr, host);
    }
    void TearDown() override {
        dialog.reset();
        GuiTest::TearDown();
    }
    // The scan as the connection button starts it, with the dialog shown.
    void StartScan() {
        dialog->btnOK->Click();
        ShowForm(dialog.get());
    }
    struct Shown {
        std::string counter, status;
        int position, max;
        bool operator==(const Shown&) const = default;
    };
    Shown Now() const {
        return {dialog->lblDeviceID->Caption(), dialog->lblScan->Caption(), dialog->pbScan->Position(),
                dialog->pbScan->Max()};
    }
    bool ButtonsEnabled() const {
        return dialog->btnOK->Enabled() && dialog->btnId->Enabled() && dialog->btnExit->Enabled();
    }
    bool ButtonsDisabled() const {
        return !dialog->btnOK->Enabled() && !dialog->btnId->Enabled() && !dialog->btnExit->Enabled();
    }
    // The calls made since the last look.
    std::vector<std::string> NewCalls() {
        std::vector<std::string> out(host.calls.begin() + std::ptrdiff_t(seen_), host.calls.end());
        seen_ = host.calls.size();
        return out;
    }

    ScanHost host;
    std::unique_ptr<TfmNetwork> dialog;

private:
    std::size_t seen_ = 0;
};

struct Candidate {
    std::string counter, status, opened;
    sys::Millis watchDog;
};

struct OrderCase {
    const char* name;
    std::vector<std::string> ports;
    bool usb;
    std::uint32_t address;
    std::vector<Candidate> candidates;
};

// Each candidate opens its link 100 ms after it starts and gets its whole
// watchdog time; its expiry closes the link and starts the next one.
TEST_F(DeviceScanTest, TriesTheCandidatesInOrderEachForItsWatchdog) {
    const std::string net = "Scan Ethernet", usb = "Scan USB";
    const OrderCase cases[] = {
        {"network and COM ports",
         {"COM12", "COM3", "COM4"},
         false,
         0x7F000001,
         {{"1/4", net, "open net", NetWatchDogMs},
          {"2/4", "ScaningCOM3 ......", "open COM3", SerialWatchDogMs},
          {"3/4", "ScaningCOM4 ......", "open COM4", SerialWatchDogMs},
          {"4/4", "ScaningCOM12 ......", "open COM12", SerialWatchDogMs}}},
        {"network and system port names",
         {"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2"},
         false,
         0x7F000001,
         {{"1/4", net, "open net", NetWatchDogMs},
          {"2/4", "Scaning/dev/ttyS2 ......", "open /dev/ttyS2", SerialWatchDogMs},
          {"3/4", "Scaning/dev/ttyS10 ......", "open /dev/ttyS10", SerialWatchDogMs},
          {"4/4", "Scaning/dev/ttyUSB0 ......", "open /dev/ttyUSB0", SerialWatchDogMs}}},
        {"device-path names from port 10 on",
         {"\\\\.\\COM12", "COM3", "\\\\.\\COM10"},
         false,
         0,
         {{"1/3", "ScaningCOM3 ......", "open COM3", SerialWatchDogMs},
          {"2/3", "Scaning\\\\.\\COM10 ......", "open \\\\.\\COM10", SerialWatchDogMs},
          {"3/3", "Scaning\\\\.\\COM12 ......", "open \\\\.\\COM12", SerialWatchDogMs}}},
        {"USB leaves the network out",
         {"COM3"},
         true,
         0x7F000001,
         {{"1/2", usb, "open usb", UsbWatchDogMs},
          {"2/2", "ScaningCOM3 ......", "open COM3", SerialWatchDogMs}}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.name);
        host.ports = c.ports;
        host.usbDevice = c.usb;
        host.netAddress = c.address;
        StartScan();
        EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target"}));
        EXPECT_TRUE(ButtonsDisabled());
        const int n = int(c.candidates.size());
        for (int k = 0; k < n; ++k) {
            const Candidate& candidate = c.candidates[std::size_t(k)];
            SCOPED_TRACE(candidate.counter);
            EXPECT_EQ(Now(), (Shown{candidate.counter, candidate.status, k + 1, n}));
            AdvanceTimers(StepMs);
            EXPECT_EQ(NewCalls(), (std::vector<std::string>{candidate.opened}));
            AdvanceTimers(candidate.watchDog - StepMs - 1);
            EXPECT_TRUE(NewCalls().empty());
            AdvanceTimers(1 + StepMs); // the expiry, then the end step
            EXPECT_EQ(NewCalls(), (std::vector<std::string>{"close"}));
            EXPECT_TRUE(k + 1 == n ? ButtonsEnabled() : ButtonsDisabled());
        }
        EXPECT_EQ(Now(), (Shown{"", "No Device found.", n, n}));
        // The scan is over: nothing more is opened or closed.
        AdvanceTimers(3 * SerialWatchDogMs);
        EXPECT_TRUE(NewCalls().empty());
    }
}

TEST_F(DeviceScanTest, NothingPresentSaysNoDeviceWithTheBarFull) {
    host.netAddress = 0;
    StartScan();
    EXPECT_EQ(Now(), (Shown{"", "No Device found.", 31, 31}));
    EXPECT_TRUE(ButtonsDisabled());
    AdvanceTimers(StepMs);
    EXPECT_TRUE(ButtonsEnabled());
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "close"}));
    EXPECT_EQ(dialog->Caption(), "Connect");
    EXPECT_EQ(dialog->btnOK->Caption(), "Scaning");
    EXPECT_EQ(dialog->btnExit->Caption(), "Demo");
    EXPECT_TRUE(dialog->Visible());
    AdvanceTimers(3 * SerialWatchDogMs);
    EXPECT_TRUE(NewCalls().empty());

    // Scanning again finds the port plugged in since.
    host.ports = {"COM5"};
    dialog->btnOK->Click();
    EXPECT_EQ(Now(), (Shown{"1/1", "ScaningCOM5 ......", 1, 1}));
    AdvanceTimers(StepMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open COM5"}));
}

// A failed candidate (no answer, or a reply with another device ID) moves
// on at once, and the next candidate's watchdog counts from its own start.
TEST_F(DeviceScanTest, AFailedCandidateMovesOnWithoutWaitingForItsWatchdog) {
    host.ports = {"COM3", "COM4"};
    StartScan();
    AdvanceTimers(StepMs + 500);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open net"}));
    dialog->ScanResult(0);
    AdvanceTimers(StepMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"close"}));
    EXPECT_EQ(Now(), (Shown{"2/3", "ScaningCOM3 ......", 2, 3}));
    AdvanceTimers(SerialWatchDogMs - 1);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"open COM3"}));
    AdvanceTimers(1 + StepMs);
    EXPECT_EQ(Now(), (Shown{"3/3", "ScaningCOM4 ......", 3, 3}));
}

TEST_F(DeviceScanTest, TheIdentityAnswerClosesTheDialogAndEndsTheScan) {
    host.ports = {"COM3", "COM4"};
    StartScan();
    AdvanceTimers(StepMs);
    dialog->ScanResult(1);
    AdvanceTimers(StepMs - 1);
    EXPECT_TRUE(dialog->Visible());
    AdvanceTimers(1);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(Now(), (Shown{"1/3", "Scan Ethernet", 1, 3}));
    EXPECT_EQ(dialog->Connected, 1u);
    // The link stays open, and no other candidate follows.
    AdvanceTimers(3 * SerialWatchDogMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open net"}));
    EXPECT_FALSE(dialog->Visible());
}

// A serial port that cannot be opened shows the broken link at once with
// the buttons back; its watchdog still goes on with the next port.
TEST_F(DeviceScanTest, ASerialPortInUseShowsLinkBrokenAndTheScanGoesOn) {
    host.netAddress = 0;
    host.ports = {"COM3", "COM4"};
    host.onOpen = [&](const std::string& port) {
        if (port == "COM3")
            dialog->ReportLinkBroken();
    };
    StartScan();
    AdvanceTimers(StepMs);
    EXPECT_TRUE(ButtonsDisabled());
    AdvanceTimers(StepMs);
    EXPECT_EQ(Now(), (Shown{"", "Link Broken", 1, 2}));
    EXPECT_TRUE(ButtonsEnabled());
    AdvanceTimers(SerialWatchDogMs - 2 * StepMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open COM3"}));
    AdvanceTimers(StepMs);
    EXPECT_EQ(Now(), (Shown{"2/2", "ScaningCOM4 ......", 2, 2}));
    AdvanceTimers(StepMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"close", "open COM4"}));
}

// Demo while a broken port's watchdog still runs: the editor stays off line.
TEST_F(DeviceScanTest, DemoAfterABrokenPortTriesNoFurtherPort) {
    host.netAddress = 0;
    host.ports = {"COM3", "COM4"};
    host.onOpen = [&](const std::string&) { dialog->ReportLinkBroken(); };
    StartScan();
    AdvanceTimers(2 * StepMs);
    dialog->btnExit->Click();
    EXPECT_FALSE(dialog->Visible());
    AdvanceTimers(3 * SerialWatchDogMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open COM3", "connect controls"}));
}

// The connection is lost after the connect reply, before the identity
// answer: the dialog shows the broken link and the scan stops there.
TEST_F(DeviceScanTest, ALostLinkEndsTheScan) {
    host.ports = {"COM3"};
    StartScan();
    AdvanceTimers(StepMs + 300);
    dialog->pbScan->SetPosition(0);
    dialog->ReportLinkBroken();
    AdvanceTimers(StepMs);
    EXPECT_EQ(Now(), (Shown{"", "Link Broken", 0, 2}));
    EXPECT_TRUE(ButtonsEnabled());
    AdvanceTimers(3 * SerialWatchDogMs);
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"target", "open net"}));
}

TEST_F(DeviceScanTest, SetOpensTheIdDialogAndDemoLeavesOffLine) {
    host.netAddress = 0;
    StartScan();
    AdvanceTimers(StepMs);
    NewCalls();
    dialog->btnId->Click();
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"network setup"}));
    EXPECT_TRUE(dialog->Visible());
    dialog->btnExit->Click();
    EXPECT_EQ(NewCalls(), (std::vector<std::string>{"connect controls"}));
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(DeviceScanTest, Pictures) {
    host.ports = {"COM12", "COM3", "COM4"};
    StartScan();
    AdvanceTimers(NetWatchDogMs + StepMs + SerialWatchDogMs + StepMs);
    ASSERT_EQ(Now(), (Shown{"3/4", "ScaningCOM4 ......", 3, 4}));
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "device-scan-mid-scan");
    // A smooth bar: one run over three quarters of its well, from its left.
    const QImage bar = korvan::testing::Grab(dialog->pbScan);
    std::string row;
    for (int x = 2; x < bar.width() - 2; ++x) {
        const QRgb p = bar.pixel(x, bar.height() / 2);
        row += TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16) == ColorToRGB(clHighlight) ? 'B' : '.';
    }
    EXPECT_EQ(row, std::string(242, 'B') + std::string(81, '.'));
    AdvanceTimers(2 * SerialWatchDogMs + 2 * StepMs);
    ASSERT_EQ(dialog->lblScan->Caption(), "No Device found.");
    korvan::testing::SavePng(korvan::testing::Grab(dialog.get()), "device-scan-no-device");
}

TEST(ScanPortOrder, ComKeyIsTheNumberOfTheFourthAndFifthCharacters) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"COM3", 3},           {"COM12", 12},          {"COM123", 12},
        {"COM", std::nullopt}, {"COMX", std::nullopt}, {"COM1X", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [name, key] : cases)
        EXPECT_EQ(ComPortKey(name), key) << name;
}

TEST(ScanPortOrder, SortsByKindThenNumberWithUnnumberedNamesLast) {
    std::vector<std::string> names = {"ttyACM0",      "weird",   "COM13", "ttyUSB0", "COM123",
                                      "/dev/ttyS10",  "ttyAMA1", "COM11", "ttyS2",   "rfcomm1",
                                      "\\\\.\\COM40", "COMX",    "ttyS2"};
    SortScanPorts(names);
    EXPECT_EQ(names, (std::vector<std::string>{"COM11", "COM123", "COM13", "\\\\.\\COM40", "ttyS2", "ttyS2",
                                               "/dev/ttyS10", "ttyAMA1", "ttyUSB0", "ttyACM0", "rfcomm1",
                                               "weird", "COMX"}));
}

} // namespace
