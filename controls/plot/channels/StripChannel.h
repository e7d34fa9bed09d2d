#pragma once
// The strip-chart plot's channel: a series whose X normally runs one way,
// so that the visible part is found by binary search and drawing costs in
// proportion to what is visible, not to the whole history. Besides AddXY
// it stamps points with the current or the elapsed time, adds null and
// empty markers at an X, high-low-open-close points and whole arrays,
// refuses out-of-order X unless allowed, finds indices and interpolated Y
// values for an X, feeds the data cursor and hit-tests its curve. Dense
// straight-line traces are drawn with a few segments per pixel column.

#include "controls/plot/channels/PlotChannelCustom.h"

#include <functional>
#include <vector>

// One pixel column's value left by interpolated drawing for the cursor.
struct TiPlotPixelPoint {
    bool Null = true;
    std::int32_t XPixel = 0;
    double YValue = 0;
};

class TiPlotChannel : public TiPlotChannelCustom {
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
    bool xIncreasing_ = true;
    double elapsedStartTime_ = 0;
    std::function<double()> now_;
    std::vector<TiPlotPixelPoint> pixelList_;
    std::int32_t pixelListStart_ = 0;
    std::int32_t pixelListStop_ = 0;
};
