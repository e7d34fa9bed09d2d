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

} // namespace

void TiPlotRunningValues::Add(double x, double y) {
    XMax = std::max(XMax, x);
    XMin = std::min(XMin, x);
    YMax = std::max(YMax, y);
    YMin = std::min(YMin, y);
    ++Count;
    XTotal += x;
    YTotal += y;
    meansFollowTotals_ = true;
}

void TiPlotRunningValues::StoreMeans() {
    xMean_ = XMean();
    yMean_ = YMean();
    meansFollowTotals_ = false;
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
    StoreMeans();
    Count = 0;
    XTotal = 0.0L;
    ForEachValidPoint(list, [this](double x, double) {
        ++Count;
        XTotal += x;
    });
    xMean_ = Mean(XTotal, Count);
    return xMean_;
}

double TiPlotRunningValues::ScanYMean(const TiPlotDataCustomList& list) {
    StoreMeans();
    Count = 0;
    YTotal = 0.0L;
    ForEachValidPoint(list, [this](double, double y) {
        ++Count;
        YTotal += y;
    });
    yMean_ = Mean(YTotal, Count);
    return yMean_;
}
