#include "controls/plot/core/ChannelTrace.h"

#include <utility>

namespace korvan::plot {

void ForEachTraceSegment(const TiPlotDataCustomList& list, std::int32_t start, std::int32_t stop,
                         const std::function<void(std::int32_t from, std::int32_t to)>& join) {
    if (stop <= start) {
        return;
    }
    std::int32_t previous = -1;
    double x = 0, y = 0;
    bool empty = false, null = false;
    for (std::int32_t i = start; i <= stop; ++i) {
        list.GetXYEmptyNull(i, x, y, empty, null);
        if (empty) {
            continue;
        }
        if (null) {
            previous = -1;
            continue;
        }
        if (previous >= 0) {
            join(previous, i);
        }
        previous = i;
    }
}

double LineYAtX(double x1, double y1, double x2, double y2, double x) {
    if (x1 == x2) {
        return 0.0;
    }
    const double slope = (y2 - y1) / (x2 - x1);
    return slope * x + (y1 - x1 * slope);
}

double LineXAtY(double x1, double y1, double x2, double y2, double y) {
    if (x1 == x2) {
        return x1;
    }
    const double slope = (y2 - y1) / (x2 - x1);
    return (y - (y1 - x1 * slope)) / slope;
}

namespace {

bool Within(double v, TiValueRange r) {
    return v >= r.Min && v <= r.Max;
}

// An end beyond the Y range moves along the line to its nearer limit.
void ClipEndInY(const TiValueSegment& line, double& x, double& y, TiValueRange range) {
    const double limit = y > range.Max ? range.Max : y < range.Min ? range.Min : y;
    if (limit != y) {
        x = LineXAtY(line.X1, line.Y1, line.X2, line.Y2, limit);
        y = limit;
    }
}

} // namespace

std::optional<TiValueSegment> ClipTraceSegment(TiValueSegment s, TiValueRange xRange,
                                               std::optional<TiValueRange> yRange) {
    if (s.X2 < s.X1) {
        std::swap(s.X1, s.X2);
        std::swap(s.Y1, s.Y2);
    }
    const bool xVisible =
        Within(s.X1, xRange) || Within(s.X2, xRange) || (s.X1 < xRange.Min && s.X2 > xRange.Max);
    if (!xVisible) {
        return std::nullopt;
    }
    if (yRange) {
        const double low = std::min(s.Y1, s.Y2), high = std::max(s.Y1, s.Y2);
        if (!Within(s.Y1, *yRange) && !Within(s.Y2, *yRange) && !(low < yRange->Min && high > yRange->Max)) {
            return std::nullopt;
        }
    }
    const TiValueSegment line = s;
    if (s.X1 < xRange.Min) {
        s.Y1 = LineYAtX(line.X1, line.Y1, line.X2, line.Y2, xRange.Min);
        s.X1 = xRange.Min;
    }
    if (s.X2 > xRange.Max) {
        s.Y2 = LineYAtX(line.X1, line.Y1, line.X2, line.Y2, xRange.Max);
        s.X2 = xRange.Max;
    }
    if (yRange) {
        ClipEndInY(line, s.X1, s.Y1, *yRange);
        ClipEndInY(line, s.X2, s.Y2, *yRange);
    }
    return s;
}

} // namespace korvan::plot
