// The editor's USB cycle end to end on the fake backend: the first rebuild
// finds the unit, the enumeration checks out 0x0168:0x0821, a connect request
// goes out as an output report from an I/O thread, the simulated unit's reply
// comes back through the read thread, and unplugging checks the unit in.
//
// The simulated unit has no HID transport of its own yet, so a minimal
// responder in this test carries its frames: it takes each output report,
// feeds the frame bytes to the unit and sends every reply back as a 65-byte
// input report.

#include "device/protocol/CommandCodes.h"
#include "device/protocol/Frame.h"
#include "device/protocol/LCmd.h"
#include "tests/device/hid/HidControllerFixture.h"
#include "tests/support/SimUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace korvan::test;
using namespace std::chrono_literals;

namespace {

constexpr std::uint16_t kVendor = 0x0168;
constexpr std::uint16_t kProduct = 0x0821;

// What the main window does with the controller's events, without windows.
class EditorHid {
public:
    explicit EditorHid(TJvHidDeviceController& ctl) : HidCtl(ctl) {}

    TJvHidDevice* HidDevice = nullptr;
    std::vector<std::vector<std::uint8_t>> frames; // received, one per input report
    std::string status = "OffLine";

    void Bind() {
        HidCtl.SetLoading(true);
        HidCtl.SetOnDeviceChange({this, &EditorHid::HidCtlDeviceChange});
        HidCtl.SetOnEnumerate({this, &EditorHid::HidCtlEnumerate});
        HidCtl.SetOnDeviceUnplug({this, &EditorHid::HidCtlDeviceUnplug});
        HidCtl.SetOnDeviceData({this, &EditorHid::HidCtlDeviceData});
        HidCtl.SetLoading(false);
    }

    void HidCtlDeviceChange(TJvHidDeviceController*) { HidCtl.Enumerate(); }

    bool HidCtlEnumerate(TJvHidDevice* HidDev, int Idx) {
        TJvHidDevice* device = nullptr;
        if (HidDev->Attributes().VendorID == kVendor && HidDev->Attributes().ProductID == kProduct &&
            HidCtl.CheckOutByIndex(device, Idx)) {
            HidDevice = device;
            status = "Detect HID";
        }
        return true;
    }

    void HidCtlDeviceUnplug(TJvHidDevice* HidDev) {
        if (HidDev->Attributes().VendorID != kVendor || HidDev->Attributes().ProductID != kProduct)
            return;
        HidDevice = nullptr;
        HidCtl.CheckIn(HidDev);
        status = "OffLine";
    }

    // The frame's length comes from its length byte.
    void HidCtlDeviceData(TJvHidDevice*, std::uint8_t, const std::uint8_t* Data, std::uint16_t Size) {
        const std::size_t length = std::min<std::size_t>(Size, std::size_t(Data[4]) + 8);
        frames.emplace_back(Data, Data + length);
    }

    // The USB link's write hook: report ID 0, then the frame, as long as the
    // device's output report.
    bool UsbWriteReport(const std::vector<std::uint8_t>& frame) {
        std::vector<std::uint8_t> report(HidDevice->GetCaps().OutputReportByteLength, 0);
        std::copy(frame.begin(), frame.end(), report.begin() + 1);
        std::uint32_t written = 0;
        return HidDevice->WriteFile(report.data(), std::uint32_t(report.size()), written);
    }

private:
    TJvHidDeviceController& HidCtl;
};

// Carries the simulated unit's frames over the fake HID unit.
void AnswerOneRequest(FakeHidUnit& hid, SimUnit& sim) {
    const auto report = hid.WaitOutputReport(5s);
    ASSERT_TRUE(report);
    for (const SimOutput& out : sim.Feed(report->data() + 1, report->size() - 1)) {
        for (std::size_t at = 0; at < out.bytes.size(); at += 64) {
            std::vector<std::uint8_t> input(65, 0);
            const std::size_t n = std::min<std::size_t>(64, out.bytes.size() - at);
            std::copy_n(out.bytes.begin() + std::ptrdiff_t(at), n, input.begin() + 1);
            ASSERT_GE(hid.SendInputReport(input), 1u); // every handle open for reading gets it
        }
    }
}

using HidCycle = HidControllerTest;

TEST_F(HidCycle, EnumerateCheckOutExchangeConnectUnplugCheckIn) {
    backend.Plug(FakeDeviceInfo(0x046D, 0xC31C));
    FakeHidUnit hid = backend.Plug(KorvanUnitInfo());
    SimUnit sim;
    controller = std::make_unique<TJvHidDeviceController>(gui, backend, clock);
    EditorHid editor(*controller);
    editor.Bind();
    EXPECT_EQ(editor.HidDevice, nullptr); // the first rebuild waits for the loop
    Pump();
    ASSERT_NE(editor.HidDevice, nullptr);
    EXPECT_EQ(editor.status, "Detect HID");
    EXPECT_EQ(DeviceName(editor.HidDevice), "#2");
    EXPECT_EQ(Counts(), "1/1/0");
    ASSERT_TRUE(hid.WaitForReaders(1, 5s));

    // The connect request, written from the link's I/O thread.
    const std::vector<std::uint8_t> connect = BuildFrame(LCmd(1, MCS_CONNECT));
    bool written = false;
    std::thread io([&] { written = editor.UsbWriteReport(connect); });
    AnswerOneRequest(hid, sim);
    io.join();
    EXPECT_TRUE(written);
    ASSERT_EQ(sim.ReceivedCount(), 1u);
    EXPECT_EQ(sim.Received()[0].code, MCS_CONNECT);
    EXPECT_EQ(sim.Received()[0].frame,
              (std::vector<std::uint8_t>{0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}));

    ASSERT_TRUE(gui.RunUntil([&] { return editor.frames.size() == 1; }));
    EXPECT_EQ(editor.frames[0], UnitReply(1, MCS_CONNECT));
    const LCmd reply(editor.frames[0]);
    EXPECT_TRUE(reply.IsValid());
    EXPECT_EQ(reply.GetId(), 1);
    EXPECT_EQ(reply.GetCode(), MCS_CONNECT);

    backend.Unplug(hid);
    Pump();
    EXPECT_EQ(editor.HidDevice, nullptr);
    EXPECT_EQ(editor.status, "OffLine");
    EXPECT_EQ(Listed(), std::vector<std::string>{"#1"});
    EXPECT_EQ(Counts(), "1/0/0");
    EXPECT_EQ(hid.OpenHandles(), 0u);

    // Plugged in again, the unit is found and taken once more.
    FakeHidUnit again = backend.Plug(KorvanUnitInfo());
    Pump();
    ASSERT_NE(editor.HidDevice, nullptr);
    EXPECT_EQ(DeviceName(editor.HidDevice), "#3");
    EXPECT_EQ(Counts(), "1/1/0");
    controller.reset(); // stops its read thread, unplugs it for the holder
    delete editor.HidDevice;
}

} // namespace
