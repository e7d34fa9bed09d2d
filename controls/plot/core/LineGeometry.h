#pragma once
// Points and lines of plots: the exchange of X and Y for plots that show
// their X axis vertically, and straight lines through integer points for
// hit tests of annotations.

#include "platform/gfx/Types.h"

#include <algorithm>
#include <utility>

namespace korvan::plot {

struct TDoublePoint {
    double X = 0;
    double Y = 0;
};
inline TDoublePoint DoublePoint(double x, double y) {
    return {x, y};
}

// (x, y), or (y, x) when reversed (the X axis runs vertically).
inline TPoint GetXYPoint(bool reversed, int x, int y) {
    return reversed ? TPoint{y, x} : TPoint{x, y};
}
// The rectangle spanned by two corners given in any order.
inline TRect OrderedRect(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}
// OrderedRect of the two corners, each exchanged when reversed.
inline TRect GetXYRect(bool reversed, int x1, int y1, int x2, int y2) {
    const TPoint a = GetXYPoint(reversed, x1, y1), b = GetXYPoint(reversed, x2, y2);
    return OrderedRect(a.X, a.Y, b.X, b.Y);
}
inline void SwapIntegers(int& a, int& b) {
    std::swap(a, b);
}

// Slope and intercept of the line through p1 and p2; a vertical line has
// the slope 1e30.
void LineCoefficients(TPoint p1, TPoint p2, double& slope, double& intercept);

// Whether the segments a1-a2 and b1-b2 cross: their lines meet at a point
// (rounded to whole pixels, halves to even) inside both segments' X and Y
// ranges. Lines of equal slope never cross.
bool SegmentsIntersect(TPoint a1, TPoint a2, TPoint b1, TPoint b2);

// Whether the segment p1-p2 meets an edge of rect or has an end inside it
// (borders included).
bool LineIntersectsRect(TPoint p1, TPoint p2, const TRect& rect);

} // namespace korvan::plot
