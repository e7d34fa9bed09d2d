#pragma once
// The serial ports of this machine under the names the editor shows and
// opens: "COM1" to "COM9", and from port 10 on the device-path form "\\.\COM10".
// Ports are found in sysfs and numbered in fixed ranges so that a number
// stays with its device:
//   ttyS<n>   -> COM<1 + n>   (n < 32; only ports with a real UART behind them)
//   ttyAMA<n> -> COM<33 + n>  (n < 8)
//   ttyUSB<n> -> COM<41 + n>  (n < 30)
//   ttyACM<n> -> COM<71 + n>  (n < 28)
// An override list maps numbers to any path (a pty of the simulated unit);
// it comes from the environment variable KORVAN_SERIAL_PORTS
// ("3=/dev/pts/4;12=/tmp/unit") or from SetOverride, and wins over sysfs.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvan::sys {

struct SerialPortEntry {
    int number = 0;         // 1 to 98
    std::string name;       // "COM3" or "\\.\COM12"
    std::string devicePath; // "/dev/ttyUSB0"
};

class SerialPortDirectory {
public:
    static constexpr int MaxPort = 98;

    // Reads ports from `sysClassTty` (their device nodes in `devDir`) and the
    // overrides from KORVAN_SERIAL_PORTS when `useEnvironment` is set.
    explicit SerialPortDirectory(std::string sysClassTty = "/sys/class/tty", std::string devDir = "/dev",
                                 bool useEnvironment = true);

    // Every port, in order of port number.
    std::vector<SerialPortEntry> List() const;
    // The device path of port `number`, if there is such a port.
    std::optional<std::string> DevicePathFor(int number) const;

    void SetOverride(int number, const std::string& devicePath);
    // Only the overrides count; sysfs is not read.
    void SetSystemPortsHidden(bool hidden) { systemHidden_ = hidden; }
    // Reads "n=path;n=path" (also ',' separated) into the override list.
    void ParseOverrides(const std::string& text);

    // "COM3", or "\\.\COM12" from port 10 on.
    static std::string PortName(int number);
    // The number in "COM3", "\\.\COM12" or "COM12"; none for other text or
    // numbers outside 1 to 98.
    static std::optional<int> PortNumber(const std::string& name);

    // The directory the program uses.
    static SerialPortDirectory& System();

private:
    std::map<int, std::string> ScanSysfs() const;

    std::string sysClassTty_;
    std::string devDir_;
    std::map<int, std::string> overrides_;
    bool systemHidden_ = false;
};

} // namespace korvan::sys
