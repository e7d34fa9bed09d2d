#include "ui/main/editors/DelayText.h"

#include "device/protocol/ValueScales.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <initializer_list>

namespace korvan::editors {

namespace {

constexpr long double SpeedOfSound = 343.5L;
constexpr long double FeetPerMetre = 3.2808L;
constexpr long double MsPerSample = 1.0L / 96.0L;

// Every spelling found anywhere in the text cuts the text's last
// characters, as many as the spelling is long.
std::string CutUnit(std::string text, int unit) {
    const std::initializer_list<const char*> ms = {"ms", "Ms", "mS", "MS"};
    const std::initializer_list<const char*> m = {"m", "M"};
    const std::initializer_list<const char*> ft = {"ft", "Ft", "fT", "FT"};
    const auto& spellings = unit == 1 ? m : unit == 2 ? ft : ms;
    for (const char* spelling : spellings) {
        const std::string_view s(spelling);
        if (text.find(s) != std::string::npos)
            text.resize(text.size() - std::min(text.size(), s.size()));
    }
    return text;
}

} // namespace

std::string FormatDelayText(int samples, int unit) {
    const long double ms = static_cast<long double>(samples) * MsPerSample;
    char text[64];
    if (unit == 1)
        std::snprintf(text, sizeof text, "%4.3Lf m", samples * SpeedOfSound * MsPerSample * 0.001L);
    else if (unit == 2)
        std::snprintf(text, sizeof text, "%4.3Lf ft",
                      samples * SpeedOfSound * MsPerSample * FeetPerMetre * 0.001L);
    else
        std::snprintf(text, sizeof text, "%4.3Lf ms", ms);
    return text;
}

std::optional<int> ReadDelayEntry(std::string_view typed, int unit, int max) {
    const std::string text = CutUnit(std::string(typed), unit);
    if (text.empty() || !IsNumericText(text))
        return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    if (value > 1.0e6)
        return max; // beyond every unit's range; keeps the conversion within int
    return std::clamp(DelayToSamples(value, unit), 0, max);
}

} // namespace korvan::editors
