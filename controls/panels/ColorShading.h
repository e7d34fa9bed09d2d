#pragma once
// Colour arithmetic of the panel and button pack on a 0..240 hue, saturation
// and lightness scale, the desktop colour scheme and the colours derived from
// it, and the pack's process-wide display values.

#include "platform/gfx/Color.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

enum TRzGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
enum TRzHotTrackColorType { htctComplement, htctActual };

// Set once when the pack is first initialised (InitPanelPack).
extern bool FullColorDisplay;
extern int XpColorScheme;
void InitPanelPack();

void ColorToHsl(TColor color, std::uint8_t& h, std::uint8_t& s, std::uint8_t& l);
std::uint8_t HueOfColor(TColor color);
TColor ColorFromHsl(std::uint8_t h, std::uint8_t s, std::uint8_t l);
TColor DarkerColor(TColor color, std::uint8_t amount);
TColor LighterColor(TColor color, std::uint8_t amount);
TColor AdjustedColor(TColor color, int adjustment);
TColor BlendColors(TColor color1, TColor color2, int weight);
bool ColorsAreClose(TColor color1, TColor color2);
TColor ComplementColor(TColor color, std::uint8_t lightness);

// The desktop colour-scheme name: 0 normal, 1 "HOMESTEAD", 2 "METALLIC".
int ReadXpColorScheme();
bool ScreenHasFullColor();
// Visual-style services are not available here: themed colours are the
// button face and no visual style is ever active.
TColor ThemedColor(int kind);
bool VisualStylesActive();

void GradientColorsForStyle(TRzGradientColorStyle style, TColor& start, TColor& stop);
TColor FrameColorForStyle(TRzGradientColorStyle style);
void BannerColorsForStyle(TRzGradientColorStyle style, TColor& start, TColor& stop, TColor& frame);

namespace korvan::panels {

// Where the colour-scheme name comes from (the settings store in the
// program; tests put their own). No source, or no value, reads as normal.
using SchemeNameSource = std::function<std::optional<std::string>()>;
void SetColorSchemeNameSource(SchemeNameSource source);

} // namespace korvan::panels
