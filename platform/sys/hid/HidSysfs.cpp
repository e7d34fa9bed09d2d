#include "platform/sys/hid/HidSysfs.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace korvan::sys::hid {
namespace fs = std::filesystem;
namespace {

constexpr const char* kHidrawPrefix = "hidraw";

std::optional<std::uint32_t> ParseNumber(std::string_view text, int base) {
    std::uint32_t v = 0;
    if (text.empty())
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, base);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::optional<std::uint32_t> NodeNumber(const std::string& name) {
    if (name.rfind(kHidrawPrefix, 0) != 0)
        return std::nullopt;
    return ParseNumber(std::string_view(name).substr(std::char_traits<char>::length(kHidrawPrefix)), 10);
}

std::map<std::string, std::string> ParseUevent(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && eq > 0)
            out[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return out;
}

std::string BusName(std::uint16_t bus) {
    switch (bus) {
    case 0x03:
        return "USB";
    case 0x05:
        return "BLUETOOTH";
    case 0x06:
        return "VIRTUAL";
    case 0x18:
        return "I2C";
    default: {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", bus);
        return text;
    }
    }
}

std::string Get(const std::map<std::string, std::string>& m, const std::string& key) {
    const auto it = m.find(key);
    return it == m.end() ? std::string() : it->second;
}

} // namespace

std::optional<std::string> ReadAttribute(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        errno = ENOENT;
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\0'))
        text.pop_back();
    return text;
}

std::optional<std::vector<std::uint8_t>> ReadBinaryAttribute(const fs::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        errno = ENOENT;
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    char c;
    while (bytes.size() <= limit && in.get(c))
        bytes.push_back(std::uint8_t(c));
    if (bytes.size() > limit) {
        errno = EFBIG;
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::string>> ListHidrawNodes(const fs::path& sysRoot) {
    const fs::path classDir = sysRoot / "class" / "hidraw";
    std::error_code ec;
    if (!fs::exists(classDir, ec))
        return std::vector<std::string>{};
    std::vector<std::pair<std::uint32_t, std::string>> found;
    for (fs::directory_iterator it(classDir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (const auto n = NodeNumber(name))
            found.emplace_back(*n, name);
    }
    if (ec)
        return std::nullopt;
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [n, name] : found)
        names.push_back(std::move(name));
    return names;
}

std::optional<SysfsHidNode> ReadHidrawNode(const fs::path& sysRoot, const std::string& name) {
    const auto minor = NodeNumber(name);
    if (!minor)
        return std::nullopt;
    std::error_code ec;
    SysfsHidNode node;
    node.name = name;
    node.minor = *minor;
    node.hidDir = fs::canonical(sysRoot / "class" / "hidraw" / name / "device", ec);
    if (ec)
        return std::nullopt;
    const auto uevent = ReadAttribute(node.hidDir / "uevent");
    if (!uevent)
        return std::nullopt;
    node.uevent = ParseUevent(*uevent);

    // HID_ID is "bus:vendor:product", each in hex (vendor and product 32-bit).
    const std::string id = Get(node.uevent, "HID_ID");
    const auto c1 = id.find(':'), c2 = id.find(':', c1 == std::string::npos ? c1 : c1 + 1);
    if (c1 == std::string::npos || c2 == std::string::npos)
        return std::nullopt;
    const auto bus = ParseNumber(std::string_view(id).substr(0, c1), 16);
    const auto vendor = ParseNumber(std::string_view(id).substr(c1 + 1, c2 - c1 - 1), 16);
    const auto product = ParseNumber(std::string_view(id).substr(c2 + 1), 16);
    if (!bus || !vendor || !product)
        return std::nullopt;
    node.bus = std::uint16_t(*bus);
    node.vendor = std::uint16_t(*vendor);
    node.product = std::uint16_t(*product);

    // The HID device is named "BBBB:VVVV:PPPP.NNNN".
    const std::string dirName = node.hidDir.filename().string();
    const auto dot = dirName.rfind('.');
    const auto instance =
        dot == std::string::npos ? std::nullopt : ParseNumber(std::string_view(dirName).substr(dot + 1), 16);
    if (!instance)
        return std::nullopt;
    node.instance = *instance;

    // On USB the HID device sits below the USB interface, which sits below
    // the USB device.
    const fs::path usbInterface = node.hidDir.parent_path();
    const fs::path usbDevice = usbInterface.parent_path();
    if (node.bus == 0x03 && fs::exists(usbInterface / "bInterfaceNumber", ec) &&
        fs::exists(usbDevice / "idVendor", ec))
        node.usbDir = usbDevice;
    return node;
}

std::uint16_t NodeVersion(const SysfsHidNode& node) {
    if (node.usbDir.empty())
        return 0;
    const auto text = ReadAttribute(node.usbDir / "bcdDevice");
    const auto v = text ? ParseNumber(*text, 16) : std::nullopt;
    return v ? std::uint16_t(*v) : 0;
}

HidInterfaceInfo DescribeNode(const SysfsHidNode& node, const fs::path& devRoot) {
    HidInterfaceInfo info;
    info.deviceId = node.instance;
    info.devicePath = (devRoot / node.name).string();
    const std::string hidName = Get(node.uevent, "HID_NAME");
    const std::string driver = Get(node.uevent, "DRIVER");
    info.text[kPropDeviceDescr] = hidName;
    info.text[kPropFriendlyName] = hidName;
    info.text[kPropClass] = "HIDClass";
    info.text[kPropClassGuid] = kHidInterfaceClassGuid;
    info.text[kPropDriver] = driver;
    info.text[kPropService] = driver;
    info.text[kPropLocationInfo] = Get(node.uevent, "HID_PHYS");
    info.text[kPropPhysDevObjName] = info.devicePath;
    info.text[kPropEnumeratorName] = BusName(node.bus);
    info.text[kPropBusTypeGuid] = BusName(node.bus);
    const std::string modalias = Get(node.uevent, "MODALIAS");
    if (!modalias.empty())
        info.lists[kPropHardwareId] = {modalias};
    info.numbers[kPropUiNumber] = node.minor;
    if (!node.usbDir.empty()) {
        if (auto mfg = ReadAttribute(node.usbDir / "manufacturer"))
            info.text[kPropMfg] = *mfg;
        if (auto busnum = ReadAttribute(node.usbDir / "busnum"))
            info.numbers[kPropBusNumber] = ParseNumber(*busnum, 10).value_or(0);
        if (auto devnum = ReadAttribute(node.usbDir / "devnum"))
            info.text[kPropAddress] = *devnum;
    }
    return info;
}

} // namespace korvan::sys::hid
