#pragma once
// A channel's running statistics: the extremes and means of X and Y over
// the points added since the last reset, kept up point by point (sums in
// extended precision) so that appending stays constant-time. A full scan
// over the valid points of a list (neither null nor empty) happens only on
// request and replaces the values it computes.

#include <cstdint>

class TiPlotDataCustomList;

struct TiPlotRunningValues {
    static constexpr double MinStart = 1e300;
    static constexpr double MaxStart = -1e300;

    std::int32_t Count = 0;
    double XMin = MinStart;
    double XMax = MaxStart;
    long double XTotal = 0.0L;
    double YMin = MinStart;
    double YMax = MaxStart;
    long double YTotal = 0.0L;

    // The means: total / count after adds (0 without points), the stored
    // results after a mean scan. Worked out when read, so that an add does
    // no division.
    double XMean() const { return meansFollowTotals_ ? Mean(XTotal, Count) : xMean_; }
    double YMean() const { return meansFollowTotals_ ? Mean(YTotal, Count) : yMean_; }

    void Reset() { *this = TiPlotRunningValues{}; }
    // Counts one point, whatever it is (null and empty points too).
    void Add(double x, double y);
    // Reset, then every valid point of the list counted.
    void Recalculate(const TiPlotDataCustomList& list);

    // Each scans the valid points, stores its result and returns it: the
    // start value (or mean 0) when no point is valid. The mean scans reset
    // Count to the number of valid points.
    double ScanXMin(const TiPlotDataCustomList& list);
    double ScanXMax(const TiPlotDataCustomList& list);
    double ScanYMin(const TiPlotDataCustomList& list);
    double ScanYMax(const TiPlotDataCustomList& list);
    double ScanXMean(const TiPlotDataCustomList& list);
    double ScanYMean(const TiPlotDataCustomList& list);

private:
    static double Mean(long double total, std::int32_t count) {
        return count == 0 ? 0.0 : double(total / count);
    }
    // Fixes both means at their present values.
    void StoreMeans();

    bool meansFollowTotals_ = true;
    double xMean_ = 0.0;
    double yMean_ = 0.0;
};
