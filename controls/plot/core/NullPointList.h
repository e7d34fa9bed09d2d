#pragma once
// The default point list: X and Y in double precision and one 16-bit word
// for the null and empty flags and the point's marker visibility and shape.
// A null point breaks the trace; an empty point is skipped, the trace
// running on from the point before it to the point after it.

#include "controls/plot/core/PointList.h"

struct TiPlotDataNull {
    double X;
    double Y;
    // Bit 0 null, bit 1 empty, bit 2 marker visible, bits 3-6 marker style.
    std::uint16_t Extra;
};

class TiPlotDataNullList : public TiPlotDataRecordList<TiPlotDataNull> {
public:
    double GetX(std::int32_t index) const override { return At(index).X; }
    double GetY(std::int32_t index) const override { return At(index).Y; }
    bool GetEmpty(std::int32_t index) const override;
    bool GetNull(std::int32_t index) const override;
    void SetX(std::int32_t index, double value) override { At(index).X = value; }
    void SetY(std::int32_t index, double value) override { At(index).Y = value; }
    void SetEmpty(std::int32_t index, bool value) override;
    void SetNull(std::int32_t index, bool value) override;
    void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const override;
    TiPlotPointAttributes GetPointAttributes(std::int32_t index) const override;
    void SetPointAttributes(std::int32_t index, const TiPlotPointAttributes& value) override;
    std::int32_t Add(double x, double y, bool null, bool empty) override;
};
