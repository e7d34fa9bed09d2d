#pragma once
// The point list that keeps everything per point: X, Y, the null and empty
// flags, the high-low-open-close values and every trace, marker and bar
// attribute (144 bytes a point), so single points can be styled on their
// own. A new point copies the list's stored defaults as they are then,
// except the marker character.

#include "controls/plot/core/PointList.h"

struct TiPlotDataFull {
    double X;
    double Y;
    bool Null;
    bool Empty;
    double High;
    double Low;
    double Open;
    double Close;
    TiPlotPointAttributes Attributes;
};

class TiPlotDataFullList : public TiPlotDataRecordList<TiPlotDataFull> {
public:
    double GetX(std::int32_t index) const override { return At(index).X; }
    double GetY(std::int32_t index) const override { return At(index).Y; }
    bool GetEmpty(std::int32_t index) const override { return At(index).Empty; }
    bool GetNull(std::int32_t index) const override { return At(index).Null; }
    double GetHigh(std::int32_t index) const override { return At(index).High; }
    double GetLow(std::int32_t index) const override { return At(index).Low; }
    double GetOpen(std::int32_t index) const override { return At(index).Open; }
    double GetClose(std::int32_t index) const override { return At(index).Close; }
    void SetX(std::int32_t index, double value) override { At(index).X = value; }
    void SetY(std::int32_t index, double value) override { At(index).Y = value; }
    void SetEmpty(std::int32_t index, bool value) override { At(index).Empty = value; }
    void SetNull(std::int32_t index, bool value) override { At(index).Null = value; }
    void SetHigh(std::int32_t index, double value) override { At(index).High = value; }
    void SetLow(std::int32_t index, double value) override { At(index).Low = value; }
    void SetOpen(std::int32_t index, double value) override { At(index).Open = value; }
    void SetClose(std::int32_t index, double value) override { At(index).Close = value; }
    void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const override;
    TiPlotPointAttributes GetPointAttributes(std::int32_t index) const override {
        return At(index).Attributes;
    }
    void SetPointAttributes(std::int32_t index, const TiPlotPointAttributes& value) override {
        At(index).Attributes = value;
    }
    std::int32_t Add(double x, double y, bool null, bool empty) override;
    void DeletePoints(std::int32_t size) override;
};
