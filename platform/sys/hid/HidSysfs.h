#pragma once
// Reading the sysfs tree of hidraw nodes: which nodes exist, the HID device
// behind each (identity, name, report descriptor) and, for USB devices, the
// USB device above it (version, strings, bus position). The root is a
// parameter so that tests can read a fixture tree.

#include "platform/sys/hid/HidBackend.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvan::sys::hid {

struct SysfsHidNode {
    std::string name;                          // "hidraw3"
    std::uint32_t minor = 0;                   // 3
    std::filesystem::path hidDir;              // the HID device
    std::filesystem::path usbDir;              // the USB device above it; empty when not on USB
    std::map<std::string, std::string> uevent; // of the HID device
    std::uint16_t bus = 0, vendor = 0, product = 0;
    // The kernel's sequence number of the HID device (after the dot of its
    // name): new for every device that appears.
    std::uint32_t instance = 0;
};

// The hidraw node names in number order; empty when the system has none,
// nothing when the class folder exists but cannot be read.
std::optional<std::vector<std::string>> ListHidrawNodes(const std::filesystem::path& sysRoot);
// Nothing when the node or its HID device cannot be read or named.
std::optional<SysfsHidNode> ReadHidrawNode(const std::filesystem::path& sysRoot, const std::string& name);
// The contents of a sysfs attribute without its trailing newline.
std::optional<std::string> ReadAttribute(const std::filesystem::path& file);
std::optional<std::vector<std::uint8_t>> ReadBinaryAttribute(const std::filesystem::path& file,
                                                             std::size_t limit = 65536);
// The setup properties of a node, for the interface's PnP information.
HidInterfaceInfo DescribeNode(const SysfsHidNode& node, const std::filesystem::path& devRoot);
// Version of the device: the USB release number, 0 when not on USB.
std::uint16_t NodeVersion(const SysfsHidNode& node);

} // namespace korvan::sys::hid
