#pragma once
// Pixel positions of the curve displays are transform values truncated
// toward zero. Response values can be huge or not numbers at all (a notch
// on a grid point, a corner at half the sample rate), so every conversion
// saturates instead of overflowing.

#include <cmath>

namespace korvan::curves {

// Far outside any page, yet small enough that the offsets the displays add
// (captions, markers, point squares) stay exact int arithmetic.
inline constexpr int PixelLimit = 1 << 24;

// trunc(v) held to -PixelLimit..PixelLimit; NaN maps to -PixelLimit, a
// position off every page.
inline int TruncPixel(double v) {
    if (std::isnan(v) || v <= -PixelLimit) {
        return -PixelLimit;
    }
    if (v >= PixelLimit) {
        return PixelLimit;
    }
    return static_cast<int>(v);
}

} // namespace korvan::curves
