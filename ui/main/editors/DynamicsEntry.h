#pragma once
// Typed values of the dynamics pages read into control positions:
// thresholds and knees in dB, times in ms, the compressor's ratio. Pure
// functions over the typed text; a text that is no such value gives
// nothing, so that the caller can put the previous value back.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvan::editors {

inline constexpr std::array<std::string_view, 4> DbSpellings = {"dB", "DB", "db", "Db"};
inline constexpr std::array<std::string_view, 4> MsSpellings = {"ms", "Ms", "mS", "MS"};

// Every spelling found anywhere in the text cuts the text's last two
// characters: "12dB" is 12, "12 dB" keeps its blank and "dB12" reads "dB".
std::string CutUnitSpellings(std::string text, const std::array<std::string_view, 4>& spellings);

// A threshold or knee in dB: one decimal kept when it is 6 or more, the
// whole number when it is below 5, the text as typed at 5; then held
// within low..high. Signs and a point are allowed, digits otherwise.
std::optional<double> ReadDecimalEntry(std::string_view typed, double low, double high);

// A whole number of milliseconds held within lowMs..highMs.
std::optional<int> ReadTimeEntry(std::string_view typed, int lowMs, int highMs);

// The ratio step 0..15 of a typed ratio ("4", "1:2.2", "1:4dB"): the first
// step not below the value, 15 ("Limit") above the last one.
std::optional<int> ReadRatioEntry(std::string_view typed);

} // namespace korvan::editors
