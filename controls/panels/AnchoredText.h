#pragma once
// Text output at a reference point, with the reference taken at the top
// left, the top centre, the baseline start or the baseline centre of the
// text, also for a font turned by its orientation (the text and its
// reference turn together).

#include "platform/gfx/Canvas.h"

#include <string>

namespace korvan::panels {

enum class TextAnchor { TopLeft, TopCenter, Baseline, BaselineCenter };

// The top-left corner of the text cell whose `anchor` point lies at (x, y),
// for the canvas's current font.
TPoint AnchoredCellOrigin(const TCanvas& canvas, int x, int y, const std::string& text, TextAnchor anchor);
void TextOutAnchored(TCanvas& canvas, int x, int y, const std::string& text, TextAnchor anchor);

} // namespace korvan::panels
