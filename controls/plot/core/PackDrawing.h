#pragma once
// Drawing helpers every plot-pack control and plot object shares: colour
// shading, text with an etched disabled look, text turned by quarter
// turns, text measurement, bevels and the two-colour gradient fill.

#include "controls/plot/core/PlotTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Types.h"

#include <string>

class TCanvas;

namespace korvan::plot {

// The pack's text flag word: bit 0 left, 1 centre, 2 right, 3 top,
// 4 vertical centre, 5 bottom, 6 word break, 7 single line, 8 expand tabs,
// 9 no clipping, 10 process "&" prefixes, 11 measure only, 12 end
// ellipsis, 13 path ellipsis, 14 word ellipsis, 15 modify string.
enum TiTextFlag : unsigned {
    itfLeft = 1,
    itfCenter = 2,
    itfRight = 4,
    itfTop = 8,
    itfVCenter = 16,
    itfBottom = 32,
    itfWordBreak = 64,
    itfSingleLine = 128,
    itfExpandTabs = 256,
    itfNoClip = 512,
    itfPrefix = 1024,
    itfCalcRect = 2048,
    itfEndEllipsis = 4096,
    itfPathEllipsis = 8192,
    itfWordEllipsis = 16384,
    itfModifyString = 32768
};
// The canvas text-drawing flags of a pack flag word (without the prefix
// bit, "&" is drawn as it stands).
unsigned PlatformTextFlags(unsigned packFlags);

// color (system colours resolved) with amount added to (lighter) or taken
// from each of red, green and blue, clamped to 0..255.
TColor ColorShade(TColor color, int amount, bool lighter);

// Draws text in rect with the canvas font and returns the text height. A
// disabled text on a background (color) that is not black is drawn etched:
// a light copy one pixel down and right, then a dark copy in place.
int DrawText3D(TCanvas& canvas, const std::string& text, TRect& rect, TColor color, bool enabled,
               unsigned flags);

// Draws text centred in rect, turned by angle; textRect receives the
// rectangle the turned text covers.
void DrawRotatedText(TCanvas& canvas, const std::string& text, const TRect& rect, TColor color, bool enabled,
                     TiAlignmentHorizontal alignment, TiRotationAngle angle, TRect& textRect);

// The widest line of text (lines end at CR LF, CR or LF); 0 when empty.
int MultiLineTextWidth(const TCanvas& canvas, const std::string& text);
// The height text needs unwrapped, and word-wrapped at width.
int GetTextHeight(TCanvas& canvas, const std::string& text);
int GetWrappedTextHeight(TCanvas& canvas, const std::string& text, int width);

void DrawFocusRectangle(TCanvas& canvas, const TRect& rect);
// Kind 0 a sunken edge, 1 a raised edge, 2 a frame in the button shadow
// colour around the rectangle filled with the current brush; others
// nothing.
void DrawBevel(TCanvas& canvas, const TRect& rect, int kind);

// A two-colour gradient over rect in one of twelve directions. The colours
// are taken as literal RGB values. The diagonal, rectangle and circle
// directions measure from the canvas origin.
void GradientFill(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                  TColor stopColor);

} // namespace korvan::plot
