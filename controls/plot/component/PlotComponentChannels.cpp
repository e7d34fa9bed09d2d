// What the plot gives its channels (the channel host), what it asks of
// them for its axes' fits, and the data operations that span channels:
// a row of values for every channel and the copy of points between two.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "platform/gfx/Bitmap.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

#include <cmath>
#include <limits>

namespace kind = korvan::plot::kind;

namespace {

// A percentage of the span from `from` to `to`, saturated to pixels.
int PercentAlong(double percent, int from, int to) {
    const double v = std::round(from + (to - from) * percent / 100.0);
    if (!(v == v))
        return 0;
    if (v >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(v);
}

// Values in these bands of a data row stand for a null and an empty point.
bool IsNullMark(double value) {
    return value > 1e-301 && value < 1e-300;
}
bool IsEmptyMark(double value) {
    return value > 1e-302 && value < 1e-301;
}

void AddMarkedValue(TiPlotChannelCustom& channel, double x, double value) {
    auto* strip = dynamic_cast<TiPlotChannel*>(&channel);
    auto* xy = dynamic_cast<TiXYPlotChannel*>(&channel);
    if (IsNullMark(value)) {
        if (strip)
            strip->AddXNull(x);
        else if (xy)
            xy->AddNull();
    } else if (IsEmptyMark(value)) {
        if (strip)
            strip->AddXEmpty(x);
        else if (xy)
            xy->AddEmpty();
    } else {
        channel.AddXY(x, value);
    }
}

} // namespace

// ------------------------------------------------------------ channel host

bool TiPlotComponent::GetSelectActive() {
    const TiPlotToolBar* toolBar = korvan::plot::ToolBarOf(this, 0);
    return toolBar && toolBar->SelectActive();
}

void TiPlotComponent::SetSelectActive(bool value) {
    TiPlotToolBar* toolBar = korvan::plot::ToolBarOf(this, 0);
    if (toolBar && toolBar->SelectActive() != value)
        toolBar->DoButtonClickSelect();
}

bool TiPlotComponent::DataViewPercentToPixelsX(double percent, int& pixels) {
    if (DataViewCount() == 0)
        return false;
    pixels = PercentAlong(percent, dataViewRect_.Left, dataViewRect_.Right);
    return true;
}

bool TiPlotComponent::DataViewPercentToPixelsY(double percent, int& pixels) {
    if (DataViewCount() == 0)
        return false;
    pixels = PercentAlong(percent, dataViewRect_.Bottom, dataViewRect_.Top);
    return true;
}

bool TiPlotComponent::DataViewDrawRect(TRect& rect) {
    if (DataViewCount() == 0)
        return false;
    rect = dataViewRect_;
    return true;
}

TiPlotChannelCustom* TiPlotComponent::OverlayChannel(int index) const {
    return static_cast<TiPlotChannelCustom*>(channels_->Items(index));
}

TiPlotChannelCustom* TiPlotComponent::OverlayChannelByName(std::string_view name) const {
    return static_cast<TiPlotChannelCustom*>(channels_->GetObjectByName(name));
}

TSize TiPlotComponent::HintTextExtent(const std::string& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(*HintsFont());
    return scratch.Canvas().TextExtent(text);
}

// ------------------------------------------------------------- axis fits

std::vector<std::pair<double, double>> TiPlotComponent::AxisChannelRanges(TiPlotAxis* axis, bool fast) {
    std::vector<std::pair<double, double>> ranges;
    if (!axis || !channels_)
        return ranges;
    const bool horizontal = dynamic_cast<TiPlotXAxis*>(axis) != nullptr;
    for (int i = 0; i < channels_->Count(); ++i) {
        TiPlotChannelCustom& channel = *channels_->Items(i);
        const std::string& axisName = horizontal ? channel.XAxisName() : channel.YAxisName();
        if (!SameText(axisName, axis->Name()))
            continue;
        if (horizontal)
            ranges.emplace_back(fast ? channel.RunningXMin() : channel.GetFitXMin(),
                                fast ? channel.RunningXMax() : channel.GetFitXMax());
        else
            ranges.emplace_back(fast ? channel.RunningYMin() : channel.GetFitYMin(),
                                fast ? channel.RunningYMax() : channel.GetFitYMax());
    }
    return ranges;
}

// ------------------------------------------------------ data across channels

void TiPlotComponent::AddDataArray(double xValue, const TiPlotValueArray& data) {
    const int dimensions = data.Dimensions();
    if (dimensions != 1 && dimensions != 2)
        throw Exception("Data Array must be 1 or 2 Dimensions");
    std::size_t elements = 1;
    for (int d = 0; d < dimensions; ++d)
        elements *= std::size_t(data.Length(d));
    if (data.Values.size() != elements)
        throw Exception("Array bounds do not match its values");
    if (dimensions == 1) {
        for (std::size_t k = 0; k < elements; ++k)
            AddMarkedValue(*channels_->Items(int(k)), xValue, data.Values[k]);
        LogRowsAdded(1);
        return;
    }
    // Each first index is a channel's own index; its row continues from
    // the channel's last X.
    const std::size_t rows = std::size_t(data.Length(1));
    for (std::size_t row = 0; row < rows; ++row)
        for (int c = 0; c < data.Length(0); ++c) {
            TiPlotChannelCustom& channel = *channels_->Items(data.Low[0] + c);
            const std::int32_t count = channel.Count();
            const double x = count == 0 ? 0.0 : channel.GetPointX(count - 1) + xValue;
            channel.AddXY(x, data.Values[std::size_t(c) * rows + row]);
        }
    LogRowsAdded(int(rows));
}

void TiPlotComponent::TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex,
                                          int stopIndex) {
    TiPlotChannelCustom& source = *channels_->Items(sourceChannelIndex);
    TiPlotChannelCustom& destination = *channels_->Items(destinationChannelIndex);
    if (startIndex < 0)
        throw Exception("Start Index Must be 0 or Greater");
    if (stopIndex > source.Count() - 1)
        throw Exception("StopIndex Must Out Of Range");
    for (int i = startIndex; i <= stopIndex; ++i) {
        const std::int32_t added = destination.AddXY(source.GetPointX(i), source.GetPointY(i));
        destination.SetPointNull(added, source.GetPointNull(i));
        destination.SetPointEmpty(added, source.GetPointEmpty(i));
    }
}
