#pragma once
// What the component base draws of its own: the border of a pack control
// and the text of a paint that failed.

#include "controls/plot/core/PlotTypes.h"
#include "platform/gfx/Canvas.h"

#include <string>

namespace korvan::plot {

// ibsRaised: a raised edge around `rect`; ibsLowered: a sunken one;
// ibsNone: nothing.
void DrawComponentBorder(TCanvas& canvas, const TRect& rect, TiBevelStyle style);

// The error picture of a paint that raised: `rect` black, the message in
// white, word-wrapped from the top-left corner, "&" shown as it is.
void DrawPaintError(TCanvas& canvas, const TRect& rect, const std::string& message);

} // namespace korvan::plot
