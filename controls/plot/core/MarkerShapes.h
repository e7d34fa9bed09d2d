#pragma once
// The figures of a channel's point markers, drawn around a pixel point
// with the canvas's current pen and brush: r is the marker's half-size.

#include "controls/plot/core/PlotTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Types.h"

class TCanvas;

namespace korvan::plot {

// The character style draws character (nothing for 0) in the canvas font,
// centred on point, over a clear brush with background behind it.
void DrawMarkerShape(TCanvas& canvas, TiPlotMarkerStyle style, int r, TPoint point, char16_t character,
                     TColor background);

} // namespace korvan::plot
