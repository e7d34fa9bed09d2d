#include "controls/plot/channels/XYChannel.h"

#include "controls/plot/axes/XYAxes.h"
#include "platform/gfx/Canvas.h"

#include <cmath>
#include <limits>

using korvan::forms::ClassBuilder;

const TClassInfo& TiXYPlotChannel::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<TiXYPlotChannel> builder("TiXYPlotChannel", &TiPlotChannelCustom::StaticClassInfo());
        TiChannelOPCBinding::Publish(builder);
        return builder.Build();
    }();
    return info;
}

TiXYPlotChannel::TiXYPlotChannel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                 TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)),
      TiChannelOPCBinding({[this] { return korvan::plot::OwnerDesigning(Owner()); }, nullptr,
                           [this] { OPCGroupUpdated(); }}) {}

// ---------------------------------------------------------------------- OPC

void TiXYPlotChannel::DoInsert() {
    TiPlotChannelCustom::DoInsert();
    if (OPCAutoConnect())
        OPCActivate();
}

void TiXYPlotChannel::OPCActivate() {
    if (OPCDesigning())
        return;
    OPCDeactivate();
    const std::string group = AddOwnGroup();
    Item(0).SetGroupName(group);
    Item(1).SetGroupName(group);
    Item(0).Activate();
    Item(1).Activate();
}

void TiXYPlotChannel::OPCActivateSuspend() {
    OPCActivate();
    OPCUpdateSuspend();
}

void TiXYPlotChannel::OPCDeactivate() {
    Item(0).Deactivate();
    Item(1).Deactivate();
}

void TiXYPlotChannel::OPCUpdateSuspend() {
    if (OPCManager().GroupCount() > 0)
        OPCManager().Groups(0).Suspend();
}

void TiXYPlotChannel::OPCUpdateResume() {
    if (OPCManager().GroupCount() > 0)
        OPCManager().Groups(0).Resume();
}

void TiXYPlotChannel::OPCGroupUpdated() {
    AddXY(OPCValueToDouble(Item(0).Data()), OPCValueToDouble(Item(1).Data()));
}

std::int32_t TiXYPlotChannel::AddNull() {
    const std::int32_t index = MutableList().Add(0, 0, true, false);
    DoChange();
    return index;
}

std::int32_t TiXYPlotChannel::AddEmpty() {
    const std::int32_t index = MutableList().Add(0, 0, false, true);
    DoChange();
    return index;
}

void TiXYPlotChannel::CalcStartIndex() {
    startIndex_ = 0;
}

void TiXYPlotChannel::CalcStopIndex() {
    stopIndex_ = Count() - 1;
}

void TiXYPlotChannel::PrepareDraw() {
    SetCanDraw(false);
    if (!HasAxes() || !Visible() || Count() == 0)
        return;
    CalcStartIndex();
    CalcStopIndex();
    SetCanDraw(startIndex_ != -1 && stopIndex_ != -1);
}

void TiXYPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (ClipToAxes())
        ClipCanvasToAxes(canvas);
    DrawTrace(canvas, XYAxesReversed(), backGroundColor);
    DrawMarkers(canvas, XYAxesReversed(), backGroundColor);
}

template <class F> double TiXYPlotChannel::FitOverValidPoints(double start, F value, bool largest) {
    CalcStartIndex();
    CalcStopIndex();
    if (!HasAxes() || !Visible() || startIndex_ == -1 || stopIndex_ == -1)
        return start;
    double result = start;
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (!GetPointValid(i))
            continue;
        const double v = value(i);
        if (largest ? v > result : v < result)
            result = v;
    }
    return result;
}

double TiXYPlotChannel::GetFitXMax() {
    return FitOverValidPoints(
        -1e300, [this](std::int32_t i) { return GetXPlusMarker(i); }, true);
}
double TiXYPlotChannel::GetFitXMin() {
    return FitOverValidPoints(
        1e300, [this](std::int32_t i) { return GetXMinusMarker(i); }, false);
}
double TiXYPlotChannel::GetFitYMax() {
    return FitOverValidPoints(
        -1e300, [this](std::int32_t i) { return GetYPlusMarker(i); }, true);
}
double TiXYPlotChannel::GetFitYMin() {
    return FitOverValidPoints(
        1e300, [this](std::int32_t i) { return GetYMinusMarker(i); }, false);
}

void TiXYPlotChannel::UpdateDataCursor(IiPlotChannelCursor& cursor) {
    double x = 0, y = 0;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (xAxis && yAxis) {
        const double p1 = cursor.Pointer1Position(), p2 = cursor.Pointer2Position();
        double x1 = xAxis->PercentToPosition(p1 / 100), x2 = xAxis->PercentToPosition(p2 / 100);
        double y1 = yAxis->PercentToPosition(p1 / 100), y2 = yAxis->PercentToPosition(p2 / 100);
        int pixels = 0;
        // An axis that does not span the whole data view reads the pointers
        // through the view's pixels.
        if (xAxis->StartPercent() != 0 && xAxis->StopPercent() != 100 &&
            cursor.PositionPercentToPixelsX(p1, pixels)) {
            x1 = xAxis->PixelsToPosition(pixels);
            cursor.PositionPercentToPixelsX(p2, pixels);
            x2 = xAxis->PixelsToPosition(pixels);
            cursor.PositionPercentToPixelsY(p1, pixels);
            y1 = yAxis->PixelsToPosition(pixels);
            cursor.PositionPercentToPixelsY(p2, pixels);
            y2 = yAxis->PixelsToPosition(pixels);
        }
        switch (cursor.Style()) {
        case ipcsValueXY:
            x = x1;
            y = y2;
            break;
        case ipcsValueX:
            x = x1;
            break;
        case ipcsValueY:
            y = y2;
            break;
        case ipcsDeltaX:
            x = std::fabs(x1 - x2);
            break;
        case ipcsDeltaY:
            y = std::fabs(y1 - y2);
            break;
        case ipcsInverseDeltaX: {
            const double scaler = xAxis->CursorScaler();
            x = (x1 == x2 || scaler == 0) ? std::numeric_limits<double>::infinity()
                                          : std::fabs(1 / (scaler * (x1 - x2)));
            break;
        }
        }
    }
    cursor.SetValues(x, y, ipdpsValid);
    cursor.SetCursorDisplayText(BuildDataCursorText(cursor.Style(), x, y, ipdpsValid));
}
