#include "ui/main/editors/DelayText.h"

#include "device/protocol/ValueScales.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// Rounded at the third decimal with halves up, as the decimal value reads:
// 96 samples are 0.3435 m, shown as 0.344 m.
std::string FormatDelayText(int samples, int unit) {
    long double value = static_cast<long double>(samples) * MsPerSample;
    const char* name = "ms";
    if (unit == 1) {
        value = samples * SpeedOfSound * MsPerSample * 0.001L;
        name = "m";
    } else if (unit == 2) {
        value = samples * SpeedOfSound * MsPerSample * FeetPerMetre * 0.001L;
        name = "ft";
    }
    const long double thousandths = std::floor(value * 1000.0L + 0.5L + 1.0e-9L);
    char text[64];
    std::snprintf(text, sizeof text, "%4.3Lf %s", thousandths / 1000.0L, name);
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
