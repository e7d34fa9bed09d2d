#include "ui/main/editors/MixGainEntry.h"

#include <algorithm>
#include <array>
#include <string>

namespace korvan::editors {

namespace {

constexpr std::array<std::string_view, 4> DbSuffixes = {"dB", "DB", "db", "Db"};
// Tenths of a dB: the ends of the range and where the half-dB steps begin.
constexpr int Floor = -600;
constexpr int FineFloor = -200;
// Integer parts beyond this are clamped anyway; it keeps the sum in range.
constexpr int IntegerCap = 100000;

// Each spelling found anywhere in the text cuts the text's last two
// characters, whatever they are.
std::string WithoutUnit(std::string_view text) {
    std::string s(text);
    for (std::string_view suffix : DbSuffixes)
        if (s.find(suffix) != std::string::npos)
            s.resize(s.size() - suffix.size());
    return s;
}

bool PassesScan(const std::string& s) {
    int points = 0, minuses = 0;
    for (char c : s) {
        if (c == '.')
            ++points;
        else if (c == '-')
            ++minuses;
        else if (c != '+' && (c < '0' || c > '9'))
            return false;
    }
    return points <= 1 && minuses <= 1;
}

// A signed decimal with at most one digit after its point, in tenths; the
// integer part saturates. Nothing for a sign that is not the first
// character, a second sign, or no digit at all.
std::optional<int> ReadTenths(const std::string& s) {
    std::size_t at = 0;
    bool negative = false;
    if (at < s.size() && (s[at] == '+' || s[at] == '-'))
        negative = s[at++] == '-';
    int whole = 0;
    int digits = 0;
    for (; at < s.size() && s[at] >= '0' && s[at] <= '9'; ++at, ++digits)
        whole = std::min(whole * 10 + (s[at] - '0'), IntegerCap);
    int tenth = 0;
    if (at < s.size() && s[at] == '.') {
        ++at;
        if (at < s.size() && s[at] >= '0' && s[at] <= '9') {
            tenth = s[at++] - '0';
            ++digits;
        }
    }
    if (at != s.size() || digits == 0)
        return std::nullopt;
    const int tenths = whole * 10 + tenth;
    return negative ? -tenths : tenths;
}

} // namespace

std::optional<int> ReadMixGainEntry(std::string_view text) {
    std::string s = WithoutUnit(text);
    if (s.empty() || s == "-" || s == "." || !PassesScan(s))
        return std::nullopt;
    const std::size_t point = s.find('.');
    if (point != std::string::npos) {
        if (point + 1 >= s.size())
            return std::nullopt;
        s.resize(point + 2);
    }
    std::optional<int> read = ReadTenths(s);
    if (!read)
        return std::nullopt;
    int tenths = *read;
    if (point != std::string::npos && tenths < FineFloor) {
        // Toward 0 dB onto the half-dB grid: .6 to .9 become .5, .1 to .4 go.
        const int digit = -tenths % 10;
        if (digit >= 6)
            tenths += digit - 5;
        else if (digit != 5)
            tenths += digit;
    }
    tenths = std::clamp(tenths, Floor, 0);
    if (tenths < FineFloor)
        tenths = (tenths - FineFloor) / 5 + FineFloor;
    return tenths;
}

} // namespace korvan::editors
