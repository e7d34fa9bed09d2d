#include "controls/plot/axes/PlotAxis.h"

#include "controls/plot/axes/AxisHost.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GraphicsProperties.h"

#include <algorithm>
#include <cmath>

using korvan::forms::ClassBuilder;

namespace {

// Not a number is taken as the lower end: a clamp never lets NaN through.
double Clamped(double value, double low, double high) {
    if (!(value >= low))
        return low;
    return value > high ? high : value;
}

} // namespace

const TClassInfo& TiPlotAxis::StaticClassInfo() {
    using A = TiPlotAxis;
    using namespace korvan::plot;
    static const TClassInfo info =
        ClassBuilder<A>("TiPlotAxis", &TiPlotLayoutObject::StaticClassInfo())
            .Property("Min", &A::Min, &A::SetMin)
            .Property("Span", &A::Span, &A::SetSpan)
            .Property("ReverseScale", &A::ReverseScale, &A::SetReverseScale)
            .Default(false)
            .Enum("ScaleType", &A::ScaleType, &A::SetScaleType, ScaleTypeNames(), "TiPlotScaleType")
            .Default(ipstLinear)
            .Property("DesiredStart", &A::DesiredStart, &A::SetDesiredStart)
            .Property("DesiredIncrement", &A::DesiredIncrement, &A::SetDesiredIncrement)
            .Property("InnerMargin", &A::InnerMargin, &A::SetInnerMargin)
            .Default(5)
            .Property("OuterMargin", &A::OuterMargin, &A::SetOuterMargin)
            .Default(5)
            .Property("MajorLength", &A::MajorLength, &A::SetMajorLength)
            .Default(7)
            .Property("MinorLength", &A::MinorLength, &A::SetMinorLength)
            .Default(3)
            .Property("MinorCount", &A::MinorCount, &A::SetMinorCount)
            .Default(1)
            .Property("ScaleLineShow", &A::ScaleLineShow, &A::SetScaleLineShow)
            .Default(true)
            .Property("ScaleLinesShow", &A::ScaleLinesShow, &A::SetScaleLinesShow)
            .Default(true)
            .Property("ScaleLinesColor", &A::ScaleLinesColor, &A::SetScaleLinesColor)
            .Default(clWhite)
            .Property("StackingEndsMargin", &A::StackingEndsMargin, &A::SetStackingEndsMargin)
            .Property("GridLinesVisible", &A::GridLinesVisible, &A::SetGridLinesVisible)
            .Default(true)
            .Property("ForceStacking", &A::ForceStacking, &A::SetForceStacking)
            .Default(false)
            .Property("LabelsVisible", &A::LabelsVisible, &A::SetLabelsVisible)
            .Default(true)
            .Property("LabelsMargin", &A::LabelsMargin, &A::SetLabelsMargin)
            .Property("LabelsFont", &A::LabelsFont, &A::SetLabelsFont)
            .Property("LabelSeparation", &A::LabelSeparation, &A::SetLabelSeparation)
            .Enum("LabelsRotation", &A::LabelsRotation, &A::SetLabelsRotation, RotationAngleNames(),
                  "TiRotationAngle")
            .Default(ira000)
            .Property("LabelsPrecision", &A::LabelsPrecision, &A::SetLabelsPrecision)
            .Default(3)
            .Enum("LabelsPrecisionStyle", &A::LabelsPrecisionStyle, &A::SetLabelsPrecisionStyle,
                  PrecisionStyleNames(), "TiPrecisionStyle")
            .Default(ipsSignificantDigits)
            .Enum("LabelsFormatStyle", &A::LabelsFormatStyle, &A::SetLabelsFormatStyle, TextFormatNames(),
                  "TiPlotTextFormat")
            .Default(iptfValue)
            .Property("DateTimeFormat", &A::DateTimeFormat, &A::SetDateTimeFormat)
            .Property("LabelsMinLength", &A::LabelsMinLength, &A::SetLabelsMinLength)
            .Property("LabelsMinLengthAutoAdjust", &A::LabelsMinLengthAutoAdjust,
                      &A::SetLabelsMinLengthAutoAdjust)
            .Default(false)
            .Property("Title", &A::Title, &A::SetTitle)
            .Property("TitleShow", &A::TitleShow, &A::SetTitleShow)
            .Default(false)
            .Property("TitleMargin", &A::TitleMargin, &A::SetTitleMargin)
            .Property("TitleFont", &A::TitleFont, &A::SetTitleFont)
            .Property("TitleRotated", &A::TitleRotated, &A::SetTitleRotated)
            .Default(false)
            .Property("CursorUseDefaultFormat", &A::CursorUseDefaultFormat, &A::SetCursorUseDefaultFormat)
            .Default(true)
            .Enum("CursorFormatStyle", &A::CursorFormatStyle, &A::SetCursorFormatStyle, TextFormatNames(),
                  "TiPlotTextFormat")
            .Default(iptfValue)
            .Property("CursorDateTimeFormat", &A::CursorDateTimeFormat, &A::SetCursorDateTimeFormat)
            .Enum("CursorPrecisionStyle", &A::CursorPrecisionStyle, &A::SetCursorPrecisionStyle,
                  PrecisionStyleNames(), "TiPrecisionStyle")
            .Default(ipsSignificantDigits)
            .Property("CursorPrecision", &A::CursorPrecision, &A::SetCursorPrecision)
            .Default(3)
            .Property("CursorMinLength", &A::CursorMinLength, &A::SetCursorMinLength)
            .Property("CursorMinLengthAutoAdjust", &A::CursorMinLengthAutoAdjust,
                      &A::SetCursorMinLengthAutoAdjust)
            .Default(false)
            .Property("LegendUseDefaultFormat", &A::LegendUseDefaultFormat, &A::SetLegendUseDefaultFormat)
            .Default(true)
            .Enum("LegendFormatStyle", &A::LegendFormatStyle, &A::SetLegendFormatStyle, TextFormatNames(),
                  "TiPlotTextFormat")
            .Default(iptfValue)
            .Property("LegendDateTimeFormat", &A::LegendDateTimeFormat, &A::SetLegendDateTimeFormat)
            .Enum("LegendPrecisionStyle", &A::LegendPrecisionStyle, &A::SetLegendPrecisionStyle,
                  PrecisionStyleNames(), "TiPrecisionStyle")
            .Default(ipsSignificantDigits)
            .Property("LegendPrecision", &A::LegendPrecision, &A::SetLegendPrecision)
            .Default(3)
            .Property("LegendMinLength", &A::LegendMinLength, &A::SetLegendMinLength)
            .Property("LegendMinLengthAutoAdjust", &A::LegendMinLengthAutoAdjust,
                      &A::SetLegendMinLengthAutoAdjust)
            .Default(false)
            .Property("CursorScaler", &A::CursorScaler, &A::SetCursorScaler)
            .Enum("CartesianStyle", &A::CartesianStyle, &A::SetCartesianStyle, CartesianStyleNames(),
                  "TiPlotCartesianStyle")
            .Default(ipcsNone)
            .Property("CartesianChildRefAxisName", &A::CartesianChildRefAxisName,
                      &A::SetCartesianChildRefAxisName)
            .Property("CartesianChildRefValue", &A::CartesianChildRefValue, &A::SetCartesianChildRefValue)
            .Property("AlignRefAxisName", &A::AlignRefAxisName, &A::SetAlignRefAxisName)
            .Property("TrackingEnabled", &A::TrackingEnabled, &A::SetTrackingEnabled)
            .Default(true)
            .Enum("TrackingStyle", &A::TrackingStyle, &A::SetTrackingStyle, TrackingStyleNames(),
                  "TiPlotTrackingStyle")
            .Enum("TrackingIncrementStyle", &A::TrackingIncrementStyle, &A::SetTrackingIncrementStyle,
                  TrackingIncrementStyleNames(), "TiPlotTrackingIncrementStyle")
            .Default(iptisMinimum)
            .Enum("TrackingAlignFirstStyle", &A::TrackingAlignFirstStyle, &A::SetTrackingAlignFirstStyle,
                  AlignFirstStyleNames(), "TiPlotAlignFirstStyle")
            .Property("TrackingScrollCompressMax", &A::TrackingScrollCompressMax,
                      &A::SetTrackingScrollCompressMax)
            .Property("TrackingSpanMinimum", &A::TrackingSpanMinimum, &A::SetTrackingSpanMinimum)
            .Property("TrackingMaxMargin", &A::TrackingMaxMargin, &A::SetTrackingMaxMargin)
            .Property("TrackingMinMargin", &A::TrackingMinMargin, &A::SetTrackingMinMargin)
            .Property("RestoreValuesOnResume", &A::RestoreValuesOnResume, &A::SetRestoreValuesOnResume)
            .Default(true)
            .Property("MasterUIInput", &A::MasterUIInput, &A::SetMasterUIInput)
            .Default(false)
            .Property("ScrollMinMaxEnabled", &A::ScrollMinMaxEnabled, &A::SetScrollMinMaxEnabled)
            .Default(false)
            .Property("ScrollMin", &A::ScrollMin, &A::SetScrollMin)
            .Property("ScrollMax", &A::ScrollMax, &A::SetScrollMax)
            .Build();
    return info;
}

TiPlotAxis::TiPlotAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                       TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      labelsFont_(std::make_unique<TFont>()), titleFont_(std::make_unique<TFont>()) {
    labelsFont_->SetColor(clWhite);
    titleFont_->SetName("Arial");
    titleFont_->SetSize(10);
    titleFont_->SetStyle(fsBold);
    titleFont_->SetColor(clWhite);
    labelsFont_->OnChange = [this] { DoChange(); };
    titleFont_->OnChange = [this] { DoChange(); };
    // On before resume values exist: nothing to restore.
    SetTrackingEnabled(true);
    restoreValuesOnResume_ = true;
}

TiPlotAxis::~TiPlotAxis() = default;

// The owner never changes: once found, the host is kept, so that tracking
// a new value does not pay for the lookup.
IiPlotAxisHost* TiPlotAxis::AxisHost() const {
    if (!axisHost_)
        axisHost_ = korvan::plot::AxisHostOf(Owner());
    return axisHost_;
}

// ---------------------------------------------------------------- Min and Span

void TiPlotAxis::SetMin(double value) {
    value = Clamped(value, -1e300, 1e300);
    if (value == min_)
        return;
    const double oldMin = min_;
    min_ = value;
    DoChange();
    if (blockMinSpanEvents_)
        return;
    if (IiPlotAxisHost* host = AxisHost()) {
        host->DoAxisMinChange(this, min_, oldMin);
        host->DoAxisMinSpanChange(this, min_, oldMin, span_, span_);
    }
}

void TiPlotAxis::SetSpan(double value) {
    value = Clamped(value, 1e-300, 1e300);
    if (value == span_)
        return;
    const double oldSpan = span_;
    span_ = value;
    DoChange();
    if (blockMinSpanEvents_)
        return;
    if (IiPlotAxisHost* host = AxisHost()) {
        host->DoAxisSpanChange(this, span_, oldSpan);
        host->DoAxisMinSpanChange(this, min_, min_, span_, oldSpan);
    }
}

void TiPlotAxis::SetMinSpan(double newMin, double newSpan) {
    if (scaleType_ == ipstLog10) {
        if (!(newMin > 0))
            newMin = 1.0;
        if (!(newSpan > 0))
            newSpan = 1.0;
    }
    if (newMin == min_ && newSpan == span_)
        return;
    const double oldMin = min_, oldSpan = span_;
    struct Block {
        bool& flag;
        explicit Block(bool& f) : flag(f) { flag = true; }
        ~Block() { flag = false; }
    };
    {
        Block block(blockMinSpanEvents_);
        SetMin(newMin);
        SetSpan(newSpan);
    }
    IiPlotAxisHost* host = AxisHost();
    if (!host)
        return;
    if (min_ != oldMin)
        host->DoAxisMinChange(this, min_, oldMin);
    if (span_ != oldSpan)
        host->DoAxisSpanChange(this, span_, oldSpan);
    host->DoAxisMinSpanChange(this, min_, oldMin, span_, oldSpan);
}

void TiPlotAxis::SetScaleType(TiPlotScaleType value) {
    if (value == scaleType_)
        return;
    scaleType_ = value;
    // A log scale cannot start at or below zero.
    if (value == ipstLog10 && !(min_ > 0))
        min_ = 1.0;
    DoChange();
}

void TiPlotAxis::SetDesiredIncrement(double value) {
    if (value > 1e300)
        value = 1e300;
    if (!(value >= 0))
        value = 0;
    SetDoubleProperty(value, desiredIncrement_, &TiPlotObject::DoChange);
}

// ---------------------------------------------------------------- other setters

void TiPlotAxis::SetLabelsFont(TFont* value) {
    if (value)
        labelsFont_->Assign(*value);
}

void TiPlotAxis::SetTitleFont(TFont* value) {
    if (value)
        titleFont_->Assign(*value);
}

template <class E> static void StoreEnum(TiPlotAxis& axis, E value, E& field) {
    if (value == field)
        return;
    field = value;
    axis.DoChange();
}

void TiPlotAxis::SetLabelsRotation(TiRotationAngle value) {
    StoreEnum(*this, value, labelsRotation_);
}
void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle value) {
    StoreEnum(*this, value, labels_.PrecisionStyle);
}
void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat value) {
    StoreEnum(*this, value, labels_.Style);
}
void TiPlotAxis::SetCursorFormatStyle(TiPlotTextFormat value) {
    StoreEnum(*this, value, cursor_.Format.Style);
}
void TiPlotAxis::SetCursorPrecisionStyle(TiPrecisionStyle value) {
    StoreEnum(*this, value, cursor_.Format.PrecisionStyle);
}
void TiPlotAxis::SetLegendFormatStyle(TiPlotTextFormat value) {
    StoreEnum(*this, value, legend_.Format.Style);
}
void TiPlotAxis::SetLegendPrecisionStyle(TiPrecisionStyle value) {
    StoreEnum(*this, value, legend_.Format.PrecisionStyle);
}
void TiPlotAxis::SetCartesianStyle(TiPlotCartesianStyle value) {
    StoreEnum(*this, value, cartesianStyle_);
}
void TiPlotAxis::SetTrackingStyle(TiPlotTrackingStyle value) {
    StoreEnum(*this, value, trackingStyle_);
}
void TiPlotAxis::SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle value) {
    StoreEnum(*this, value, trackingIncrementStyle_);
}
void TiPlotAxis::SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle value) {
    StoreEnum(*this, value, trackingAlignFirstStyle_);
}

void TiPlotAxis::SetCustomizeLabelEventText(const std::string& value) {
    customizeLabelEventText_ = value;
    customizeLabelEventModified_ = true;
}

// ---------------------------------------------------------------- reference axes

void TiPlotAxis::SetCartesianChildRefAxisName(const std::string& value) {
    cartesianRefAxis_ = nullptr;
    cartesianRefLooked_ = false;
    SetStringProperty(value, cartesianChildRefAxisName_, &TiPlotObject::DoChange);
}

void TiPlotAxis::SetAlignRefAxisName(const std::string& value) {
    alignRefAxis_ = nullptr;
    alignRefLooked_ = false;
    SetStringProperty(value, alignRefAxisName_, &TiPlotObject::DoChange);
}

TiPlotAxis* TiPlotAxis::GetCartesianRefAxis() {
    if (!cartesianRefLooked_) {
        if (IiPlotAxisHost* host = AxisHost()) {
            // The reference stands across this axis.
            cartesianRefAxis_ = LayoutRole() == TiLayoutRole::XAxis
                                    ? host->GetYAxisByName(cartesianChildRefAxisName_)
                                    : host->GetXAxisByName(cartesianChildRefAxisName_);
            cartesianRefLooked_ = cartesianRefAxis_ != nullptr;
        }
    }
    return cartesianRefAxis_;
}

TiPlotAxis* TiPlotAxis::GetAlignRefAxis() {
    if (!alignRefLooked_) {
        if (IiPlotAxisHost* host = AxisHost()) {
            alignRefAxis_ = LayoutRole() == TiLayoutRole::XAxis ? host->GetXAxisByName(alignRefAxisName_)
                                                                : host->GetYAxisByName(alignRefAxisName_);
            alignRefLooked_ = alignRefAxis_ != nullptr;
        }
    }
    return alignRefAxis_;
}

// ---------------------------------------------------------------- notifications

void TiPlotAxis::NotifyRemove(TObject* sender) {
    TiPlotLayoutObject::NotifyRemove(sender);
    if (sender && sender == cartesianRefAxis_) {
        cartesianRefAxis_ = nullptr;
        cartesianRefLooked_ = false;
    }
    if (sender && sender == alignRefAxis_) {
        alignRefAxis_ = nullptr;
        alignRefLooked_ = false;
    }
}

void TiPlotAxis::NotifyRename(TObject* sender) {
    TiPlotLayoutObject::NotifyRename(sender);
    if (sender && sender == cartesianRefAxis_)
        cartesianChildRefAxisName_ = cartesianRefAxis_->Name();
}

void TiPlotAxis::NotifySetFocus(TObject* sender) {
    TiPlotLayoutObject::NotifySetFocus(sender);
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == this || !other->UserSelected())
        return;
    // Axes are selected together with Shift or Ctrl held.
    if (dynamic_cast<TiPlotAxis*>(other) && (ShiftState() & (ssShift | ssCtrl)))
        return;
    SetUserSelected(false);
}

// ---------------------------------------------------------------- streaming

void TiPlotAxis::DefineProperties(TFiler& filer) {
    TiPlotLayoutObject::DefineProperties(filer);
    // Older names of Span. Held to the span's range: a stream cannot make
    // the axis divide by zero.
    auto readSpan = [this](TReader& reader) { span_ = Clamped(reader.ReadFloat(), 1e-300, 1e300); };
    filer.DefineProperty("Span_2", readSpan, nullptr, false);
    filer.DefineProperty("Span", readSpan, nullptr, false);
    // A zero is left out by the published writer but differs from the
    // construction default: it is written here so that it survives.
    filer.DefineProperty(
        "LabelSeparation", [this](TReader& reader) { labelSeparation_ = reader.ReadFloat(); },
        [this](TWriter& writer) { writer.WriteFloat(labelSeparation_); }, labelSeparation_ == 0.0);
    filer.DefineProperty(
        "TitleMargin", [this](TReader& reader) { titleMargin_ = reader.ReadFloat(); },
        [this](TWriter& writer) { writer.WriteFloat(titleMargin_); }, titleMargin_ == 0.0);
}
