#include "controls/plot/core/LineGeometry.h"

#include "platform/text/Rounding.h"

#include <algorithm>

namespace korvan::plot {

namespace {

bool Between(double v, int a, int b) {
    return v >= std::min(a, b) && v <= std::max(a, b);
}

bool InsideWithBorders(TPoint p, const TRect& r) {
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

} // namespace

void LineCoefficients(TPoint p1, TPoint p2, double& slope, double& intercept) {
    slope = p1.X == p2.X ? 1e30 : double(p2.Y - p1.Y) / double(p2.X - p1.X);
    intercept = p1.Y - p1.X * slope;
}

bool SegmentsIntersect(TPoint a1, TPoint a2, TPoint b1, TPoint b2) {
    double ma = 0, ba = 0, mb = 0, bb = 0;
    LineCoefficients(a1, a2, ma, ba);
    LineCoefficients(b1, b2, mb, bb);
    if (ma == mb)
        return false;
    // The crossing point, taken from the vertical line where there is one
    // (its slope stands in for infinity), rounded to whole pixels. Both of
    // its coordinates must lie within both segments: a line that passes an
    // edge's X far above or below it does not meet the edge.
    const bool aVertical = a1.X == a2.X, bVertical = b1.X == b2.X;
    const double x = aVertical ? a1.X : bVertical ? b1.X : double(Round((bb - ba) / (ma - mb)));
    const double y = double(aVertical ? Round(mb * x + bb) : Round(ma * x + ba));
    return Between(x, a1.X, a2.X) && Between(x, b1.X, b2.X) && Between(y, a1.Y, a2.Y) &&
           Between(y, b1.Y, b2.Y);
}

bool LineIntersectsRect(TPoint p1, TPoint p2, const TRect& rect) {
    const TPoint topLeft{rect.Left, rect.Top}, topRight{rect.Right, rect.Top};
    const TPoint bottomLeft{rect.Left, rect.Bottom}, bottomRight{rect.Right, rect.Bottom};
    return SegmentsIntersect(p1, p2, topLeft, bottomLeft) || SegmentsIntersect(p1, p2, topLeft, topRight) ||
           SegmentsIntersect(p1, p2, topRight, bottomRight) ||
           SegmentsIntersect(p1, p2, bottomRight, bottomLeft) || InsideWithBorders(p1, rect) ||
           InsideWithBorders(p2, rect);
}

} // namespace korvan::plot
