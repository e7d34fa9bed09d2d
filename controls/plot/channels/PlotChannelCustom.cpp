#include "controls/plot/channels/PlotChannelCustom.h"

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/XYAxes.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/text/Exception.h"

#include <cmath>

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotChannelCustom::StaticClassInfo() {
    using C = TiPlotChannelCustom;
    using namespace korvan::plot;
    using korvan::forms::BrushStyleNames;
    using korvan::forms::PenStyleNames;
    static const TClassInfo info =
        ClassBuilder<C>("TiPlotChannelCustom", &TiPlotManagerObject::StaticClassInfo())
            .Property("TitleText", &C::TitleText, &C::SetTitleText)
            .Property("VisibleInLegend", &C::VisibleInLegend, &C::SetVisibleInLegend)
            .Default(true)
            .Property("ClipToAxes", &C::ClipToAxes, &C::SetClipToAxes)
            .Default(false)
            .Property("ShowDataPointHints", &C::ShowDataPointHints, &C::SetShowDataPointHints)
            .Default(false)
            .Property("UserCanMoveDataPoints", &C::UserCanMoveDataPoints, &C::SetUserCanMoveDataPoints)
            .Default(false)
            .Enum("UserCanMoveDataPointsStyle", &C::UserCanMoveDataPointsStyle,
                  &C::SetUserCanMoveDataPointsStyle, DataPointMoveStyleNames(),
                  "TiPlotChannelDataPointMoveStyle")
            .Default(ipcdpmsXandY)
            .Property("RingBufferSize", &C::RingBufferSize, &C::SetRingBufferSize)
            .Default(0)
            .Property("TraceVisible", &C::TraceVisible, &C::SetTraceVisible)
            .Default(true)
            .Property("Color", &C::Color, &C::SetColor)
            .TypeName("TColor")
            .Default(clRed)
            .Enum("TraceLineStyle", &C::TraceLineStyle, &C::SetTraceLineStyle, LineStyleNames(),
                  "TiPlotLineStyle")
            .Default(iplsSolid)
            .Property("TraceLineWidth", &C::TraceLineWidth, &C::SetTraceLineWidth)
            .Default(1)
            .Property("MarkersAllowIndividual", &C::MarkersAllowIndividual, &C::SetMarkersAllowIndividual)
            .Default(false)
            .Property("MarkersPenUseChannelColor", &C::MarkersPenUseChannelColor,
                      &C::SetMarkersPenUseChannelColor)
            .Default(true)
            .Property("MarkersBrushUseChannelColor", &C::MarkersBrushUseChannelColor,
                      &C::SetMarkersBrushUseChannelColor)
            .Default(true)
            .Property("MarkersTurnOffLimit", &C::MarkersTurnOffLimit, &C::SetMarkersTurnOffLimit)
            .Property("MarkersVisible", &C::MarkersVisible, &C::SetMarkersVisible)
            .Default(false)
            .Property("MarkersSize", &C::MarkersSize, &C::SetMarkersSize)
            .Default(3)
            .Enum("MarkersStyle", &C::MarkersStyle, &C::SetMarkersStyle, MarkerStyleNames(),
                  "TiPlotMarkerStyle")
            .Default(ipmsCircle)
            .Property("MarkersPenColor", &C::MarkersPenColor, &C::SetMarkersPenColor)
            .TypeName("TColor")
            .Default(clRed)
            .Enum("MarkersPenStyle", &C::MarkersPenStyle, &C::SetMarkersPenStyle, PenStyleNames(),
                  "TPenStyle")
            .Default(psSolid)
            .Property("MarkersPenWidth", &C::MarkersPenWidth, &C::SetMarkersPenWidth)
            .Default(0)
            .Property("MarkersBrushColor", &C::MarkersBrushColor, &C::SetMarkersBrushColor)
            .TypeName("TColor")
            .Default(clRed)
            .Enum("MarkersBrushStyle", &C::MarkersBrushStyle, &C::SetMarkersBrushStyle, BrushStyleNames(),
                  "TBrushStyle")
            .Default(bsSolid)
            .Property("MarkersFont", &C::MarkersFont, &C::SetMarkersFont)
            .Property("XAxisName", &C::XAxisName, &C::SetXAxisName)
            .Property("YAxisName", &C::YAxisName, &C::SetYAxisName)
            .Property("XAxisTrackingEnabled", &C::XAxisTrackingEnabled, &C::SetXAxisTrackingEnabled)
            .Default(true)
            .Property("YAxisTrackingEnabled", &C::YAxisTrackingEnabled, &C::SetYAxisTrackingEnabled)
            .Default(true)
            .Property("LogFileName", &C::LogFileName, &C::SetLogFileName)
            .Property("LogBufferSize", &C::LogBufferSize, &C::SetLogBufferSize)
            .Default(0)
            .Property("LoggingActive", &C::LoggingActive)
            .Enum("DataStyle", &C::DataStyle, &C::SetDataStyle, DataStyleNames(), "TiPlotDataStyle")
            .Property("Tag", &C::Tag, &C::SetTag)
            .Build();
    return info;
}

TiPlotChannelCustom::TiPlotChannelCustom(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)),
      log_([this](const std::string& text) { return GetTranslation(text); }),
      markersFont_(std::make_unique<TFont>()) {
    auto& list = MutableList();
    list.SetStoredTraceLineColor(clRed);
    list.SetStoredTraceLineWidth(1);
    list.SetStoredTraceLineStyle(iplsSolid);
    list.SetStoredMarkerSize(3);
    list.SetStoredMarkerPenColor(clRed);
    list.SetStoredMarkerBrushColor(clRed);
    list.SetStoredMarkerPenStyle(psSolid);
    list.SetStoredMarkerBrushStyle(bsSolid);
    list.SetStoredMarkerStyle(ipmsCircle);
    markersFont_->SetColor(clWhite);
    markersFont_->SetStyle(fsBold);
    markersFont_->OnChange = [this] { DoChange(); };
}

TiPlotChannelCustom::~TiPlotChannelCustom() = default;

void TiPlotChannelCustom::LookUpHosts() const {
    if (hostsLooked_)
        return;
    axisHost_ = korvan::plot::AxisHostOf(Owner());
    channelHost_ = korvan::plot::ChannelHostOf(Owner());
    hostsLooked_ = true;
}

IiPlotChannelHost* TiPlotChannelCustom::ChannelHost() const {
    LookUpHosts();
    return channelHost_;
}

IiPlotAxisHost* TiPlotChannelCustom::AxisHost() const {
    LookUpHosts();
    return axisHost_;
}

// ---------------------------------------------------------------- settings

void TiPlotChannelCustom::SetRingBufferSize(std::int32_t value) {
    MutableList().SetRingBufferSize(value);
    DoChange();
}

void TiPlotChannelCustom::SetColor(TColor value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredTraceLineColor(value); });
}
void TiPlotChannelCustom::SetTraceLineStyle(TiPlotLineStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredTraceLineStyle(value); });
}
void TiPlotChannelCustom::SetTraceLineWidth(std::int32_t value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredTraceLineWidth(value); });
}
void TiPlotChannelCustom::SetMarkersVisible(bool value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerVisible(value); });
}
void TiPlotChannelCustom::SetMarkersSize(std::int32_t value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerSize(value); });
}
void TiPlotChannelCustom::SetMarkersStyle(TiPlotMarkerStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerStyle(value); });
}
void TiPlotChannelCustom::SetMarkersPenColor(TColor value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerPenColor(value); });
}
void TiPlotChannelCustom::SetMarkersPenStyle(TPenStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerPenStyle(value); });
}
void TiPlotChannelCustom::SetMarkersPenWidth(std::int32_t value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerPenWidth(value); });
}
void TiPlotChannelCustom::SetMarkersBrushColor(TColor value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerBrushColor(value); });
}
void TiPlotChannelCustom::SetMarkersBrushStyle(TBrushStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredMarkerBrushStyle(value); });
}

void TiPlotChannelCustom::SetMarkersFont(TFont* value) {
    if (value)
        markersFont_->Assign(*value);
}

void TiPlotChannelCustom::SetXAxisName(const std::string& value) {
    if (value == xAxisName_)
        return;
    xAxisName_ = value;
    xAxis_ = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetYAxisName(const std::string& value) {
    if (value == yAxisName_)
        return;
    yAxisName_ = value;
    yAxis_ = nullptr;
    DoChange();
}

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle value) {
    if (points_.SetDataStyle(value))
        DoChange();
}

void TiPlotChannelCustom::SetCount(std::int32_t value) {
    points_.SetCount(value);
    DoChange();
}

// ---------------------------------------------------------------- axes

// A failed lookup is not remembered, so an axis added later is found.
TiPlotXAxis* TiPlotChannelCustom::XAxis() {
    if (!xAxis_)
        if (IiPlotAxisHost* host = AxisHost())
            xAxis_ = dynamic_cast<TiPlotXAxis*>(host->GetXAxisByName(xAxisName_));
    return xAxis_;
}

TiPlotYAxis* TiPlotChannelCustom::YAxis() {
    if (!yAxis_)
        if (IiPlotAxisHost* host = AxisHost())
            yAxis_ = dynamic_cast<TiPlotYAxis*>(host->GetYAxisByName(yAxisName_));
    return yAxis_;
}

void TiPlotChannelCustom::NotifyRemove(TObject* sender) {
    if (sender == xAxis_)
        xAxis_ = nullptr;
    if (sender == yAxis_)
        yAxis_ = nullptr;
}

void TiPlotChannelCustom::NotifyRename(TObject* sender) {
    if (xAxis_ && sender == xAxis_)
        xAxisName_ = xAxis_->Name();
    if (yAxis_ && sender == yAxis_)
        yAxisName_ = yAxis_->Name();
}

// ---------------------------------------------------------------- adding points

std::int32_t TiPlotChannelCustom::AddXY(double x, double y) {
    return AddDataPoint(x, y, false, false);
}

std::int32_t TiPlotChannelCustom::AddDataPoint(double x, double y, bool null, bool empty) {
    const std::int32_t index = points_.Add(x, y, null, empty);
    TrackNewPoint(index, x, y, null, empty);
    if (log_.Active())
        FlushLogFor(x, y);
    DoChange();
    return index;
}

void TiPlotChannelCustom::FlushLogFor(double x, double y) {
    IiPlotChannelHost* host = ChannelHost();
    log_.PointAdded(x, y, host ? host->GetDataFileColumnSeparatorChar() : '\t');
}

void TiPlotChannelCustom::TrackNewPoint(std::int32_t index, double x, double y, bool null, bool empty) {
    if (!xAxisTrackingEnabled_ && !yAxisTrackingEnabled_)
        return;
    TiPlotXAxis* xAxis = xAxisTrackingEnabled_ ? XAxis() : nullptr;
    TiPlotYAxis* yAxis = yAxisTrackingEnabled_ ? YAxis() : nullptr;
    if (MarkersVisible()) {
        if (null)
            return;
        if (xAxis) {
            xAxis->NewTrackingData(GetXPlusMarker(index));
            xAxis->NewTrackingData(GetXMinusMarker(index));
        }
        if (yAxis) {
            yAxis->NewTrackingData(GetYPlusMarker(index));
            yAxis->NewTrackingData(GetYMinusMarker(index));
        }
        return;
    }
    if (xAxis)
        xAxis->NewTrackingData(x);
    if (yAxis && !null && !empty)
        yAxis->NewTrackingData(y);
}

void TiPlotChannelCustom::AddXYArrays(const TiPlotValueArray& xData, const TiPlotValueArray& yData) {
    ::AddXYArrays(xData, yData, [this](double x, double y) { AddDataPoint(x, y, false, false); });
}

void TiPlotChannelCustom::AddXYArray(const TiPlotValueArray& data) {
    ::AddXYArray(data, [this](double x, double y) { AddDataPoint(x, y, false, false); });
}

void TiPlotChannelCustom::Clear() {
    startIndex_ = stopIndex_ = -1;
    if (log_.Active())
        log_.Deactivate();
    points_.Clear();
    DoChange();
}

void TiPlotChannelCustom::DeletePoints(std::int32_t size) {
    if (size == Count()) {
        Clear();
        return;
    }
    MutableList().DeletePoints(size);
    DoChange();
}

// ---------------------------------------------------------------- statistics

void TiPlotChannelCustom::ReCalcRunningMinMaxMean() {
    points_.Running().Recalculate(List());
}
double TiPlotChannelCustom::GetXMin() {
    return points_.Running().ScanXMin(List());
}
double TiPlotChannelCustom::GetXMax() {
    return points_.Running().ScanXMax(List());
}
double TiPlotChannelCustom::GetXMean() {
    return points_.Running().ScanXMean(List());
}
double TiPlotChannelCustom::GetYMin() {
    return points_.Running().ScanYMin(List());
}
double TiPlotChannelCustom::GetYMax() {
    return points_.Running().ScanYMax(List());
}
double TiPlotChannelCustom::GetYMean() {
    return points_.Running().ScanYMean(List());
}

double TiPlotChannelCustom::MarkerPaddedValue(std::int32_t index, bool xAxis, int sign) {
    if (GetPointNull(index))
        throw Exception("Data Point Null");
    const double value = xAxis ? GetPointX(index) : GetPointY(index);
    if (!MarkersVisible())
        return value;
    TiPlotAxis* axis = xAxis ? static_cast<TiPlotAxis*>(XAxis()) : static_cast<TiPlotAxis*>(YAxis());
    if (!axis)
        throw Exception(xAxis ? "X-Axis not assigned" : "Y-Axis not assigned");
    const double pad =
        std::fabs(axis->PixelsToPosition(double(MarkersSize()) + axis->MinPixels()) - axis->Min());
    return value + sign * pad;
}

double TiPlotChannelCustom::GetXPlusMarker(std::int32_t index) {
    return MarkerPaddedValue(index, true, 1);
}
double TiPlotChannelCustom::GetXMinusMarker(std::int32_t index) {
    return MarkerPaddedValue(index, true, -1);
}
double TiPlotChannelCustom::GetYPlusMarker(std::int32_t index) {
    return MarkerPaddedValue(index, false, 1);
}
double TiPlotChannelCustom::GetYMinusMarker(std::int32_t index) {
    return MarkerPaddedValue(index, false, -1);
}

// ---------------------------------------------------------------- points

void TiPlotChannelCustom::SetPointX(std::int32_t index, double value) {
    MutableList().SetX(index, value);
    DoChange();
}
void TiPlotChannelCustom::SetPointY(std::int32_t index, double value) {
    MutableList().SetY(index, value);
    DoChange();
}
void TiPlotChannelCustom::SetPointNull(std::int32_t index, bool value) {
    MutableList().SetNull(index, value);
    DoChange();
}
void TiPlotChannelCustom::SetPointEmpty(std::int32_t index, bool value) {
    MutableList().SetEmpty(index, value);
    DoChange();
}
void TiPlotChannelCustom::SetPointAttributes(std::int32_t index, const TiPlotPointAttributes& value) {
    MutableList().SetPointAttributes(index, value);
    DoChange();
}
