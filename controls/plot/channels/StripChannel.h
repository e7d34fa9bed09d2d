#pragma once
// The strip-chart plot's channel: a series whose X normally runs one way,
// so that the visible part is found by binary search and drawing costs in
// proportion to what is visible, not to the whole history. Besides AddXY
// it stamps points with the current or the elapsed time, adds null and
// empty markers at an X, high-low-open-close points and whole arrays,
// refuses out-of-order X unless allowed, finds indices and interpolated Y
// values for an X, feeds the data cursor and hit-tests its curve. Dense
// straight-line traces are drawn with a few segments per pixel column.

#include "controls/plot/channels/ChannelOPC.h"
#include "controls/plot/channels/PlotChannelCustom.h"

#include <functional>
#include <vector>

// One pixel column's value left by interpolated drawing for the cursor.
struct TiPlotPixelPoint {
    bool Null = true;
    std::int32_t XPixel = 0;
    double YValue = 0;
};

class TiPlotChannel : public TiPlotChannelCustom, public TiChannelOPCBinding {
    KORVAN_CLASS(TiPlotChannel)
public:
    TiPlotChannel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                  TNotifyEvent onRename);

    // --- published ---
    bool FastDrawEnabled() const { return fastDrawEnabled_; }
    void SetFastDrawEnabled(bool value) {
        SetBooleanProperty(value, fastDrawEnabled_, &TiPlotObject::DoChange);
    }
    bool AllowOutOfOrderXValues() const { return allowOutOfOrderXValues_; }
    void SetAllowOutOfOrderXValues(bool value) { allowOutOfOrderXValues_ = value; }
    bool DrawOutOfOrderXValues() const { return drawOutOfOrderXValues_; }
    void SetDrawOutOfOrderXValues(bool value) {
        SetBooleanProperty(value, drawOutOfOrderXValues_, &TiPlotObject::DoChange);
    }
    bool ResetStartTimeOnFirstDataPoint() const { return resetStartTimeOnFirstDataPoint_; }
    void SetResetStartTimeOnFirstDataPoint(bool value) { resetStartTimeOnFirstDataPoint_ = value; }
    TiPlotInterpolationStyle InterpolationStyle() const { return interpolationStyle_; }
    void SetInterpolationStyle(TiPlotInterpolationStyle value);
    bool FillEnabled() const { return fillEnabled_; }
    void SetFillEnabled(bool value) { SetBooleanProperty(value, fillEnabled_, &TiPlotObject::DoChange); }
    double FillReference() const { return fillReference_; }
    void SetFillReference(double value) { SetDoubleProperty(value, fillReference_, &TiPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return fillStyle_; }
    void SetFillStyle(TBrushStyle value);
    TColor FillColor() const { return fillColor_; }
    void SetFillColor(TColor value) { SetColorProperty(value, fillColor_, &TiPlotObject::DoChange); }
    bool FillUseChannelColor() const { return fillUseChannelColor_; }
    void SetFillUseChannelColor(bool value) {
        SetBooleanProperty(value, fillUseChannelColor_, &TiPlotObject::DoChange);
    }
    bool BarEnabled() const { return barEnabled_; }
    void SetBarEnabled(bool value) { SetBooleanProperty(value, barEnabled_, &TiPlotObject::DoChange); }
    bool BarPenUseChannelColor() const { return barPenUseChannelColor_; }
    void SetBarPenUseChannelColor(bool value) {
        SetBooleanProperty(value, barPenUseChannelColor_, &TiPlotObject::DoChange);
    }
    bool BarBrushUseChannelColor() const { return barBrushUseChannelColor_; }
    void SetBarBrushUseChannelColor(bool value) {
        SetBooleanProperty(value, barBrushUseChannelColor_, &TiPlotObject::DoChange);
    }
    double BarReference() const { return List().StoredBarReference(); }
    void SetBarReference(double value);
    double BarWidth() const { return List().StoredBarWidth(); }
    void SetBarWidth(double value);
    TColor BarPenColor() const { return List().StoredBarPenColor(); }
    void SetBarPenColor(TColor value);
    std::int32_t BarPenWidth() const { return List().StoredBarPenWidth(); }
    void SetBarPenWidth(std::int32_t value);
    TPenStyle BarPenStyle() const { return List().StoredBarPenStyle(); }
    void SetBarPenStyle(TPenStyle value);
    TColor BarBrushColor() const { return List().StoredBarBrushColor(); }
    void SetBarBrushColor(TColor value);
    TBrushStyle BarBrushStyle() const { return List().StoredBarBrushStyle(); }
    void SetBarBrushStyle(TBrushStyle value);

    // Two-level trace: high for Y not 0, low for Y = 0, at the reference
    // levels (Y-axis values, or percent of the data view's height).
    bool DigitalEnabled() const { return digitalEnabled_; }
    void SetDigitalEnabled(bool value) {
        SetBooleanProperty(value, digitalEnabled_, &TiPlotObject::DoChange);
    }
    TiPlotDigitalReferenceStyle DigitalReferenceStyle() const { return digitalReferenceStyle_; }
    void SetDigitalReferenceStyle(TiPlotDigitalReferenceStyle value) {
        SetChanged(value, digitalReferenceStyle_);
    }
    double DigitalReferenceLow() const { return digitalReferenceLow_; }
    void SetDigitalReferenceLow(double value) {
        SetDoubleProperty(value, digitalReferenceLow_, &TiPlotObject::DoChange);
    }
    double DigitalReferenceHigh() const { return digitalReferenceHigh_; }
    void SetDigitalReferenceHigh(double value) {
        SetDoubleProperty(value, digitalReferenceHigh_, &TiPlotObject::DoChange);
    }
    // High-low points (the full list keeps their four values).
    TiPlotHighLowStyle HighLowStyle() const { return highLowStyle_; }
    void SetHighLowStyle(TiPlotHighLowStyle value) { SetChanged(value, highLowStyle_); }
    bool HighLowEnabled() const { return highLowEnabled_; }
    void SetHighLowEnabled(bool value) {
        SetBooleanProperty(value, highLowEnabled_, &TiPlotObject::DoChange);
    }
    TColor HighLowBarColor() const { return highLowBarColor_; }
    void SetHighLowBarColor(TColor value) {
        SetColorProperty(value, highLowBarColor_, &TiPlotObject::DoChange);
    }
    double HighLowBarWidth() const { return highLowBarWidth_; }
    void SetHighLowBarWidth(double value) {
        SetDoubleProperty(value, highLowBarWidth_, &TiPlotObject::DoChange);
    }
    bool HighLowOpenShow() const { return highLowOpenShow_; }
    void SetHighLowOpenShow(bool value) {
        SetBooleanProperty(value, highLowOpenShow_, &TiPlotObject::DoChange);
    }
    TColor HighLowOpenColor() const { return highLowOpenColor_; }
    void SetHighLowOpenColor(TColor value) {
        SetColorProperty(value, highLowOpenColor_, &TiPlotObject::DoChange);
    }
    double HighLowOpenWidth() const { return highLowOpenWidth_; }
    void SetHighLowOpenWidth(double value) {
        SetDoubleProperty(value, highLowOpenWidth_, &TiPlotObject::DoChange);
    }
    double HighLowOpenHeight() const { return highLowOpenHeight_; }
    void SetHighLowOpenHeight(double value) {
        SetDoubleProperty(value, highLowOpenHeight_, &TiPlotObject::DoChange);
    }
    bool HighLowCloseShow() const { return highLowCloseShow_; }
    void SetHighLowCloseShow(bool value) {
        SetBooleanProperty(value, highLowCloseShow_, &TiPlotObject::DoChange);
    }
    TColor HighLowCloseColor() const { return highLowCloseColor_; }
    void SetHighLowCloseColor(TColor value) {
        SetColorProperty(value, highLowCloseColor_, &TiPlotObject::DoChange);
    }
    double HighLowCloseWidth() const { return highLowCloseWidth_; }
    void SetHighLowCloseWidth(double value) {
        SetDoubleProperty(value, highLowCloseWidth_, &TiPlotObject::DoChange);
    }
    double HighLowCloseHeight() const { return highLowCloseHeight_; }
    void SetHighLowCloseHeight(double value) {
        SetDoubleProperty(value, highLowCloseHeight_, &TiPlotObject::DoChange);
    }
    TColor HighLowShadowColor() const { return highLowShadowColor_; }
    void SetHighLowShadowColor(TColor value) {
        SetColorProperty(value, highLowShadowColor_, &TiPlotObject::DoChange);
    }
    TColor HighLowBullishColor() const { return highLowBullishColor_; }
    void SetHighLowBullishColor(TColor value) {
        SetColorProperty(value, highLowBullishColor_, &TiPlotObject::DoChange);
    }
    TColor HighLowBearishColor() const { return highLowBearishColor_; }
    void SetHighLowBearishColor(TColor value) {
        SetColorProperty(value, highLowBearishColor_, &TiPlotObject::DoChange);
    }

    TiOPCXValueSourceStyle OPCXValueSource() const { return opcXValueSource_; }
    void SetOPCXValueSource(TiOPCXValueSourceStyle value) { opcXValueSource_ = value; }

    // --- OPC ---
    // Connects when item 0 connects automatically.
    void DoInsert() override;
    // Item 0 alone, or with X from a second item both in one group; nothing
    // at design time.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

    // --- public ---
    // Days, as the framework's date-time; the origin of the elapsed-time
    // adders.
    double ElapsedStartTime() const { return elapsedStartTime_; }
    void SetElapsedStartTime(double value) { elapsedStartTime_ = value; }
    void ResetElapsedStartTime() { elapsedStartTime_ = now_(); }
    // The clock of the time-stamped adders (local date-time in days).
    void SetClock(std::function<double()> now) { now_ = std::move(now); }
    bool XIncreasing() const { return xIncreasing_; }

    // --- adding points ---
    // "New Data-Point X-Value is out of order" when X goes back against the
    // direction of the first two points while that is not allowed.
    std::int32_t AddXY(double x, double y) override;
    std::int32_t AddXNull(double x);
    std::int32_t AddXEmpty(double x);
    std::int32_t AddHighLow(double x, double high, double low, double open, double close);
    std::int32_t AddYNow(double y);
    std::int32_t AddYElapsedTime(double y);
    std::int32_t AddYElapsedSeconds(double y);
    // Element k gets X = the last X (0 when empty) + k * xInterval.
    void AddYArray(double xInterval, const TiPlotValueArray& yData);

    // --- lookup ---
    // The first point at or after target in the direction of X; -1 outside
    // the data or without an X axis.
    std::int32_t CalcIndex(double target);
    // Y at x from the two points around it, at pixel resolution; false
    // where there is nothing to interpolate.
    bool GetYInterpolated(double x, double& y);
    TiPlotDataPointStatus GetYAtX(double x, double& y);

    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetFitXMax() override;
    double GetFitXMin() override;
    double GetFitYMax() override;
    double GetFitYMin() override;
    void UpdateDataCursor(IiPlotChannelCursor& cursor) override;

    // --- drawing ---
    void PrepareDraw() override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) override;
    void DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) override;
    TRect GetBarRect(std::int32_t index) override;
    // Raises "Pixel List XPixel out of Range" outside the prepared columns.
    void StorePixelValue(std::int32_t xPixel, double yValue);

protected:
    ~TiPlotChannel() override = default;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    bool BarsShown() const override { return barEnabled_; }

private:
    void ApplyStartTimeRule();
    void CheckXOrder(double x) const;
    void UpdateXIncreasing();
    std::int32_t FindIndex(double x, bool increasing) const;
    std::int32_t DrawRangeEnd(bool start);
    double FitYOverDrawRange(bool largest);
    template <class E> void SetChanged(E value, E& field) {
        if (value == field)
            return;
        field = value;
        DoChange();
    }
    // Walks the draw range: empty points are skipped, a null point calls
    // onNull, every other point onPoint(x, y).
    template <class P, class N> void ForEachDrawnPoint(P onPoint, N onNull) const {
        const TiPlotDataCustomList& list = List();
        double x = 0, y = 0;
        bool empty = false, null = false;
        for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
            list.GetXYEmptyNull(i, x, y, empty, null);
            if (empty)
                continue;
            if (null)
                onNull();
            else
                onPoint(x, y);
        }
    }
    // The axes, with the solid pen and brush of the high-low styles; false
    // when there is nothing to draw.
    bool BeginHighLow(TCanvas& canvas, TColor backGroundColor);
    void DrawDigital(TCanvas& canvas, bool xyAxesReversed);
    void DrawDigitalMarkers(TCanvas& canvas, TColor backGroundColor);
    void DrawHighLowOpenClose(TCanvas& canvas, TColor backGroundColor);
    void DrawCandleSticks(TCanvas& canvas, TColor backGroundColor);
    void DrawFill(TCanvas& canvas, TColor backGroundColor);
    void DrawBars(TCanvas& canvas, TColor backGroundColor);
    void DrawFast(TCanvas& canvas, bool xyAxesReversed);
    void DrawStepTrace(TCanvas& canvas, bool xyAxesReversed);
    // The interpolating styles: one value per pixel column of the X range
    // the points span, joined, filled down as vertical lines and left in
    // the pixel cache for the cursor.
    void DrawCubicSpline(TCanvas& canvas, bool xyAxesReversed);
    void DrawCurve(TCanvas& canvas, bool xyAxesReversed, double firstX, double lastX,
                   const std::function<double(double)>& valueAt);

    bool fastDrawEnabled_ = true;
    bool allowOutOfOrderXValues_ = true;
    bool drawOutOfOrderXValues_ = false;
    bool resetStartTimeOnFirstDataPoint_ = false;
    TiPlotInterpolationStyle interpolationStyle_ = ipistStraightLine;
    bool fillEnabled_ = false;
    double fillReference_ = 0;
    TBrushStyle fillStyle_ = bsSolid;
    TColor fillColor_ = clBlack;
    bool fillUseChannelColor_ = true;
    bool barEnabled_ = false;
    bool barPenUseChannelColor_ = true;
    bool barBrushUseChannelColor_ = true;
    bool digitalEnabled_ = false;
    TiPlotDigitalReferenceStyle digitalReferenceStyle_ = ipdrScale;
    double digitalReferenceLow_ = 10;
    double digitalReferenceHigh_ = 90;
    TiPlotHighLowStyle highLowStyle_ = iphlsOpenClose;
    bool highLowEnabled_ = false;
    TColor highLowBarColor_ = TColor(16776960);
    double highLowBarWidth_ = 0.5;
    bool highLowOpenShow_ = true;
    TColor highLowOpenColor_ = TColor(65280);
    double highLowOpenWidth_ = 1;
    double highLowOpenHeight_ = 1;
    bool highLowCloseShow_ = true;
    TColor highLowCloseColor_ = TColor(255);
    double highLowCloseWidth_ = 1;
    double highLowCloseHeight_ = 1;
    TColor highLowShadowColor_ = TColor(8421504);
    TColor highLowBullishColor_ = TColor(16777215);
    TColor highLowBearishColor_ = TColor(8421504);
    std::int32_t pixelsHigh_ = 0;
    std::int32_t pixelsLow_ = 0;
    bool xIncreasing_ = true;
    // Every new value of an item (X by OPCXValueSource), and each group
    // update (X from item 0, Y from item 1).
    void OPCNewData(const TiOPCItem& item);
    void OPCGroupUpdated();

    TiOPCXValueSourceStyle opcXValueSource_ = iopcxvsOPCServerTimeStamp;
    double elapsedStartTime_ = 0;
    std::function<double()> now_;
    std::vector<TiPlotPixelPoint> pixelList_;
    std::int32_t pixelListStart_ = 0;
    std::int32_t pixelListStop_ = 0;
};
