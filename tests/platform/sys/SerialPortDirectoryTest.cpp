#include "platform/sys/SerialPortDirectory.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using korvan::sys::SerialPortDirectory;
namespace fs = std::filesystem;

namespace {

TEST(SerialPortDirectory, NamesAndNumbers) {
    struct Case {
        int number;
        const char* name;
    };
    for (const Case& c : {Case{1, "COM1"}, Case{3, "COM3"}, Case{9, "COM9"}, Case{10, "\\\\.\\COM10"},
                          Case{12, "\\\\.\\COM12"}, Case{98, "\\\\.\\COM98"}}) {
        EXPECT_EQ(SerialPortDirectory::PortName(c.number), c.name);
        EXPECT_EQ(SerialPortDirectory::PortNumber(c.name), c.number);
    }
    EXPECT_EQ(SerialPortDirectory::PortNumber("COM12"), 12);
    for (const char* bad : {"COM0", "COM99", "COM", "COMX", "LPT1", "", "\\\\.\\COM"})
        EXPECT_EQ(SerialPortDirectory::PortNumber(bad), std::nullopt) << bad;
}

// A sysfs tree of tty entries: `device/driver` marks hardware behind ttyS,
// `type` 0 marks a ttyS with no UART.
class FakeSysfs : public ::testing::Test {
protected:
    korvan::testing::ScratchFolder scratch{"serial-sysfs"};
    const fs::path& root = scratch.Path();

    void Add(const std::string& name, bool device, bool driver, int type = -1) {
        fs::create_directories(root / name);
        if (device)
            fs::create_directories(root / name / "device");
        if (driver)
            fs::create_directories(root / name / "device" / "driver");
        if (type >= 0)
            std::ofstream(root / name / "type") << type << "\n";
    }
};

TEST_F(FakeSysfs, FindsRealPortsInFixedRanges) {
    Add("ttyS0", true, true, 4);
    Add("ttyS1", true, true, 0); // no UART
    Add("ttyS2", false, false);  // no device
    Add("ttyAMA0", true, false);
    Add("ttyUSB0", true, false);
    Add("ttyUSB1", false, false);
    Add("ttyACM2", true, false);
    Add("tty5", true, true);
    Add("ttyUSBx", true, true);
    SerialPortDirectory directory(root.string(), "/dev", false);
    std::vector<std::pair<int, std::string>> found;
    for (const auto& entry : directory.List())
        found.emplace_back(entry.number, entry.devicePath);
    EXPECT_EQ(found,
              (std::vector<std::pair<int, std::string>>{
                  {1, "/dev/ttyS0"}, {33, "/dev/ttyAMA0"}, {41, "/dev/ttyUSB0"}, {73, "/dev/ttyACM2"}}));
    EXPECT_EQ(directory.List()[2].name, "\\\\.\\COM41");
    EXPECT_EQ(directory.DevicePathFor(41), "/dev/ttyUSB0");
    EXPECT_EQ(directory.DevicePathFor(2), std::nullopt);
}

TEST_F(FakeSysfs, OverridesWinAndCanStandAlone) {
    Add("ttyS0", true, true, 4);
    SerialPortDirectory directory(root.string(), "/dev", false);
    directory.ParseOverrides("1=/dev/pts/7;COM12=/tmp/unit, 99=/ignored,junk");
    EXPECT_EQ(directory.DevicePathFor(1), "/dev/pts/7");
    EXPECT_EQ(directory.DevicePathFor(12), "/tmp/unit");
    EXPECT_EQ(directory.DevicePathFor(99), std::nullopt);
    directory.SetSystemPortsHidden(true);
    directory.SetOverride(3, "/dev/pts/9");
    std::vector<int> numbers;
    for (const auto& entry : directory.List())
        numbers.push_back(entry.number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 3, 12}));
}

} // namespace
