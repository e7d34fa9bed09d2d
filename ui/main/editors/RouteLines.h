#pragma once
// The routes of the block diagram: one straight line per input routed
// into an output, from the input's block on the left edge of the paint box
// to the output's block on its right edge, in the input's overlay colour. The
// rows follow the blocks as the window grows taller than its design.

class TCanvas;
class LUnitControl;

namespace korvan::editors {

// The height of a line's start at input i (0..3) and of its end at output
// j (0..7), for a window `extraHeight` pixels taller than its design.
int RouteStartY(int input, int extraHeight);
int RouteEndY(int output, int extraHeight);

// Draws every route held in the model over what the canvas shows, the
// lines of input D last; `width` is the paint box's width.
void DrawMatrixRoutes(TCanvas& canvas, int width, int extraHeight, const LUnitControl& model);

} // namespace korvan::editors
