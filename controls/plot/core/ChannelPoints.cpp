#include "controls/plot/core/ChannelPoints.h"

#include "controls/plot/core/PointListStyles.h"
#include "platform/text/Exception.h"

#include <algorithm>

TiPlotChannelPoints::TiPlotChannelPoints() : FList(MakePointList(ipdsStandard)) {}

std::int32_t TiPlotChannelPoints::Add(double x, double y, bool null, bool empty) {
    const std::int32_t index = FList->Add(x, y, null, empty);
    FRunning.Add(x, y);
    return index;
}

void TiPlotChannelPoints::Clear() {
    FRunning.Reset();
    FList->Clear();
}

void TiPlotChannelPoints::DeletePoints(std::int32_t size) {
    if (size == FList->Count()) {
        Clear();
    } else {
        FList->DeletePoints(size);
    }
}

bool TiPlotChannelPoints::SetDataStyle(TiPlotDataStyle style) {
    if (style == FDataStyle) {
        return false;
    }
    FList = RestylePointList(*FList, style);
    FDataStyle = style;
    return true;
}

std::int32_t TiPlotValueArray::Length(std::int32_t d) const {
    return std::max(0, High[std::size_t(d)] - Low[std::size_t(d)] + 1);
}

namespace {

// The values must fill the bounds; a short array cannot be read.
void CheckFilled(const TiPlotValueArray& a) {
    std::size_t n = 1;
    for (std::int32_t d = 0; d < a.Dimensions(); ++d) {
        n *= std::size_t(a.Length(d));
    }
    if (a.Values.size() < n) {
        throw Exception("Array bounds do not match its values");
    }
}

} // namespace

void AddXYArrays(const TiPlotValueArray& xData, const TiPlotValueArray& yData, const TiPlotAddPoint& add) {
    if (xData.Dimensions() != 1) {
        throw Exception("X-Data array must be 1 dimensional");
    }
    if (yData.Dimensions() != 1) {
        throw Exception("Y-Data array must be 1 dimensional");
    }
    if (xData.Low[0] != yData.Low[0]) {
        throw Exception("X-Data and Y-Data low bound dimension must match");
    }
    if (xData.High[0] != yData.High[0]) {
        throw Exception("X-Data and Y-Data hogh bound dimension must match");
    }
    CheckFilled(xData);
    CheckFilled(yData);
    for (std::size_t i = 0; i < std::size_t(xData.Length(0)); ++i) {
        add(xData.Values[i], yData.Values[i]);
    }
}

void AddXYArray(const TiPlotValueArray& data, const TiPlotAddPoint& add) {
    if (data.Dimensions() != 2) {
        throw Exception("Array Must Be 2 Dimensional");
    }
    if (data.Length(0) != 2) {
        throw Exception("Array First Dimension Must Be 2 Elements");
    }
    CheckFilled(data);
    const std::size_t columns = std::size_t(data.Length(1));
    for (std::size_t j = 0; j < columns; ++j) {
        add(data.Values[j], data.Values[columns + j]);
    }
}
