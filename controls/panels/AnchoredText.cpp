#include "controls/panels/AnchoredText.h"

#include <cmath>

namespace korvan::panels {

TPoint AnchoredCellOrigin(const TCanvas& canvas, int x, int y, const std::string& text, TextAnchor anchor) {
    // The offset from the cell's corner to the anchor, along the text (dx)
    // and across it downwards (dy), before turning.
    double dx = 0, dy = 0;
    if (anchor == TextAnchor::TopCenter || anchor == TextAnchor::BaselineCenter)
        dx = canvas.TextWidth(text) / 2.0;
    if (anchor == TextAnchor::Baseline || anchor == TextAnchor::BaselineCenter)
        dy = canvas.GetTextMetrics().Ascent;
    // The font turns counter-clockwise on the screen, whose y runs down.
    const double a = canvas.Font().Orientation() / 10.0 * M_PI / 180.0;
    const double sx = dx * std::cos(a) + dy * std::sin(a);
    const double sy = -dx * std::sin(a) + dy * std::cos(a);
    return Point(x - int(std::lround(sx)), y - int(std::lround(sy)));
}

void TextOutAnchored(TCanvas& canvas, int x, int y, const std::string& text, TextAnchor anchor) {
    const TPoint origin = AnchoredCellOrigin(canvas, x, y, text, anchor);
    canvas.TextOut(origin.X, origin.Y, text);
}

} // namespace korvan::panels
