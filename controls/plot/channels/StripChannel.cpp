#include "controls/plot/channels/StripChannel.h"

#include "controls/plot/axes/XYAxes.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/text/DateTime.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotChannel::StaticClassInfo() {
    using C = TiPlotChannel;
    using namespace korvan::plot;
    using korvan::forms::BrushStyleNames;
    using korvan::forms::PenStyleNames;
    static const TClassInfo info = [] {
        ClassBuilder<C> builder("TiPlotChannel", &TiPlotChannelCustom::StaticClassInfo());
        builder.Property("FastDrawEnabled", &C::FastDrawEnabled, &C::SetFastDrawEnabled)
            .Default(true)
            .Property("AllowOutOfOrderXValues", &C::AllowOutOfOrderXValues, &C::SetAllowOutOfOrderXValues)
            .Default(true)
            .Property("DrawOutOfOrderXValues", &C::DrawOutOfOrderXValues, &C::SetDrawOutOfOrderXValues)
            .Default(false)
            .Property("ResetStartTimeOnFirstDataPoint", &C::ResetStartTimeOnFirstDataPoint,
                      &C::SetResetStartTimeOnFirstDataPoint)
            .Default(false)
            .Enum("InterpolationStyle", &C::InterpolationStyle, &C::SetInterpolationStyle,
                  InterpolationStyleNames(), "TiPlotInterpolationStyle")
            .Default(ipistStraightLine)
            .Property("FillEnabled", &C::FillEnabled, &C::SetFillEnabled)
            .Default(false)
            .Property("FillReference", &C::FillReference, &C::SetFillReference)
            .Enum("FillStyle", &C::FillStyle, &C::SetFillStyle, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Property("FillColor", &C::FillColor, &C::SetFillColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("FillUseChannelColor", &C::FillUseChannelColor, &C::SetFillUseChannelColor)
            .Default(true)
            .Property("DigitalEnabled", &C::DigitalEnabled, &C::SetDigitalEnabled)
            .Default(false)
            .Enum("DigitalReferenceStyle", &C::DigitalReferenceStyle, &C::SetDigitalReferenceStyle,
                  DigitalReferenceStyleNames(), "TiPlotDigitalReferenceStyle")
            .Default(ipdrScale)
            .Property("DigitalReferenceLow", &C::DigitalReferenceLow, &C::SetDigitalReferenceLow)
            .Property("DigitalReferenceHigh", &C::DigitalReferenceHigh, &C::SetDigitalReferenceHigh)
            .Enum("HighLowStyle", &C::HighLowStyle, &C::SetHighLowStyle, HighLowStyleNames(),
                  "TiPlotHighLowStyle")
            .Default(iphlsOpenClose)
            .Property("HighLowEnabled", &C::HighLowEnabled, &C::SetHighLowEnabled)
            .Default(false)
            .Property("HighLowBarColor", &C::HighLowBarColor, &C::SetHighLowBarColor)
            .TypeName("TColor")
            .Default(TColor(16776960))
            .Property("HighLowBarWidth", &C::HighLowBarWidth, &C::SetHighLowBarWidth)
            .Property("HighLowOpenShow", &C::HighLowOpenShow, &C::SetHighLowOpenShow)
            .Default(true)
            .Property("HighLowOpenColor", &C::HighLowOpenColor, &C::SetHighLowOpenColor)
            .TypeName("TColor")
            .Default(TColor(65280))
            .Property("HighLowOpenWidth", &C::HighLowOpenWidth, &C::SetHighLowOpenWidth)
            .Property("HighLowOpenHeight", &C::HighLowOpenHeight, &C::SetHighLowOpenHeight)
            .Property("HighLowCloseShow", &C::HighLowCloseShow, &C::SetHighLowCloseShow)
            .Default(true)
            .Property("HighLowCloseColor", &C::HighLowCloseColor, &C::SetHighLowCloseColor)
            .TypeName("TColor")
            .Default(TColor(255))
            .Property("HighLowCloseWidth", &C::HighLowCloseWidth, &C::SetHighLowCloseWidth)
            .Property("HighLowCloseHeight", &C::HighLowCloseHeight, &C::SetHighLowCloseHeight)
            .Property("HighLowShadowColor", &C::HighLowShadowColor, &C::SetHighLowShadowColor)
            .TypeName("TColor")
            .Default(TColor(8421504))
            .Property("HighLowBullishColor", &C::HighLowBullishColor, &C::SetHighLowBullishColor)
            .TypeName("TColor")
            .Default(TColor(16777215))
            .Property("HighLowBearishColor", &C::HighLowBearishColor, &C::SetHighLowBearishColor)
            .TypeName("TColor")
            .Default(TColor(8421504))
            .Property("BarEnabled", &C::BarEnabled, &C::SetBarEnabled)
            .Default(false)
            .Property("BarPenUseChannelColor", &C::BarPenUseChannelColor, &C::SetBarPenUseChannelColor)
            .Default(true)
            .Property("BarBrushUseChannelColor", &C::BarBrushUseChannelColor, &C::SetBarBrushUseChannelColor)
            .Default(true)
            .Property("BarReference", &C::BarReference, &C::SetBarReference)
            .Property("BarWidth", &C::BarWidth, &C::SetBarWidth)
            .Property("BarPenColor", &C::BarPenColor, &C::SetBarPenColor)
            .TypeName("TColor")
            .Default(clRed)
            .Property("BarPenWidth", &C::BarPenWidth, &C::SetBarPenWidth)
            .Default(0)
            .Enum("BarPenStyle", &C::BarPenStyle, &C::SetBarPenStyle, PenStyleNames(), "TPenStyle")
            .Default(psSolid)
            .Property("BarBrushColor", &C::BarBrushColor, &C::SetBarBrushColor)
            .TypeName("TColor")
            .Default(clRed)
            .Enum("BarBrushStyle", &C::BarBrushStyle, &C::SetBarBrushStyle, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Property("OPCGroupName", &C::OPCGroupName, &C::SetOPCGroupName);
        TiChannelOPCBinding::Publish(builder);
        builder
            .Enum("OPCXValueSource", &C::OPCXValueSource, &C::SetOPCXValueSource, OPCXValueSourceNames(),
                  "TiOPCXValueSourceStyle")
            .Default(iopcxvsOPCServerTimeStamp);
        return builder.Build();
    }();
    return info;
}

TiPlotChannel::TiPlotChannel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotChannelCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)),
      TiChannelOPCBinding({[this] { return korvan::plot::OwnerDesigning(Owner()); },
                           [this](int index) { OPCNewData(Item(index)); }, [this] { OPCGroupUpdated(); }}),
      now_([] { return double(Now()); }) {
    auto& list = MutableList();
    list.SetStoredBarVisible(true);
    list.SetStoredBarWidth(5);
    list.SetStoredBarPenColor(clRed);
    list.SetStoredBarPenStyle(psSolid);
    list.SetStoredBarBrushColor(clRed);
    list.SetStoredBarBrushStyle(bsSolid);
    elapsedStartTime_ = now_();
}

// ---------------------------------------------------------------- settings

void TiPlotChannel::SetInterpolationStyle(TiPlotInterpolationStyle value) {
    if (value == interpolationStyle_)
        return;
    interpolationStyle_ = value;
    DoChange();
}

void TiPlotChannel::SetFillStyle(TBrushStyle value) {
    if (value == fillStyle_)
        return;
    fillStyle_ = value;
    DoChange();
}

void TiPlotChannel::SetBarReference(double value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarReference(value); });
}
void TiPlotChannel::SetBarWidth(double value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarWidth(value); });
}
void TiPlotChannel::SetBarPenColor(TColor value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarPenColor(value); });
}
void TiPlotChannel::SetBarPenWidth(std::int32_t value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarPenWidth(value); });
}
void TiPlotChannel::SetBarPenStyle(TPenStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarPenStyle(value); });
}
void TiPlotChannel::SetBarBrushColor(TColor value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarBrushColor(value); });
}
void TiPlotChannel::SetBarBrushStyle(TBrushStyle value) {
    SetListDefault([value](TiPlotDataCustomList& l) { l.SetStoredBarBrushStyle(value); });
}

// ---------------------------------------------------------------- adding

void TiPlotChannel::ApplyStartTimeRule() {
    if (resetStartTimeOnFirstDataPoint_ && Count() == 0)
        elapsedStartTime_ = now_();
}

void TiPlotChannel::CheckXOrder(double x) const {
    const std::int32_t count = Count();
    if (allowOutOfOrderXValues_ || count < 2)
        return;
    const double last = GetPointX(count - 1);
    if (GetPointX(1) >= GetPointX(0)) {
        if (x < last)
            throw Exception("New Data-Point X-Value is out of order");
    } else if (x > last) {
        throw Exception("New Data-Point X-Value is out of order.");
    }
}

std::int32_t TiPlotChannel::AddXY(double x, double y) {
    ApplyStartTimeRule();
    CheckXOrder(x);
    return AddDataPoint(x, y, false, false);
}

std::int32_t TiPlotChannel::AddXNull(double x) {
    ApplyStartTimeRule();
    CheckXOrder(x);
    return AddDataPoint(x, 0, true, false);
}

std::int32_t TiPlotChannel::AddXEmpty(double x) {
    ApplyStartTimeRule();
    CheckXOrder(x);
    return AddDataPoint(x, 0, false, true);
}

std::int32_t TiPlotChannel::AddHighLow(double x, double high, double low, double open, double close) {
    ApplyStartTimeRule();
    CheckXOrder(x);
    TiPlotDataCustomList& list = MutableList();
    const std::int32_t index = list.Add(x, 0, false, false);
    list.SetHigh(index, high);
    list.SetLow(index, low);
    list.SetOpen(index, open);
    list.SetClose(index, close);
    if (XAxisTrackingEnabled())
        if (TiPlotXAxis* axis = XAxis())
            axis->NewTrackingData(x);
    if (YAxisTrackingEnabled())
        if (TiPlotYAxis* axis = YAxis())
            for (double v : {high, low, open, close})
                axis->NewTrackingData(v);
    DoChange();
    return index;
}

std::int32_t TiPlotChannel::AddYNow(double y) {
    ApplyStartTimeRule();
    return AddDataPoint(now_(), y, false, false);
}

std::int32_t TiPlotChannel::AddYElapsedTime(double y) {
    ApplyStartTimeRule();
    return AddDataPoint(now_() - elapsedStartTime_, y, false, false);
}

std::int32_t TiPlotChannel::AddYElapsedSeconds(double y) {
    ApplyStartTimeRule();
    return AddDataPoint((now_() - elapsedStartTime_) * 86400.0, y, false, false);
}

void TiPlotChannel::AddYArray(double xInterval, const TiPlotValueArray& yData) {
    if (yData.Dimensions() != 1)
        throw Exception("Y-Data array must be 1 dimensional");
    if (yData.Values.size() < std::size_t(yData.Length(0)))
        throw Exception("Array bounds do not match its values");
    ApplyStartTimeRule();
    const double base = Count() == 0 ? 0.0 : XLast();
    for (std::int32_t k = 0; k < yData.Length(0); ++k)
        AddDataPoint(base + k * xInterval, yData.Values[std::size_t(k)], false, false);
}

// ---------------------------------------------------------------------- OPC

void TiPlotChannel::DoInsert() {
    TiPlotChannelCustom::DoInsert();
    if (OPCAutoConnect())
        OPCActivate();
}

void TiPlotChannel::OPCActivate() {
    if (OPCDesigning())
        return;
    Item(0).Deactivate();
    Item(1).Deactivate();
    if (opcXValueSource_ != iopcxvsOPCItem) {
        Item(0).Activate();
        return;
    }
    // X from a second item: both items are read in one group, whose update
    // makes the point.
    OPCManager().GroupClear();
    if (OPCManager().GetGroupIndex(Item(0).GroupName()) == -1 && !Trim(Item(0).ServerName()).empty())
        Item(0).SetGroupName(AddOwnGroup());
    Item(1).SetGroupName(Item(0).GroupName());
    Item(0).Activate();
    Item(1).Activate();
}

void TiPlotChannel::OPCActivateSuspend() {
    Item(0).ActivateSuspend();
}

void TiPlotChannel::OPCDeactivate() {
    Item(0).Deactivate();
}

void TiPlotChannel::OPCUpdateSuspend() {
    Item(0).UpdateSuspend();
}

void TiPlotChannel::OPCUpdateResume() {
    Item(0).UpdateResume();
}

void TiPlotChannel::OPCNewData(const TiOPCItem& item) {
    const double y = OPCValueToDouble(item.Data());
    switch (opcXValueSource_) {
    case iopcxvsOPCServerTimeStamp:
        AddDataPoint(item.TimeStamp(), y, false, false);
        break;
    case iopcxvsSystemTimeStamp:
        AddDataPoint(now_(), y, false, false);
        break;
    case iopcxvsElapsedTime:
        AddYElapsedTime(y);
        break;
    case iopcxvsElapsedSeconds:
        AddYElapsedSeconds(y);
        break;
    case iopcxvsOPCItem:
        break; // the group's update makes the point
    }
}

void TiPlotChannel::OPCGroupUpdated() {
    AddXY(OPCValueToDouble(Item(0).Data()), OPCValueToDouble(Item(1).Data()));
}
