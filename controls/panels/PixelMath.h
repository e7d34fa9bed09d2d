#pragma once
// Pixel sums over values a stored form may set to anything (widths,
// margins, depths of ±2^31): worked out wide and held inside int, so that
// a hostile value gives a huge or empty rectangle, never an int overflow.

#include "platform/gfx/Types.h"

#include <cstdint>

namespace korvan::panels {

int SaturatedInt(std::int64_t value);
// Rounded to the nearest; not a number gives 0.
int SaturatedInt(double value);

// Layout and drawing work inside this range: far past any screen, and
// small enough that a few offsets of the same size added to a coordinate
// stay inside int.
constexpr int kPixelLimit = 1 << 28;
int WithinPixelRange(int value);
TRect WithinPixelRange(TRect rect);

// `rect` less `dx` on the left and right and `dy` on top and bottom.
TRect Deflated(TRect rect, int dx, int dy);

} // namespace korvan::panels
