#pragma once
// Double to integer conversions on the way to pixels. Values can be huge or
// not numbers at all (a span of 1e-300, a point at 1e300), so every
// conversion saturates instead of overflowing: NaN gives 0, values beyond
// the range give its nearest end.

#include "platform/text/Rounding.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace korvan::plot {

// value held to what a 64-bit integer holds; NaN gives 0.
inline double Within64Bits(double value) {
    constexpr double limit = 9.2e18;
    if (std::isnan(value))
        return 0;
    return value >= limit ? limit : value <= -limit ? -limit : value;
}

// Round (halves to even) held to the 64-bit range.
inline std::int64_t SaturatedRound64(double value) {
    return Round(Within64Bits(value));
}

// Trunc held to the 64-bit range.
inline std::int64_t SaturatedTrunc64(double value) {
    return std::int64_t(Within64Bits(value));
}

inline int ClampToInt(std::int64_t value) {
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(value);
}

// Round (halves to even) held to the int range.
inline int SaturatedRound(double value) {
    return ClampToInt(SaturatedRound64(value));
}

} // namespace korvan::plot
