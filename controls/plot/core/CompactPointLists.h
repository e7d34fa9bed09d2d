#pragma once
// The two memory-saving point lists. The compact list keeps X and Y in
// single precision (8 bytes a point) and no flags: it never reports a null
// or an empty point. The compact-interval list, for evenly sampled data,
// keeps only Y (4 bytes a point) and works out X from the first point's X
// and the step learnt from the first two points.

#include "controls/plot/core/PointList.h"

struct TiPlotDataSingle {
    float X;
    float Y;
};

struct TiPlotDataCompactInterval {
    float Y;
};

class TiPlotDataCompactList : public TiPlotDataRecordList<TiPlotDataSingle> {
public:
    double GetX(std::int32_t index) const override { return At(index).X; }
    double GetY(std::int32_t index) const override { return At(index).Y; }
    void SetX(std::int32_t index, double value) override { At(index).X = float(value); }
    void SetY(std::int32_t index, double value) override { At(index).Y = float(value); }
    void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const override;
    std::int32_t Add(double x, double y, bool null, bool empty) override;
};

class TiPlotDataCompactIntervalList : public TiPlotDataRecordList<TiPlotDataCompactInterval> {
public:
    static constexpr double UnknownInterval = -1.0;

    // On the line of the points for any index, in the list or not.
    double GetX(std::int32_t index) const override { return index * FInterval + FFirstX; }
    double GetY(std::int32_t index) const override { return At(index).Y; }
    // Only the first point's X can be set; it moves every point's X.
    void SetX(std::int32_t index, double value) override;
    void SetY(std::int32_t index, double value) override { At(index).Y = float(value); }
    void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const override;
    std::int32_t Add(double x, double y, bool null, bool empty) override;
    void Clear() override;
    // Also accepts the whole count, which empties the list.
    void DeletePoints(std::int32_t size) override;

    double Interval() const { return FInterval; }
    double FirstX() const { return FFirstX; }

private:
    double FInterval = UnknownInterval;
    double FFirstX = 0.0;
};
