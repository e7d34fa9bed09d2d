#pragma once
// The framework's rounding: Round takes halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2); Trunc cuts toward zero.

#include <cmath>
#include <cstdint>

inline std::int64_t Round(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return std::int64_t(floor) + 1;
    if (diff < 0.5)
        return std::int64_t(floor);
    const std::int64_t f = std::int64_t(floor);
    return (f % 2 == 0) ? f : f + 1;
}

inline std::int64_t Trunc(double value) {
    return std::int64_t(value);
}

inline double Frac(double value) {
    return value - std::trunc(value);
}
