#pragma once
// The plot axis: maps data values to pixels along one edge of the data view
// and draws that mapping (scale line, major and minor ticks, tick labels
// and a title). Channels convert their points through an axis, the data
// view draws its grid lines at the axis' ticks.
//
// On each paint the plot calls CalcTickList, lays the axes out (draw
// rectangle, stacking, GetRequiredWidth, GetRequiredEndsMargin,
// CalcScaleRect), calls CalcTickList again, then PrepareDraw, the data
// view's DrawGridLines and Draw.

#include "controls/plot/axes/AxisTypes.h"
#include "controls/plot/axes/AxisValueText.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>
#include <vector>

class IiPlotAxisHost;

class TiPlotAxis : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotAxis)
public:
    TiPlotAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
               TNotifyEvent onRename);

    // --- scale ---
    double Min() const { return min_; }
    void SetMin(double value);
    double Span() const { return span_; }
    void SetSpan(double value);
    double Max() const { return min_ + span_; }
    double Mid() const { return min_ + span_ / 2; }
    // Both at once: the plot hears one min-span change after the two.
    void SetMinSpan(double newMin, double newSpan);
    bool ReverseScale() const { return reverseScale_; }
    void SetReverseScale(bool value) { SetBooleanProperty(value, reverseScale_, &TiPlotObject::DoChange); }
    TiPlotScaleType ScaleType() const { return scaleType_; }
    void SetScaleType(TiPlotScaleType value);
    double DesiredStart() const { return desiredStart_; }
    void SetDesiredStart(double value) { SetDoubleProperty(value, desiredStart_, &TiPlotObject::DoChange); }
    double DesiredIncrement() const { return desiredIncrement_; }
    void SetDesiredIncrement(double value);

    // --- scale line and ticks ---
    int InnerMargin() const { return innerMargin_; }
    void SetInnerMargin(int value) { SetIntegerProperty(value, innerMargin_, &TiPlotObject::DoChange); }
    int OuterMargin() const { return outerMargin_; }
    void SetOuterMargin(int value) { SetIntegerProperty(value, outerMargin_, &TiPlotObject::DoChange); }
    int MajorLength() const { return majorLength_; }
    void SetMajorLength(int value) { SetIntegerProperty(value, majorLength_, &TiPlotObject::DoChange); }
    int MinorLength() const { return minorLength_; }
    void SetMinorLength(int value) { SetIntegerProperty(value, minorLength_, &TiPlotObject::DoChange); }
    int MinorCount() const { return minorCount_; }
    void SetMinorCount(int value) { SetIntegerProperty(value, minorCount_, &TiPlotObject::DoChange); }
    bool ScaleLineShow() const { return scaleLineShow_; }
    void SetScaleLineShow(bool value) { SetBooleanProperty(value, scaleLineShow_, &TiPlotObject::DoChange); }
    bool ScaleLinesShow() const { return scaleLinesShow_; }
    void SetScaleLinesShow(bool value) {
        SetBooleanProperty(value, scaleLinesShow_, &TiPlotObject::DoChange);
    }
    TColor ScaleLinesColor() const { return scaleLinesColor_; }
    void SetScaleLinesColor(TColor value) {
        SetColorProperty(value, scaleLinesColor_, &TiPlotObject::DoChange);
    }
    double StackingEndsMargin() const { return stackingEndsMargin_; }
    void SetStackingEndsMargin(double value) {
        SetDoubleProperty(value, stackingEndsMargin_, &TiPlotObject::DoChange);
    }
    bool GridLinesVisible() const { return gridLinesVisible_; }
    void SetGridLinesVisible(bool value) {
        SetBooleanProperty(value, gridLinesVisible_, &TiPlotObject::DoChange);
    }

    // --- labels ---
    bool LabelsVisible() const { return labelsVisible_; }
    void SetLabelsVisible(bool value) { SetBooleanProperty(value, labelsVisible_, &TiPlotObject::DoChange); }
    double LabelsMargin() const { return labelsMargin_; }
    void SetLabelsMargin(double value) { SetDoubleProperty(value, labelsMargin_, &TiPlotObject::DoChange); }
    TFont* LabelsFont() const { return labelsFont_.get(); }
    void SetLabelsFont(TFont* value);
    double LabelSeparation() const { return labelSeparation_; }
    void SetLabelSeparation(double value) {
        SetDoubleProperty(value, labelSeparation_, &TiPlotObject::DoChange);
    }
    TiRotationAngle LabelsRotation() const { return labelsRotation_; }
    void SetLabelsRotation(TiRotationAngle value);
    int LabelsPrecision() const { return labels_.Precision; }
    void SetLabelsPrecision(int value) {
        SetIntegerProperty(value, labels_.Precision, &TiPlotObject::DoChange);
    }
    TiPrecisionStyle LabelsPrecisionStyle() const { return labels_.PrecisionStyle; }
    void SetLabelsPrecisionStyle(TiPrecisionStyle value);
    TiPlotTextFormat LabelsFormatStyle() const { return labels_.Style; }
    void SetLabelsFormatStyle(TiPlotTextFormat value);
    const std::string& DateTimeFormat() const { return labels_.DateTimeFormat; }
    void SetDateTimeFormat(const std::string& value) {
        SetStringProperty(value, labels_.DateTimeFormat, &TiPlotObject::DoChange);
    }
    double LabelsMinLength() const { return labelsMinLength_; }
    void SetLabelsMinLength(double value) {
        SetDoubleProperty(value, labelsMinLength_, &TiPlotObject::DoChange);
    }
    bool LabelsMinLengthAutoAdjust() const { return labelsMinLengthAutoAdjust_; }
    void SetLabelsMinLengthAutoAdjust(bool value) {
        SetBooleanProperty(value, labelsMinLengthAutoAdjust_, &TiPlotObject::DoChange);
    }

    // --- title ---
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { SetStringProperty(value, title_, &TiPlotObject::DoChange); }
    bool TitleShow() const { return titleShow_; }
    void SetTitleShow(bool value) { SetBooleanProperty(value, titleShow_, &TiPlotObject::DoChange); }
    double TitleMargin() const { return titleMargin_; }
    void SetTitleMargin(double value) { SetDoubleProperty(value, titleMargin_, &TiPlotObject::DoChange); }
    TFont* TitleFont() const { return titleFont_.get(); }
    void SetTitleFont(TFont* value);
    bool TitleRotated() const { return titleRotated_; }
    void SetTitleRotated(bool value) { SetBooleanProperty(value, titleRotated_, &TiPlotObject::DoChange); }

    // --- data cursor and legend texts ---
    struct TextSettings {
        bool UseDefaultFormat = true;
        korvan::plot::TiValueTextFormat Format;
        double MinLength = 5.0;
        bool MinLengthAutoAdjust = false;
    };
    TextSettings& CursorTextSettings() { return cursor_; }
    const TextSettings& CursorTextSettings() const { return cursor_; }
    TextSettings& LegendTextSettings() { return legend_; }
    const TextSettings& LegendTextSettings() const { return legend_; }
    bool CursorUseDefaultFormat() const { return cursor_.UseDefaultFormat; }
    void SetCursorUseDefaultFormat(bool value) {
        SetBooleanProperty(value, cursor_.UseDefaultFormat, &TiPlotObject::DoChange);
    }
    TiPlotTextFormat CursorFormatStyle() const { return cursor_.Format.Style; }
    void SetCursorFormatStyle(TiPlotTextFormat value);
    const std::string& CursorDateTimeFormat() const { return cursor_.Format.DateTimeFormat; }
    void SetCursorDateTimeFormat(const std::string& value) {
        SetStringProperty(value, cursor_.Format.DateTimeFormat, &TiPlotObject::DoChange);
    }
    TiPrecisionStyle CursorPrecisionStyle() const { return cursor_.Format.PrecisionStyle; }
    void SetCursorPrecisionStyle(TiPrecisionStyle value);
    int CursorPrecision() const { return cursor_.Format.Precision; }
    void SetCursorPrecision(int value) {
        SetIntegerProperty(value, cursor_.Format.Precision, &TiPlotObject::DoChange);
    }
    double CursorMinLength() const { return cursor_.MinLength; }
    void SetCursorMinLength(double value) {
        SetDoubleProperty(value, cursor_.MinLength, &TiPlotObject::DoChange);
    }
    bool CursorMinLengthAutoAdjust() const { return cursor_.MinLengthAutoAdjust; }
    void SetCursorMinLengthAutoAdjust(bool value) {
        SetBooleanProperty(value, cursor_.MinLengthAutoAdjust, &TiPlotObject::DoChange);
    }
    bool LegendUseDefaultFormat() const { return legend_.UseDefaultFormat; }
    void SetLegendUseDefaultFormat(bool value) {
        SetBooleanProperty(value, legend_.UseDefaultFormat, &TiPlotObject::DoChange);
    }
    TiPlotTextFormat LegendFormatStyle() const { return legend_.Format.Style; }
    void SetLegendFormatStyle(TiPlotTextFormat value);
    const std::string& LegendDateTimeFormat() const { return legend_.Format.DateTimeFormat; }
    void SetLegendDateTimeFormat(const std::string& value) {
        SetStringProperty(value, legend_.Format.DateTimeFormat, &TiPlotObject::DoChange);
    }
    TiPrecisionStyle LegendPrecisionStyle() const { return legend_.Format.PrecisionStyle; }
    void SetLegendPrecisionStyle(TiPrecisionStyle value);
    int LegendPrecision() const { return legend_.Format.Precision; }
    void SetLegendPrecision(int value) {
        SetIntegerProperty(value, legend_.Format.Precision, &TiPlotObject::DoChange);
    }
    double LegendMinLength() const { return legend_.MinLength; }
    void SetLegendMinLength(double value) {
        SetDoubleProperty(value, legend_.MinLength, &TiPlotObject::DoChange);
    }
    bool LegendMinLengthAutoAdjust() const { return legend_.MinLengthAutoAdjust; }
    void SetLegendMinLengthAutoAdjust(bool value) {
        SetBooleanProperty(value, legend_.MinLengthAutoAdjust, &TiPlotObject::DoChange);
    }
    double CursorScaler() const { return cursorScaler_; }
    void SetCursorScaler(double value) { SetDoubleProperty(value, cursorScaler_, &TiPlotObject::DoChange); }

    // --- cartesian and aligned axes ---
    TiPlotCartesianStyle CartesianStyle() const { return cartesianStyle_; }
    void SetCartesianStyle(TiPlotCartesianStyle value);
    const std::string& CartesianChildRefAxisName() const { return cartesianChildRefAxisName_; }
    void SetCartesianChildRefAxisName(const std::string& value);
    double CartesianChildRefValue() const { return cartesianChildRefValue_; }
    void SetCartesianChildRefValue(double value) {
        SetDoubleProperty(value, cartesianChildRefValue_, &TiPlotObject::DoChange);
    }
    const std::string& AlignRefAxisName() const { return alignRefAxisName_; }
    void SetAlignRefAxisName(const std::string& value);
    // The axis named by CartesianChildRefAxisName among the axes of the other
    // direction, and by AlignRefAxisName among those of this direction;
    // cached, null when no axis has the name.
    TiPlotAxis* GetCartesianRefAxis();
    TiPlotAxis* GetAlignRefAxis();
    bool IsCartesian() const { return cartesianStyle_ != ipcsNone; }

    // --- tracking and user input (stored; the plot drives them) ---
    bool TrackingEnabled() const { return trackingEnabled_; }
    // Switching off keeps the range for a later resume, switching on
    // restores it (with RestoreValuesOnResume).
    void SetTrackingEnabled(bool value);
    double TrackingScrollCompressMax() const { return trackingScrollCompressMax_; }
    void SetTrackingScrollCompressMax(double value) {
        SetDoubleProperty(value, trackingScrollCompressMax_, &TiPlotObject::DoChange);
    }
    double TrackingSpanMinimum() const { return trackingSpanMinimum_; }
    void SetTrackingSpanMinimum(double value) {
        SetDoubleProperty(value, trackingSpanMinimum_, &TiPlotObject::DoChange);
    }
    double TrackingMaxMargin() const { return trackingMaxMargin_; }
    void SetTrackingMaxMargin(double value) {
        SetDoubleProperty(value, trackingMaxMargin_, &TiPlotObject::DoChange);
    }
    double TrackingMinMargin() const { return trackingMinMargin_; }
    void SetTrackingMinMargin(double value) {
        SetDoubleProperty(value, trackingMinMargin_, &TiPlotObject::DoChange);
    }
    TiPlotTrackingStyle TrackingStyle() const { return trackingStyle_; }
    void SetTrackingStyle(TiPlotTrackingStyle value);
    TiPlotTrackingIncrementStyle TrackingIncrementStyle() const { return trackingIncrementStyle_; }
    void SetTrackingIncrementStyle(TiPlotTrackingIncrementStyle value);
    TiPlotAlignFirstStyle TrackingAlignFirstStyle() const { return trackingAlignFirstStyle_; }
    void SetTrackingAlignFirstStyle(TiPlotAlignFirstStyle value);
    bool RestoreValuesOnResume() const { return restoreValuesOnResume_; }
    void SetRestoreValuesOnResume(bool value) {
        SetBooleanProperty(value, restoreValuesOnResume_, &TiPlotObject::DoChange);
    }
    bool MasterUIInput() const { return masterUIInput_; }
    void SetMasterUIInput(bool value) { SetBooleanProperty(value, masterUIInput_, &TiPlotObject::DoChange); }
    bool ScrollMinMaxEnabled() const { return scrollMinMaxEnabled_; }
    void SetScrollMinMaxEnabled(bool value) {
        SetBooleanProperty(value, scrollMinMaxEnabled_, &TiPlotObject::DoChange);
    }
    double ScrollMin() const { return scrollMin_; }
    void SetScrollMin(double value) { SetDoubleProperty(value, scrollMin_, &TiPlotObject::DoChange); }
    double ScrollMax() const { return scrollMax_; }
    void SetScrollMax(double value) { SetDoubleProperty(value, scrollMax_, &TiPlotObject::DoChange); }

    TiPlotAxisMode Mode() const { return mode_; }
    void SetMode(TiPlotAxisMode value);

    // --- tracking and zooming ---
    // One new data value on this axis.
    void NewTrackingData(double value);
    // Fits the range to the channels drawn against this axis: their data,
    // or (fast) their running lowest and highest values.
    void ZoomToFit();
    void ZoomToFitFast();
    void ResetFirstAlign() { firstAlignDone_ = false; }
    void UpdateResumeValues();
    // About the middle: a factor above 1 zooms out; on a log axis the
    // factor is a power of ten of either sign.
    void Zoom(double factor);
    // The range of a pixel rectangle.
    void ZoomToRect(const TRect& rect);

    // --- mouse and keys ---
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                    TPopupMenu* popupMenu) override;
    void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                    bool dblClickActive) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                  bool dblClickActive, TPopupMenu* popupMenu) override;
    void iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

    // --- conversions ---
    void CalcScaleRect(TCanvas& canvas);
    int PositionToPixels(double value) const;
    double PixelsToPosition(double value) const;
    double PositionToPercent(double value) const;
    double PercentToPosition(double value) const;
    int WidthToPixels(double value) const;
    bool ValueOnScale(double value) const { return PointOnScale(value); }
    int MinPixels() const { return PositionToPixels(Min()); }
    int MaxPixels() const { return PositionToPixels(Max()); }
    TiQuadSide QuadSide() const { return quadSide_; }
    TRect ScaleRect() const { return scaleRect_; }
    TRect FocusRect() const { return focusRect_; }

    // --- texts ---
    std::string GetLabelText(double value);
    std::string GetCursorText(double value);
    std::string GetCursorValueText(double value);
    std::string GetLegendText(double value);
    int GetCursorMinWidth(TCanvas& canvas, const TFont& font) const;
    int GetLegendMinWidth(TCanvas& canvas, const TFont& font) const;
    // Written inside the plot's label-customising event, replaces the label.
    const std::string& CustomizeLabelEventText() const { return customizeLabelEventText_; }
    void SetCustomizeLabelEventText(const std::string& value);

    // --- ticks ---
    void CalcTickList(TCanvas& canvas);
    // With TickListCustom the tick calculation leaves the list to the
    // application.
    bool TickListCustom() const { return tickListCustom_; }
    void SetTickListCustom(bool value) { tickListCustom_ = value; }
    int TickListCount() const { return int(ticks_.size()); }
    const TiPlotTickObject& Tick(int index) const { return ticks_.at(std::size_t(index)); }
    void TickListClear();
    // Appends a tick and returns its index; raises on a log10 axis when
    // position is not above 0.
    int TickListAdd(double position, const std::string& label, TiPlotTickType style);
    double MajorIncrement() const { return majorIncrement_; }
    double MinorIncrement() const { return minorIncrement_; }

    // --- room and painting ---
    int GetRequiredWidth(TCanvas& canvas) override;
    int GetRequiredEndsMargin(TCanvas& canvas) override;
    int GetMaxLabelWidth(TCanvas& canvas, const TFont& font);
    void PrepareDraw() override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void DrawGridLines(TCanvas& canvas, const TRect& rect, bool majorsShow, bool minorsShow,
                       TiPlotGridLineStyle majorStyle, TColor majorColor, int majorWidth,
                       TiPlotGridLineStyle minorStyle, TColor minorColor, int minorWidth) const;

    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    void DefineProperties(TFiler& filer) override;

    // The data view hands its drags and wheel inside the plot area on to
    // every axis.
    void DataViewMouseLeft(TiPlotMouseData& mouseData) { DoMouseLeft(mouseData); }
    void DataViewMouseMove(TiPlotMouseData& mouseData) { DoMouseMove(mouseData); }
    void DataViewMouseUp(TiPlotMouseData& mouseData) { DoMouseUp(mouseData); }
    bool DataViewMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
        return DoMouseWheel(wheelDelta, shift, x, y);
    }

protected:
    ~TiPlotAxis() override;
    IiPlotAxisHost* AxisHost() const;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;
    bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) override;

private:
    bool PointOnScale(double value) const;
    // Interaction steps.
    TiPlotAxisMode GetEffectiveMode(TShiftState shift) const;
    void ScrollByFraction(double oldMin, double oldSpan, double oldMax, double fraction);
    void ZoomByFactor(double oldMin, double oldSpan, double oldMax, double factor);
    void AlignToTrackingIncrement();
    void FitTo(bool fast);
    void FinishRangeChange();
    // The label text of a value with the given settings, customised by the
    // plot and, when asked, growing the minimum length.
    std::string FormatText(const korvan::plot::TiValueTextFormat& format, double value, bool autoAdjust,
                           double& minLength);
    const korvan::plot::TiValueTextFormat& CursorFormat() const;
    const korvan::plot::TiValueTextFormat& LegendFormat() const;
    // Tick calculation steps.
    int LabelSlot(TCanvas& canvas);
    void DecimalIncrement(int fit, double& increment, int& count) const;
    void DateTimeIncrement(int fit, double& increment, int& count);
    void PriceIncrement(int fit, double& increment, int& count) const;
    void LogarithmicTicks(int fit);
    double FirstTick(double increment) const;
    void PlaceTicks(double increment);
    void AddTick(double value, TiPlotTickType type);
    void RefreshTicks();
    // Drawing steps.
    void DrawScaleLine(TCanvas& canvas) const;
    void DrawTickMark(TCanvas& canvas, const TiPlotTickObject& tick) const;
    void DrawTickLabel(TCanvas& canvas, const TiPlotTickObject& tick, TColor backGroundColor);
    void DrawTitle(TCanvas& canvas) const;
    int LabelsAcross(TCanvas& canvas);

    double min_ = 0;
    double span_ = 100;
    bool reverseScale_ = false;
    TiPlotScaleType scaleType_ = ipstLinear;
    double desiredStart_ = 0;
    double desiredIncrement_ = 0;
    int innerMargin_ = 5;
    int outerMargin_ = 5;
    int majorLength_ = 7;
    int minorLength_ = 3;
    int minorCount_ = 1;
    bool scaleLineShow_ = true;
    bool scaleLinesShow_ = true;
    TColor scaleLinesColor_ = clWhite;
    double stackingEndsMargin_ = 0.5;
    bool gridLinesVisible_ = true;
    bool labelsVisible_ = true;
    double labelsMargin_ = 0.25;
    std::unique_ptr<TFont> labelsFont_;
    double labelSeparation_ = 2.0;
    TiRotationAngle labelsRotation_ = ira000;
    korvan::plot::TiValueTextFormat labels_{iptfValue, "hh:nn:ss", ipsSignificantDigits, 3};
    double labelsMinLength_ = 5.0;
    bool labelsMinLengthAutoAdjust_ = false;
    std::string title_;
    bool titleShow_ = false;
    double titleMargin_ = 0.25;
    std::unique_ptr<TFont> titleFont_;
    bool titleRotated_ = false;
    TextSettings cursor_{true, {iptfValue, "hh:nn:ss", ipsSignificantDigits, 3}, 5.0, false};
    TextSettings legend_{true, {iptfValue, "hh:nn:ss", ipsSignificantDigits, 3}, 5.0, false};
    double cursorScaler_ = 1.0;
    TiPlotCartesianStyle cartesianStyle_ = ipcsNone;
    std::string cartesianChildRefAxisName_ = "<None>";
    double cartesianChildRefValue_ = 0;
    std::string alignRefAxisName_ = "<None>";
    TiPlotAxis* cartesianRefAxis_ = nullptr;
    bool cartesianRefLooked_ = false;
    TiPlotAxis* alignRefAxis_ = nullptr;
    bool alignRefLooked_ = false;
    bool trackingEnabled_ = false;
    TiPlotTrackingStyle trackingStyle_ = iptsScaleMinMax;
    TiPlotTrackingIncrementStyle trackingIncrementStyle_ = iptisMinimum;
    TiPlotAlignFirstStyle trackingAlignFirstStyle_ = ipafsNone;
    bool restoreValuesOnResume_ = false;
    bool masterUIInput_ = false;
    bool scrollMinMaxEnabled_ = false;
    double scrollMin_ = 0;
    double scrollMax_ = 100;
    double trackingScrollCompressMax_ = 0;
    double trackingSpanMinimum_ = 0;
    double trackingMaxMargin_ = 0;
    double trackingMinMargin_ = 0;
    TiPlotAxisMode mode_ = ipamScroll;
    bool mouseDown_ = false;
    int mouseDownX_ = 0, mouseDownY_ = 0;
    double mouseDownMin_ = 0, mouseDownSpan_ = 0;
    TShiftState inputShift_ = 0;
    bool firstAlignDone_ = false;
    double previousMin_ = 0, previousSpan_ = 100, previousLabelsMinLength_ = 0;

    TRect scaleRect_{};
    TRect focusRect_{};
    TiQuadSide quadSide_ = iqsLeft;
    int actualStart_ = 0;
    int actualStop_ = 0;
    double pixelsPerSpanUnit_ = 0;
    int requiredWidth_ = 0;
    std::vector<TiPlotTickObject> ticks_;
    double majorIncrement_ = 0;
    double minorIncrement_ = 0;
    bool tickListCustom_ = false;
    bool blockMinSpanEvents_ = false;
    bool allowLabelMinAdjust_ = false;
    bool monthModeEnabled_ = false;
    bool yearModeEnabled_ = false;
    std::string customizeLabelEventText_;
    bool customizeLabelEventModified_ = false;
    mutable IiPlotAxisHost* axisHost_ = nullptr;
};
