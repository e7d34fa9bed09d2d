#pragma once
// The variable-length LZW code of GIF picture data.

#include "platform/gfx/Codecs.h"

namespace korvan::gfx {

// Appends the colour indices the codes in `in` stand for to `out`, never
// more than pixelCount in all (a frame's width x height), however far one
// code reaches. False on malformed codes.
bool DecodeGifLzw(ByteView in, int minCodeSize, std::size_t pixelCount, std::vector<std::uint8_t>& out);

} // namespace korvan::gfx
