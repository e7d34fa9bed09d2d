#pragma once
// 8x8 hatch patterns: the six of the GDI brushes and the 53 hatch styles of
// the GDI+ subset. Rows top to bottom, the high bit of a row is its left pixel.

#include <cstdint>

namespace korvan::gfx {

// style 0..5: horizontal, vertical, forward diagonal, backward diagonal,
// cross, diagonal cross. x, y are device pixels (patterns align to the origin).
bool GdiHatchBit(int style, int x, int y);
// style 0..52 in GDI+ order.
bool GdipHatchBit(int style, int x, int y);

} // namespace korvan::gfx
