#pragma once
// A bitmap as the form stream keeps it: a 32-bit little-endian length, then
// the bitmap's file bytes (none for an empty bitmap).

#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <vector>

namespace korvan::panels {

// Replaces `bitmap` with the stored one; EReadError when the bytes are not
// such data.
void ReadBitmapData(const std::vector<std::uint8_t>& bytes, TBitmap& bitmap);
std::vector<std::uint8_t> BitmapData(const TBitmap& bitmap);

} // namespace korvan::panels
