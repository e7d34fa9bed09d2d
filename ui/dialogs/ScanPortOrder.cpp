#include "ui/dialogs/ScanPortOrder.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace korvan {

namespace {

constexpr std::string_view DevicePathPrefix = "\\\\.\\";
constexpr std::string_view ComLetters = "COM";
// The system's kinds of serial device, in the order they are tried.
constexpr std::array<std::string_view, 4> SystemKinds = {"ttyS", "ttyAMA", "ttyUSB", "ttyACM"};
constexpr int OtherKind = int(SystemKinds.size()) + 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The whole of `digits` as a number; none for an empty text, any non-digit
// or a number beyond int.
std::optional<int> Number(std::string_view digits) {
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::optional<ScanPortKey> SystemPortKey(std::string_view name) {
    const std::size_t slash = name.rfind('/');
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    const auto firstDigit = std::find_if(name.begin(), name.end(), IsDigit);
    const std::string_view letters(name.begin(), firstDigit);
    const auto number = Number(std::string_view(firstDigit, name.end()));
    if (letters.empty() || !number)
        return std::nullopt;
    const auto kind = std::find(SystemKinds.begin(), SystemKinds.end(), letters);
    if (kind != SystemKinds.end())
        return ScanPortKey{int(kind - SystemKinds.begin()) + 1, {}, *number};
    return ScanPortKey{OtherKind, std::string(letters), *number};
}

} // namespace

std::optional<int> ComPortKey(std::string_view name) {
    if (name.size() < 4)
        return std::nullopt;
    return Number(name.substr(3, 2));
}

std::optional<ScanPortKey> ScanPortSortKey(std::string_view name) {
    std::string_view com = name;
    if (com.substr(0, DevicePathPrefix.size()) == DevicePathPrefix)
        com.remove_prefix(DevicePathPrefix.size());
    if (com.substr(0, ComLetters.size()) == ComLetters) {
        if (const auto key = ComPortKey(com))
            return ScanPortKey{0, {}, *key};
        return std::nullopt;
    }
    return SystemPortKey(name);
}

void SortScanPorts(std::vector<std::string>& names) {
    std::vector<std::pair<std::optional<ScanPortKey>, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(ScanPortSortKey(name), std::move(name));
    // A name without a key goes after every name with one.
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        if (!a.first || !b.first)
            return a.first.has_value() && !b.first.has_value();
        return *a.first < *b.first;
    });
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}

} // namespace korvan
