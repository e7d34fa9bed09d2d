#include "controls/gdip/GDIPColors.h"

ARGB MakeARGB(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}

ARGB MakeARGBFromColor(std::uint8_t alpha, TColor color) {
    const TColor rgb = ColorToRGB(color);
    return MakeARGB(alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

ARGB ColorToOpaqueARGB(TColor color) {
    return MakeARGBFromColor(255, color);
}

ARGB MakeOpaqueARGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return MakeARGB(255, r, g, b);
}

std::uint8_t ARGBRed(ARGB c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
std::uint8_t ARGBGreen(ARGB c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
std::uint8_t ARGBBlue(ARGB c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
