#pragma once
// Drawing helpers shared by the track bar's painters: banded gradients,
// colour mixing, text measuring, the two-tone groove frame and the dotted
// focus frame.

#include "controls/gdip/GDIPicture.h"
#include "controls/gdip/TrackBarTypes.h"
#include "platform/gfx/Canvas.h"

#include <string>

namespace korvan::gdip {

// Fills `r` with `steps` solid bands from `from` to `to` (0 counts as 1);
// horizontal: the colour changes left to right.
void FillStepGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect r, int steps);
// The InOut kinds split `r` in two halves overlapping by a pixel, `from`
// at both outer edges.
void FillDirectedGradient(TCanvas& canvas, TColor from, TColor to, TGradientDirection direction,
                          const TRect& r, int steps);
// The size of `text` in `font`; the canvas keeps its own font.
TSize MeasureText(TCanvas& canvas, const TFont& font, const std::string& text);
// The size of `text` in `font`, measured without a canvas of the caller's.
TSize TextSize(const TFont& font, const std::string& text);
// `percentA` percent of `a` and the rest of `b`, per channel.
TColor MixColors(TColor a, TColor b, int percentA);
// A groove frame: light left and top edges with an inner right and bottom
// line, dark outer right and bottom edges with an inner left and top line
// (lightFirst false swaps the two colours).
void DrawTwoToneFrame(TCanvas& canvas, const TRect& r, bool lightFirst, TColor dark, TColor light);
// The four edges of `r`, every other pixel.
void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color);

// A picture at (x, y) in its own size (BMP files colour-keyed); nothing
// for an empty one. Measures the picture when it has not been yet.
void DrawPictureAt(TCanvas& canvas, TGDIPPicture& picture, int x, int y);
// A picture stretched over `r`.
void DrawPictureStretched(TCanvas& canvas, TGDIPPicture& picture, const TRect& r);

} // namespace korvan::gdip
