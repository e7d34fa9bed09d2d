#include "platform/sys/Utf16Text.h"
#include "platform/sys/hid/FdReportChannel.h"
#include "platform/sys/hid/LinuxHidBackend.h"
#include "platform/sys/hid/UdevHidMonitor.h"
#include "tests/platform/sys/HidFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace korvan::sys::hid;
using korvan::sys::Utf16ToUtf8;
using korvan::sys::Utf8ToUtf16;
using korvan::test::SysfsFixture;
using korvan::test::UsbNodeInfo;

namespace {

class LinuxHid : public ::testing::Test {
protected:
    LinuxHid() : backend(fixture.Sys(), fixture.Dev()) {}

    void AddUnit(const std::string& hidraw = "hidraw2", std::uint32_t instance = 0x0004) {
        fixture.AddUsbNode({hidraw, "1-2", instance, 0x0168, 0x0821, 0x0102, "Brivane", "KORVAN DSP",
                            "KV0001", "korvan-unit"});
    }

    SysfsFixture fixture;
    LinuxHidBackend backend;
};

TEST_F(LinuxHid, EnumeratesNodesInNumberOrderAndSkipsUnreadableOnes) {
    AddUnit("hidraw10", 0x0011);
    fixture.AddUsbNode(
        {"hidraw2", "1-3", 0x0005, 0x046D, 0xC31C, 0x6400, "Maker", "Keyboard", "", "boot-keyboard"});
    fixture.AddBluetoothNode("hidraw3", 0x0007, 0x046D, 0xB01A, "BT Mouse", "aa:bb:cc", "mouse-report-ids");
    fixture.AddBrokenNode("hidraw4");

    const auto found = backend.EnumerateInterfaces();
    ASSERT_TRUE(found);
    ASSERT_EQ(found->size(), 3u);
    EXPECT_EQ((*found)[0].devicePath, (fixture.Dev() / "hidraw2").string());
    EXPECT_EQ((*found)[1].devicePath, (fixture.Dev() / "hidraw3").string());
    EXPECT_EQ((*found)[2].devicePath, (fixture.Dev() / "hidraw10").string());
    // The device ID is the kernel's sequence number of the HID device.
    EXPECT_EQ((*found)[2].deviceId, 0x11u);

    const HidInterfaceInfo& unit = (*found)[2];
    EXPECT_EQ(unit.text.at(kPropDeviceDescr), "Brivane KORVAN DSP");
    EXPECT_EQ(unit.text.at(kPropMfg), "Brivane");
    EXPECT_EQ(unit.text.at(kPropClass), "HIDClass");
    EXPECT_EQ(unit.text.at(kPropEnumeratorName), "USB");
    EXPECT_EQ(unit.text.at(kPropLocationInfo), "usb-0000:00:14.0-1-2/input0");
    EXPECT_EQ(unit.lists.at(kPropHardwareId).front(), "hid:b0003g0001v00000168p00000821");
    EXPECT_EQ(unit.numbers.at(kPropBusNumber), 1u);
    EXPECT_EQ(unit.numbers.at(kPropUiNumber), 10u);
    EXPECT_EQ((*found)[1].text.at(kPropEnumeratorName), "BLUETOOTH");
}

TEST_F(LinuxHid, NoHidrawClassMeansNoDevices) {
    fixture.RemoveClassFolder();
    EXPECT_TRUE(backend.Available());
    const auto found = backend.EnumerateInterfaces();
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->empty());
    EXPECT_FALSE(LinuxHidBackend(fixture.Sys() / "missing", fixture.Dev()).Available());
}

TEST_F(LinuxHid, IdentifiesWithoutOpeningTheNode) {
    AddUnit();
    // No device node exists: identity, strings and descriptor come from sysfs.
    auto handle = backend.Open((fixture.Dev() / "hidraw2").string(), HidAccess::Identify);
    ASSERT_TRUE(handle);
    HIDD_ATTRIBUTES a;
    ASSERT_TRUE(handle->GetAttributes(a));
    EXPECT_EQ(a.Size, 12u);
    EXPECT_EQ(a.VendorID, 0x0168);
    EXPECT_EQ(a.ProductID, 0x0821);
    EXPECT_EQ(a.VersionNumber, 0x0102);

    std::u16string text;
    ASSERT_TRUE(handle->GetManufacturerString(text));
    EXPECT_EQ(text, u"Brivane");
    ASSERT_TRUE(handle->GetProductString(text));
    EXPECT_EQ(text, u"KORVAN DSP");
    ASSERT_TRUE(handle->GetSerialNumberString(text));
    EXPECT_EQ(text, u"KV0001");
    ASSERT_TRUE(handle->GetIndexedString(0, text));
    EXPECT_EQ(text, std::u16string(1, u'\x0409'));
    EXPECT_FALSE(handle->GetIndexedString(4, text));

    std::vector<std::uint8_t> descriptor;
    ASSERT_TRUE(handle->GetReportDescriptor(descriptor));
    EXPECT_EQ(descriptor, korvan::test::LoadDescriptor("korvan-unit"));

    // No I/O on an identify handle.
    std::uint8_t report[65];
    std::size_t n;
    EXPECT_FALSE(handle->Write(report, sizeof report, n));
    EXPECT_EQ(errno, EBADF);
    EXPECT_FALSE(handle->GetFeature(report, sizeof report));
}

TEST_F(LinuxHid, StringsOfADeviceOffUsbComeFromItsUevent) {
    fixture.AddBluetoothNode("hidraw0", 0x0007, 0x046D, 0xB01A, "BT Mouse", "aa:bb:cc", "mouse-report-ids");
    auto handle = backend.Open((fixture.Dev() / "hidraw0").string(), HidAccess::Identify);
    ASSERT_TRUE(handle);
    std::u16string text;
    EXPECT_FALSE(handle->GetManufacturerString(text));
    ASSERT_TRUE(handle->GetProductString(text));
    EXPECT_EQ(text, u"BT Mouse");
    ASSERT_TRUE(handle->GetSerialNumberString(text));
    EXPECT_EQ(text, u"aa:bb:cc");
    HIDD_ATTRIBUTES a;
    ASSERT_TRUE(handle->GetAttributes(a));
    EXPECT_EQ(a.VersionNumber, 0);
}

TEST_F(LinuxHid, OpeningUnknownOrForeignPathsFails) {
    AddUnit();
    EXPECT_FALSE(backend.Open((fixture.Dev() / "hidraw7").string(), HidAccess::Identify));
    EXPECT_EQ(errno, ENOENT);
    EXPECT_FALSE(backend.Open("/elsewhere/hidraw2", HidAccess::Identify));
    // The node itself is missing: an I/O open fails with the system's reason.
    EXPECT_FALSE(backend.Open((fixture.Dev() / "hidraw2").string(), HidAccess::ReadWrite));
    EXPECT_EQ(errno, ENOENT);
}

// With no hidraw device on these machines, a FIFO stands in for the node: it
// carries the bytes the way hidraw does, and refuses every hidraw ioctl.
TEST_F(LinuxHid, ReportsThroughTheNodeGetTheirIdByteAndStayWithinLength) {
    AddUnit();
    const std::string node = (fixture.Dev() / "hidraw2").string();
    ASSERT_EQ(mkfifo(node.c_str(), 0600), 0);
    auto handle = backend.Open(node, HidAccess::ReadWrite);
    ASSERT_TRUE(handle);
    const int device = open(node.c_str(), O_RDWR);
    ASSERT_GE(device, 0);

    // The unit has no report IDs: hidraw gives its 64 data bytes alone and
    // the handle puts the 0 ID byte ahead. A longer burst is read only up to
    // the report length.
    std::vector<std::uint8_t> sent(70);
    for (std::size_t i = 0; i < sent.size(); ++i)
        sent[i] = std::uint8_t(i + 1);
    ASSERT_EQ(write(device, sent.data(), sent.size()), 70);
    std::uint8_t report[65];
    std::size_t n = 0;
    ASSERT_EQ(handle->ReadTimed(report, sizeof report, 5000, n), ReadWait::Report);
    EXPECT_EQ(n, 65u);
    EXPECT_EQ(report[0], 0);
    EXPECT_EQ(report[1], 1);
    EXPECT_EQ(report[64], 64);

    // Writes go out as given: ID byte first.
    std::vector<std::uint8_t> out(65, 0);
    out[1] = 0x10;
    out[2] = 0x02;
    ASSERT_TRUE(handle->Write(out.data(), out.size(), n));
    EXPECT_EQ(n, 65u);
    std::uint8_t back[80];
    ASSERT_EQ(read(device, back, sizeof back), 6 + 65); // the 6 bytes left over, then ours
    EXPECT_EQ(back[6], 0);
    EXPECT_EQ(back[7], 0x10);

    EXPECT_FALSE(handle->GetFeature(report, sizeof report));
    EXPECT_EQ(errno, ENOTTY);
    EXPECT_FALSE(handle->SetOutputReport(out.data(), out.size()));
    std::uint32_t buffers = 0;
    EXPECT_TRUE(handle->GetNumInputBuffers(buffers));
    EXPECT_EQ(buffers, 64u);
    EXPECT_FALSE(handle->SetNumInputBuffers(8));
    close(device);
}

TEST(FdReportChannel, TimedReadEndsOnCancelTimeOutAndHangUp) {
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET, 0, pair), 0);
    FdReportChannel channel(pair[0], false);
    std::uint8_t report[8];
    std::size_t n = 0;

    EXPECT_EQ(channel.ReadTimed(report, sizeof report, 0, n), ReadWait::TimedOut);

    // A cancel ends the read under way, or the next one if none is.
    channel.CancelIo();
    EXPECT_EQ(channel.ReadTimed(report, sizeof report, 60000, n), ReadWait::Cancelled);
    std::atomic<bool> done{false};
    std::thread reader([&] {
        std::size_t got = 0;
        EXPECT_EQ(channel.ReadTimed(report, sizeof report, 60000, got), ReadWait::Cancelled);
        done = true;
    });
    channel.CancelIo();
    reader.join();
    EXPECT_TRUE(done);

    // One report per read; a report longer than the buffer is cut.
    const std::uint8_t big[12] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2};
    ASSERT_EQ(send(pair[1], big, sizeof big, 0), 12);
    ASSERT_EQ(send(pair[1], big, 3, 0), 3);
    ASSERT_EQ(channel.ReadTimed(report, sizeof report, 5000, n), ReadWait::Report);
    EXPECT_EQ(n, 8u);
    ASSERT_EQ(channel.ReadTimed(report, sizeof report, 5000, n), ReadWait::Report);
    EXPECT_EQ(n, 3u);

    close(pair[1]);
    EXPECT_EQ(channel.ReadTimed(report, sizeof report, 5000, n), ReadWait::Failed);
    EXPECT_EQ(errno, EIO);
    EXPECT_FALSE(channel.Write(big, 3, n)); // no SIGPIPE
}

TEST(UdevHidMonitor, StartsAndStopsCleanly) {
    // Netlink may be closed to us; then there is simply no monitor.
    auto monitor = UdevHidMonitor::Start([] {});
    monitor.reset();
    SUCCEED();
}

TEST(HidText, Utf8AndUtf16RoundTrip) {
    const std::string text = "Ab\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8E\x9B";
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"Ab\u00E9\u4E2D\U0001F39B");
    EXPECT_EQ(Utf16ToUtf8(wide), text);
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");         // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD"); // overlong
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

} // namespace
