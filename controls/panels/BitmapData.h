#pragma once
// A bitmap as the form stream keeps it: a 32-bit little-endian length, then
// the bitmap's file bytes (none for an empty bitmap). Reading checks the
// length against the data.

#include "platform/forms/Persistent.h"
#include "platform/gfx/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvan::panels {

// Replaces `bitmap` with the stored one; EReadError when the bytes are not
// such data.
void ReadBitmapData(const std::vector<std::uint8_t>& bytes, TBitmap& bitmap);
std::vector<std::uint8_t> BitmapData(const TBitmap& bitmap);
// Streams `bitmap` with its owner as the defined property `property`
// ("Bitmap.Data"), stored while it is not empty.
void DefineBitmapData(TFiler& filer, const std::string& property, TBitmap& bitmap);

} // namespace korvan::panels
