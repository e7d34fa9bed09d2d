#pragma once
// The order in which the device scan tries the serial ports: by kind, then
// by the port's number. "COM" names (also in the device-path form
// "\\.\COM12") come first, by the number of their 4th and 5th characters;
// then system device names ("ttyS2", "/dev/ttyUSB0") by kind in the order
// ttyS, ttyAMA, ttyUSB, ttyACM, any other kind by its letters, and within a
// kind by the trailing number. A name with no number is tried last.

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

// The number formed by the 4th and 5th characters of a "COMn" name:
// "COM3" gives 3, "COM12" 12 and "COM123" 12. None when they are no digits.
std::optional<int> ComPortKey(std::string_view name);

struct ScanPortKey {
    int kind = 0;        // 0: COM names; 1..4: ttyS, ttyAMA, ttyUSB, ttyACM; 5: other
    std::string letters; // the kind's letters, which order the other kinds
    int number = 0;
    auto operator<=>(const ScanPortKey&) const = default;
};

// None for a name without a port number.
std::optional<ScanPortKey> ScanPortSortKey(std::string_view name);

// Sorts the names into scan order; names of equal key, and names without a
// key (at the end), keep their listed order.
void SortScanPorts(std::vector<std::string>& names);

} // namespace korvan
