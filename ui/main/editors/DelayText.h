#pragma once
// The delay's texts in the three display units (0 ms, 1 m, 2 ft) and the
// reading of a typed delay. Pure functions, independent of the locale.

#include <optional>
#include <string>
#include <string_view>

namespace korvan::editors {

// "%4.3f ms", "%4.3f m" or "%4.3f ft" of `samples` at 96 kHz, sound at
// 343.5 m/s; any unit other than 1 and 2 is taken as ms.
std::string FormatDelayText(int samples, int unit);

// The samples a typed delay stands for, clamped to 0..max; nothing when the
// text, once the unit's spellings are cut, is empty or not a plain number
// of digits and at most one point.
std::optional<int> ReadDelayEntry(std::string_view text, int unit, int max);

} // namespace korvan::editors
