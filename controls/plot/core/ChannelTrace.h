#pragma once
// What a channel's trace is made of, in value units: which neighbouring
// points are joined, and how one segment is cut to the X range (always)
// and to the Y range (when the channel clips to its axes). An empty point
// is skipped (the line runs on past it); a null point breaks the line.

#include "controls/plot/core/PointList.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace korvan::plot {

// Calls join(from, to) for each pair of points joined by the trace
// between the indexes start and stop (both included); nothing when stop
// <= start.
void ForEachTraceSegment(const TiPlotDataCustomList& list, std::int32_t start, std::int32_t stop,
                         const std::function<void(std::int32_t from, std::int32_t to)>& join);

struct TiValueSegment {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool operator==(const TiValueSegment&) const = default;
};

// On the line through (x1, y1) and (x2, y2): Y at x (0 for a vertical
// line) and X at y (x1 for a vertical line).
double LineYAtX(double x1, double y1, double x2, double y2, double x);
double LineXAtY(double x1, double y1, double x2, double y2, double y);

struct TiValueRange {
    double Min = 0, Max = 0;
};

// The part of the segment to draw, its ends ordered by X: nothing when it
// lies wholly beside the X range, or, with yRange, wholly beside that.
// Ends beyond the X range move along the line to it; with yRange, ends
// beyond the Y range move along the line to it too.
std::optional<TiValueSegment> ClipTraceSegment(TiValueSegment segment, TiValueRange xRange,
                                               std::optional<TiValueRange> yRange);

} // namespace korvan::plot
