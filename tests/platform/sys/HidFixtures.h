#pragma once
// Fixtures for the HID tests: report descriptors kept as commented hex under
// fixtures/hid, and a sysfs/dev tree of hidraw nodes built in a temporary
// folder the way the kernel lays it out.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace korvan::test {

inline std::vector<std::uint8_t> LoadDescriptor(const std::string& name) {
    const std::filesystem::path file =
        std::filesystem::path(KORVAN_SOURCE_DIR) / "tests/platform/sys/fixtures/hid" / (name + ".hex");
    std::ifstream in(file);
    EXPECT_TRUE(in) << file;
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        while (words >> word)
            bytes.push_back(std::uint8_t(std::stoul(word, nullptr, 16)));
    }
    return bytes;
}

struct UsbNodeInfo {
    std::string hidraw;     // "hidraw0"
    std::string usbPort;    // "1-2"
    std::uint32_t instance; // sequence number of the HID device
    std::uint16_t vendor, product, bcdDevice;
    std::string manufacturer, product_name, serial;
    std::string descriptor; // fixture name
};

class SysfsFixture {
public:
    SysfsFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvan-hid-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        std::filesystem::create_directories(Sys() / "class");
        std::filesystem::create_directories(Dev());
    }
    ~SysfsFixture() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    SysfsFixture(const SysfsFixture&) = delete;
    SysfsFixture& operator=(const SysfsFixture&) = delete;

    std::filesystem::path Sys() const { return root_ / "sys"; }
    std::filesystem::path Dev() const { return root_ / "dev"; }

    void AddUsbNode(const UsbNodeInfo& s) {
        const auto usb = Sys() / "devices/pci0000:00/0000:00:14.0/usb1" / s.usbPort;
        Write(usb / "idVendor", Hex4(s.vendor));
        Write(usb / "idProduct", Hex4(s.product));
        Write(usb / "bcdDevice", Hex4(s.bcdDevice));
        if (!s.manufacturer.empty())
            Write(usb / "manufacturer", s.manufacturer);
        if (!s.product_name.empty())
            Write(usb / "product", s.product_name);
        if (!s.serial.empty())
            Write(usb / "serial", s.serial);
        Write(usb / "busnum", "1");
        Write(usb / "devnum", "5");
        const auto iface = usb / (s.usbPort + ":1.0");
        Write(iface / "bInterfaceNumber", "00");
        const auto hid = iface / HidName(0x0003, s.vendor, s.product, s.instance);
        WriteHid(hid, 0x0003, s.vendor, s.product, s.manufacturer + " " + s.product_name,
                 "usb-0000:00:14.0-" + s.usbPort + "/input0", s.serial, s.descriptor);
        LinkNode(hid, s.hidraw);
    }

    // A Bluetooth device: no USB device above it.
    void AddBluetoothNode(const std::string& hidraw, std::uint32_t instance, std::uint16_t vendor,
                          std::uint16_t product, const std::string& name, const std::string& uniq,
                          const std::string& descriptor) {
        const auto hid = Sys() / "devices/virtual/misc/uhid" / HidName(0x0005, vendor, product, instance);
        WriteHid(hid, 0x0005, vendor, product, name, "00:11:22:33:44:55", uniq, descriptor);
        LinkNode(hid, hidraw);
    }

    // A class entry whose device cannot be read.
    void AddBrokenNode(const std::string& hidraw) {
        std::filesystem::create_directories(Sys() / "class/hidraw" / hidraw);
    }

    void RemoveClassFolder() { std::filesystem::remove_all(Sys() / "class/hidraw"); }

private:
    static std::string Hex4(std::uint16_t v) {
        char t[8];
        std::snprintf(t, sizeof t, "%04x", v);
        return t;
    }
    static std::string HidName(std::uint16_t bus, std::uint16_t vendor, std::uint16_t product,
                               std::uint32_t instance) {
        char t[32];
        std::snprintf(t, sizeof t, "%04X:%04X:%04X.%04X", bus, vendor, product, instance);
        return t;
    }
    static void Write(const std::filesystem::path& file, const std::string& text) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text << "\n";
    }
    void WriteHid(const std::filesystem::path& hid, std::uint16_t bus, std::uint16_t vendor,
                  std::uint16_t product, const std::string& name, const std::string& phys,
                  const std::string& uniq, const std::string& descriptor) {
        char id[64];
        std::snprintf(id, sizeof id, "%04X:%08X:%08X", bus, vendor, product);
        char alias[64];
        std::snprintf(alias, sizeof alias, "hid:b%04Xg0001v%08Xp%08X", bus, vendor, product);
        Write(hid / "uevent", "DRIVER=hid-generic\nHID_ID=" + std::string(id) + "\nHID_NAME=" + name +
                                  "\nHID_PHYS=" + phys + "\nHID_UNIQ=" + uniq + "\nMODALIAS=" + alias);
        const auto bytes = LoadDescriptor(descriptor);
        std::ofstream(hid / "report_descriptor", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void LinkNode(const std::filesystem::path& hid, const std::string& hidraw) {
        const auto node = hid / "hidraw" / hidraw;
        Write(node / "uevent", "MAJOR=240\nMINOR=0\nDEVNAME=" + hidraw);
        std::filesystem::create_directory_symlink(std::filesystem::path("../.."), node / "device");
        std::filesystem::create_directories(Sys() / "class/hidraw");
        std::filesystem::create_directory_symlink(std::filesystem::relative(node, Sys() / "class/hidraw"),
                                                  Sys() / "class/hidraw" / hidraw);
    }

    std::filesystem::path root_;
};

} // namespace korvan::test
