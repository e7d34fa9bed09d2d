#pragma once
// The reading of a typed mix gain: the up-down position it stands for,
// -280 (-60 dB) to 0 (0 dB), one step 0.1 dB down to -20 dB and 0.5 dB
// below. A pure function, independent of the locale.

#include <optional>
#include <string_view>

namespace korvan::editors {

// The position of a typed gain in dB, with or without the unit ("dB",
// "DB", "db", "Db"). At most one decimal is kept; below -20 dB the value
// moves toward 0 dB onto the half-dB grid; it is clamped to -60..0 dB.
// Nothing when the text is empty, "-", ".", holds a character other than
// digits, point and signs, two points or two minus signs, nothing after
// its point, or is no number (a misplaced sign).
std::optional<int> ReadMixGainEntry(std::string_view text);

} // namespace korvan::editors
