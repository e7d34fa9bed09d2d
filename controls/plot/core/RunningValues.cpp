#include "controls/plot/core/RunningValues.h"

#include "controls/plot/core/PointList.h"

#include <algorithm>

namespace {

// Calls f(x, y) for every point of the list that is neither null nor empty.
template <class F> void ForEachValidPoint(const TiPlotDataCustomList& list, F f) {
    double x = 0, y = 0;
    bool empty = false, null = false;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        list.GetXYEmptyNull(i, x, y, empty, null);
        if (!empty && !null) {
            f(x, y);
        }
    }
}

double Mean(long double total, std::int32_t count) {
    return count == 0 ? 0.0 : double(total / count);
}

} // namespace

void TiPlotRunningValues::Add(double x, double y) {
    XMax = std::max(XMax, x);
    XMin = std::min(XMin, x);
    YMax = std::max(YMax, y);
    YMin = std::min(YMin, y);
    ++Count;
    XTotal += x;
    YTotal += y;
    XMean = Mean(XTotal, Count);
    YMean = Mean(YTotal, Count);
}

void TiPlotRunningValues::Recalculate(const TiPlotDataCustomList& list) {
    Reset();
    ForEachValidPoint(list, [this](double x, double y) { Add(x, y); });
}

double TiPlotRunningValues::ScanXMin(const TiPlotDataCustomList& list) {
    XMin = MinStart;
    ForEachValidPoint(list, [this](double x, double) { XMin = std::min(XMin, x); });
    return XMin;
}

double TiPlotRunningValues::ScanXMax(const TiPlotDataCustomList& list) {
    XMax = MaxStart;
    ForEachValidPoint(list, [this](double x, double) { XMax = std::max(XMax, x); });
    return XMax;
}

double TiPlotRunningValues::ScanYMin(const TiPlotDataCustomList& list) {
    YMin = MinStart;
    ForEachValidPoint(list, [this](double, double y) { YMin = std::min(YMin, y); });
    return YMin;
}

double TiPlotRunningValues::ScanYMax(const TiPlotDataCustomList& list) {
    YMax = MaxStart;
    ForEachValidPoint(list, [this](double, double y) { YMax = std::max(YMax, y); });
    return YMax;
}

double TiPlotRunningValues::ScanXMean(const TiPlotDataCustomList& list) {
    Count = 0;
    XTotal = 0.0L;
    ForEachValidPoint(list, [this](double x, double) {
        ++Count;
        XTotal += x;
    });
    XMean = Mean(XTotal, Count);
    return XMean;
}

double TiPlotRunningValues::ScanYMean(const TiPlotDataCustomList& list) {
    Count = 0;
    YTotal = 0.0L;
    ForEachValidPoint(list, [this](double, double y) {
        ++Count;
        YTotal += y;
    });
    YMean = Mean(YTotal, Count);
    return YMean;
}
