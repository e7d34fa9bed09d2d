#pragma once
// The pixels of a polyline drawn with a wide pen: round ends and round
// joins, so the stroke is every point within half the pen width of one of
// the segments. A pixel belongs to it when its sample point does: the
// pixel centre (integer coordinates name pixel centres) moved a tiny step
// right and a smaller one down. The step only decides points that lie
// exactly on the edge, which whole-pixel geometry makes common: they count
// on the left and top edges and not on the right and bottom ones, so a
// horizontal or vertical stroke is exactly the pen width thick and two
// strokes side by side share no pixel.

#include <QPoint>
#include <QRect>
#include <vector>

namespace korvan::gfx {

struct PixelSpan {
    int Y = 0;
    int X0 = 0; // first pixel
    int X1 = 0; // one past the last
};

// The stroke of pts (joined back to the first point when closed) with a pen
// width pixels wide, as spans inside box: rows top to bottom, each row's
// spans left to right, none touching another. width below 2 is taken as 2.
void WideStrokeSpans(const std::vector<QPoint>& pts, bool closed, int width, const QRect& box,
                     std::vector<PixelSpan>& out);

} // namespace korvan::gfx
