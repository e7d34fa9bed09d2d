#pragma once
// Colour helpers shared by every GDI+ painter of the pack: framework colour
// values and opacity bytes to 32-bit ARGB, and back to channels.

#include "platform/gfx/Color.h"

#include <cstdint>

using ARGB = std::uint32_t;

ARGB MakeARGB(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b);
// System colours are looked up at every call, so painters follow the
// current desktop colours. clNone is not special here: callers test it.
ARGB MakeARGBFromColor(std::uint8_t alpha, TColor color);
ARGB ColorToOpaqueARGB(TColor color);
ARGB MakeOpaqueARGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
std::uint8_t ARGBRed(ARGB c);
std::uint8_t ARGBGreen(ARGB c);
std::uint8_t ARGBBlue(ARGB c);
