#include "ui/main/editors/DynamicsEntry.h"

#include "device/protocol/SharedConstants.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace korvan::editors {

namespace {

constexpr double Huge = 1.0e9;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool OnlyOf(std::string_view text, std::string_view allowed) {
    return std::all_of(text.begin(), text.end(),
                       [allowed](char c) { return IsDigit(c) || allowed.find(c) != std::string_view::npos; });
}

// A plain decimal: an optional sign, digits with at most one point and at
// least one digit. Values past the range of a double read as huge.
std::optional<double> ReadPlainDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!OnlyOf(text, ".") || std::count(text.begin(), text.end(), '.') > 1 ||
        std::none_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    double value = 0;
    const auto [stop, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = Huge;
    else if (error != std::errc() || stop != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

std::string CutUnitSpellings(std::string text, const std::array<std::string_view, 4>& spellings) {
    for (std::string_view spelling : spellings)
        if (text.find(spelling) != std::string::npos)
            text.resize(text.size() - std::min<std::size_t>(text.size(), 2));
    return text;
}

// The first decimal brings the value onto half steps: 6 to 9 keep it
// (the control then cuts toward zero), 0 to 4 drop the fraction.
std::optional<double> ReadDecimalEntry(std::string_view typed, double low, double high) {
    std::string text = CutUnitSpellings(std::string(typed), DbSpellings);
    if (text.empty() || text == "-" || text == "." || !OnlyOf(text, ".-+") ||
        std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1)
        return std::nullopt;
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
        if (dot + 1 == text.size() || !IsDigit(text[dot + 1]))
            return std::nullopt;
        if (text[dot + 1] > '5')
            text.resize(dot + 2);
        else if (text[dot + 1] < '5')
            text.resize(dot);
    }
    const std::optional<double> value = ReadPlainDecimal(text);
    if (!value)
        return std::nullopt;
    return std::clamp(*value, low, high);
}

std::optional<int> ReadTimeEntry(std::string_view typed, int lowMs, int highMs) {
    const std::string text = CutUnitSpellings(std::string(typed), MsSpellings);
    // A fraction is no whole number of milliseconds.
    if (text.empty() || !OnlyOf(text, ""))
        return std::nullopt;
    long long ms = 0;
    for (char c : text)
        ms = std::min<long long>(ms * 10 + (c - '0'), highMs + 1LL);
    return int(std::clamp<long long>(ms, lowMs, highMs));
}

std::optional<int> ReadRatioEntry(std::string_view typed) {
    const std::string text = CutUnitSpellings(std::string(typed), DbSpellings);
    if (text.empty() || text == ":" || text == "." || !OnlyOf(text, ":.") ||
        std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), ':') > 1)
        return std::nullopt;
    std::string_view value = text;
    if (text.find(':') != std::string::npos) {
        // Only "1:" and the value after it.
        if (text.size() < 2 || text[0] != '1' || text[1] != ':')
            return std::nullopt;
        value.remove_prefix(2);
    }
    if (value.empty() || value.back() == '.' || value.find(':') != std::string_view::npos)
        return std::nullopt;
    const std::optional<double> x = ReadPlainDecimal(value);
    if (!x)
        return std::nullopt;
    for (std::size_t i = 0; i < RatioTable.size(); ++i)
        if (*x <= RatioTable[i])
            return int(i);
    return int(RatioTable.size()) - 1;
}

} // namespace korvan::editors
