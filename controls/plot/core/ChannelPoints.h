#pragma once
// The data side of a channel: its point list of the chosen data style and
// the running statistics of what was added. The channel wraps every change
// with its own notification, axis tracking and logging; this part knows
// nothing of those.

#include "controls/plot/core/PointList.h"
#include "controls/plot/core/RunningValues.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TiPlotChannelPoints {
public:
    TiPlotChannelPoints();

    TiPlotDataCustomList& List() { return *FList; }
    const TiPlotDataCustomList& List() const { return *FList; }
    const TiPlotRunningValues& Running() const { return FRunning; }
    TiPlotRunningValues& Running() { return FRunning; }

    // Appends a point and counts it into the running values (null and
    // empty points too); returns its index.
    std::int32_t Add(double x, double y, bool null, bool empty);
    // Empties the list and resets the running values.
    void Clear();
    // Removes the size oldest points; the whole count clears. The running
    // values stay.
    void DeletePoints(std::int32_t size);
    // Cuts the list to count points and its capacity to count; a negative
    // count is refused with the list's error.
    void SetCount(std::int32_t count) { FList->SetCapacity(count); }

    TiPlotDataStyle DataStyle() const { return FDataStyle; }
    // A new style replaces the list: points go, stored defaults and ring
    // size stay. False when the style is already the one given.
    bool SetDataStyle(TiPlotDataStyle style);

    // Index, X and Y of the first and the last point; -1 when empty.
    std::int32_t IndexFirst() const { return FList->Count() == 0 ? -1 : 0; }
    std::int32_t IndexLast() const { return FList->Count() - 1; }
    double XFirst() const { return FList->Count() == 0 ? -1.0 : FList->GetX(0); }
    double XLast() const { return FList->Count() == 0 ? -1.0 : FList->GetX(IndexLast()); }
    double YFirst() const { return FList->Count() == 0 ? -1.0 : FList->GetY(0); }
    double YLast() const { return FList->Count() == 0 ? -1.0 : FList->GetY(IndexLast()); }

private:
    std::unique_ptr<TiPlotDataCustomList> FList;
    TiPlotDataStyle FDataStyle = ipdsStandard;
    TiPlotRunningValues FRunning;
};

// A numeric array with explicit bounds per dimension (one or two), values
// stored with the last dimension running fastest.
struct TiPlotValueArray {
    std::vector<std::int32_t> Low;
    std::vector<std::int32_t> High;
    std::vector<double> Values;

    // 0 when the bounds do not pair up.
    std::int32_t Dimensions() const { return Low.size() == High.size() ? std::int32_t(Low.size()) : 0; }
    // Element count of dimension d (0 when High < Low).
    std::int32_t Length(std::int32_t d) const;
};

using TiPlotAddPoint = std::function<void(double x, double y)>;

// Adds XData[i], YData[i] for every i of the common bounds, after checking
// both arrays are one-dimensional with the same bounds.
void AddXYArrays(const TiPlotValueArray& xData, const TiPlotValueArray& yData, const TiPlotAddPoint& add);
// Adds Data[low, j], Data[low + 1, j] for every j of the second dimension
// of a two-dimensional array whose first dimension has two elements.
void AddXYArray(const TiPlotValueArray& data, const TiPlotAddPoint& add);
