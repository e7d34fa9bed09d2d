#include "platform/sys/SerialPortDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace korvan::sys {

namespace fs = std::filesystem;

namespace {

struct Family {
    const char* prefix;
    int firstPort;
    int count;
};

constexpr Family kFamilies[] = {{"ttyS", 1, 32}, {"ttyAMA", 33, 8}, {"ttyUSB", 41, 30}, {"ttyACM", 71, 28}};

// The decimal number after `prefix` in `name`, if the rest is all digits.
std::optional<int> Suffix(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || value > 10000)
            return std::nullopt;
        value = value * 10 + (name[i] - '0');
    }
    return value;
}

// A ttyS entry without a UART behind it reports type 0 (unknown port).
bool HasRealUart(const fs::path& entry) {
    std::error_code ec;
    if (!fs::exists(entry / "device" / "driver", ec))
        return false;
    std::ifstream type(entry / "type");
    int value = 0;
    if (type >> value)
        return value != 0;
    return true;
}

} // namespace

SerialPortDirectory::SerialPortDirectory(std::string sysClassTty, std::string devDir, bool useEnvironment)
    : sysClassTty_(std::move(sysClassTty)), devDir_(std::move(devDir)) {
    if (useEnvironment)
        if (const char* text = std::getenv("KORVAN_SERIAL_PORTS"))
            ParseOverrides(text);
}

std::map<int, std::string> SerialPortDirectory::ScanSysfs() const {
    std::map<int, std::string> ports;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sysClassTty_, ec)) {
        const std::string name = entry.path().filename().string();
        for (const auto& family : kFamilies) {
            const auto n = Suffix(name, family.prefix);
            if (!n || *n >= family.count)
                continue;
            if (std::string(family.prefix) == "ttyS" ? !HasRealUart(entry.path())
                                                     : !fs::exists(entry.path() / "device", ec))
                continue;
            ports[family.firstPort + *n] = (fs::path(devDir_) / name).string();
        }
    }
    return ports;
}

std::vector<SerialPortEntry> SerialPortDirectory::List() const {
    std::map<int, std::string> ports;
    if (!systemHidden_)
        ports = ScanSysfs();
    for (const auto& [number, path] : overrides_)
        ports[number] = path;
    std::vector<SerialPortEntry> list;
    for (const auto& [number, path] : ports)
        list.push_back({number, PortName(number), path});
    return list;
}

std::optional<std::string> SerialPortDirectory::DevicePathFor(int number) const {
    if (auto it = overrides_.find(number); it != overrides_.end())
        return it->second;
    if (systemHidden_)
        return std::nullopt;
    const auto ports = ScanSysfs();
    if (auto it = ports.find(number); it != ports.end())
        return it->second;
    return std::nullopt;
}

void SerialPortDirectory::SetOverride(int number, const std::string& devicePath) {
    if (number >= 1 && number <= MaxPort)
        overrides_[number] = devicePath;
}

void SerialPortDirectory::ParseOverrides(const std::string& text) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(";,", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string item = text.substr(start, end - start);
        const auto eq = item.find('=');
        if (eq != std::string::npos && eq + 1 < item.size()) {
            const std::string key = item.substr(0, eq);
            std::optional<int> number = PortNumber(key);
            if (!number)
                number = Suffix("#" + key, "#");
            if (number && *number >= 1 && *number <= MaxPort)
                overrides_[*number] = item.substr(eq + 1);
        }
        start = end + 1;
    }
}

std::string SerialPortDirectory::PortName(int number) {
    const std::string com = "COM" + std::to_string(number);
    return number < 10 ? com : "\\\\.\\" + com;
}

std::optional<int> SerialPortDirectory::PortNumber(const std::string& name) {
    std::string rest = name;
    if (rest.rfind("\\\\.\\", 0) == 0)
        rest = rest.substr(4);
    const auto n = Suffix(rest, "COM");
    if (!n || *n < 1 || *n > MaxPort)
        return std::nullopt;
    return n;
}

SerialPortDirectory& SerialPortDirectory::System() {
    static SerialPortDirectory directory;
    return directory;
}

} // namespace korvan::sys
