#pragma once
// The base of every data series of a plot (the strip-chart channel and the
// XY channel). A channel owns its point list (of the kind DataStyle
// chooses) and running statistics, names the X and Y axis it is drawn
// against and finds them through the plot by name, feeds new points to
// their tracking, draws its trace and markers on them, hit-tests its
// markers for hints, clicks and drags, and answers the fit queries with
// which axes zoom to fit.
//
// Setters follow the plot-object rule: a changed value is stored, then the
// plot hears DoChange. The trace and marker settings live in the point
// list's stored defaults, so a list kind with per-point attributes starts
// each point with them; those setters notify even when unchanged.

#include "controls/plot/channels/ChannelHost.h"
#include "controls/plot/channels/ChannelTypes.h"
#include "controls/plot/core/ChannelLog.h"
#include "controls/plot/core/ChannelPoints.h"
#include "controls/plot/core/PlotObject.h"
#include "platform/gfx/GraphicsObjects.h"

#include <cstdint>
#include <memory>
#include <string>

class IiPlotAxisHost;
class TiPlotAxis;
class TiPlotXAxis;

// A point in axis values.
struct TiValuePoint {
    double X = 0;
    double Y = 0;
};
class TiPlotYAxis;

class TiPlotChannelCustom : public TiPlotManagerObject {
    KORVAN_CLASS(TiPlotChannelCustom)
public:
    TiPlotChannelCustom(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                        TNotifyEvent onRemove, TNotifyEvent onRename);

    // --- published ---
    const std::string& TitleText() const { return titleText_; }
    void SetTitleText(const std::string& value) {
        SetStringProperty(value, titleText_, &TiPlotObject::DoChange);
    }
    bool VisibleInLegend() const { return visibleInLegend_; }
    void SetVisibleInLegend(bool value) {
        SetBooleanProperty(value, visibleInLegend_, &TiPlotObject::DoChange);
    }
    bool ClipToAxes() const { return clipToAxes_; }
    void SetClipToAxes(bool value) { SetBooleanProperty(value, clipToAxes_, &TiPlotObject::DoChange); }
    bool ShowDataPointHints() const { return showDataPointHints_; }
    void SetShowDataPointHints(bool value) { showDataPointHints_ = value; }
    bool UserCanMoveDataPoints() const { return userCanMoveDataPoints_; }
    void SetUserCanMoveDataPoints(bool value) { userCanMoveDataPoints_ = value; }
    TiPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return userCanMoveDataPointsStyle_; }
    void SetUserCanMoveDataPointsStyle(TiPlotChannelDataPointMoveStyle value) {
        userCanMoveDataPointsStyle_ = value;
    }
    std::int32_t RingBufferSize() const { return List().RingBufferSize(); }
    void SetRingBufferSize(std::int32_t value);
    bool TraceVisible() const { return traceVisible_; }
    void SetTraceVisible(bool value) { SetBooleanProperty(value, traceVisible_, &TiPlotObject::DoChange); }
    TColor Color() const { return List().StoredTraceLineColor(); }
    void SetColor(TColor value);
    TiPlotLineStyle TraceLineStyle() const { return List().StoredTraceLineStyle(); }
    void SetTraceLineStyle(TiPlotLineStyle value);
    std::int32_t TraceLineWidth() const { return List().StoredTraceLineWidth(); }
    void SetTraceLineWidth(std::int32_t value);
    bool MarkersAllowIndividual() const { return markersAllowIndividual_; }
    void SetMarkersAllowIndividual(bool value) {
        SetBooleanProperty(value, markersAllowIndividual_, &TiPlotObject::DoChange);
    }
    bool MarkersPenUseChannelColor() const { return markersPenUseChannelColor_; }
    void SetMarkersPenUseChannelColor(bool value) {
        SetBooleanProperty(value, markersPenUseChannelColor_, &TiPlotObject::DoChange);
    }
    bool MarkersBrushUseChannelColor() const { return markersBrushUseChannelColor_; }
    void SetMarkersBrushUseChannelColor(bool value) {
        SetBooleanProperty(value, markersBrushUseChannelColor_, &TiPlotObject::DoChange);
    }
    std::int32_t MarkersTurnOffLimit() const { return markersTurnOffLimit_; }
    void SetMarkersTurnOffLimit(std::int32_t value) {
        SetIntegerProperty(value, markersTurnOffLimit_, &TiPlotObject::DoChange);
    }
    bool MarkersVisible() const { return List().StoredMarkerVisible(); }
    void SetMarkersVisible(bool value);
    std::int32_t MarkersSize() const { return List().StoredMarkerSize(); }
    void SetMarkersSize(std::int32_t value);
    TiPlotMarkerStyle MarkersStyle() const { return List().StoredMarkerStyle(); }
    void SetMarkersStyle(TiPlotMarkerStyle value);
    TColor MarkersPenColor() const { return List().StoredMarkerPenColor(); }
    void SetMarkersPenColor(TColor value);
    TPenStyle MarkersPenStyle() const { return List().StoredMarkerPenStyle(); }
    void SetMarkersPenStyle(TPenStyle value);
    std::int32_t MarkersPenWidth() const { return List().StoredMarkerPenWidth(); }
    void SetMarkersPenWidth(std::int32_t value);
    TColor MarkersBrushColor() const { return List().StoredMarkerBrushColor(); }
    void SetMarkersBrushColor(TColor value);
    TBrushStyle MarkersBrushStyle() const { return List().StoredMarkerBrushStyle(); }
    void SetMarkersBrushStyle(TBrushStyle value);
    TFont* MarkersFont() const { return markersFont_.get(); }
    void SetMarkersFont(TFont* value);
    const std::string& XAxisName() const { return xAxisName_; }
    void SetXAxisName(const std::string& value);
    const std::string& YAxisName() const { return yAxisName_; }
    void SetYAxisName(const std::string& value);
    bool XAxisTrackingEnabled() const { return xAxisTrackingEnabled_; }
    void SetXAxisTrackingEnabled(bool value) {
        SetBooleanProperty(value, xAxisTrackingEnabled_, &TiPlotObject::DoChange);
    }
    bool YAxisTrackingEnabled() const { return yAxisTrackingEnabled_; }
    void SetYAxisTrackingEnabled(bool value) {
        SetBooleanProperty(value, yAxisTrackingEnabled_, &TiPlotObject::DoChange);
    }
    const std::string& LogFileName() const { return log_.FileName(); }
    // Refused while logging under another name.
    void SetLogFileName(const std::string& value) { log_.SetFileName(value); }
    std::int32_t LogBufferSize() const { return log_.BufferSize(); }
    void SetLogBufferSize(std::int32_t value) { log_.SetBufferSize(value); }
    bool LoggingActive() const { return log_.Active(); }
    // Points added since the last log write.
    std::int32_t LogBufferCount() const { return log_.BufferCount(); }
    TiPlotDataStyle DataStyle() const { return points_.DataStyle(); }
    // A new style replaces the point list: the points go, the settings and
    // the ring size stay.
    void SetDataStyle(TiPlotDataStyle value);
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& value) { tag_ = value; }

    // --- public ---
    // The axes named, looked up through the plot on first use; null when
    // the plot has no axis of that name.
    TiPlotXAxis* XAxis();
    TiPlotYAxis* YAxis();
    // Both axes found.
    bool HasAxes() { return XAxis() && YAxis(); }

    std::int32_t Count() const { return List().Count(); }
    // Cuts the channel to value points (Capacity becomes value); a negative
    // value is refused with the list's error.
    void SetCount(std::int32_t value);
    std::int32_t Capacity() const { return List().Capacity(); }
    std::int32_t DataPointSize() const { return List().DataPointSize(); }
    std::int32_t MaxDataPoints() const { return List().MaxDataPoints(); }
    std::int64_t MemoryUsed() const { return List().MemoryUsed(); }
    double XFirst() const { return points_.XFirst(); }
    double XLast() const { return points_.XLast(); }
    double YFirst() const { return points_.YFirst(); }
    double YLast() const { return points_.YLast(); }
    std::int32_t IndexFirst() const { return points_.IndexFirst(); }
    std::int32_t IndexLast() const { return points_.IndexLast(); }
    std::int32_t DrawStartIndex() const { return startIndex_; }
    std::int32_t DrawStopIndex() const { return stopIndex_; }

    std::int32_t RunningCount() const { return Running().Count; }
    double RunningXMin() const { return Running().XMin; }
    double RunningXMax() const { return Running().XMax; }
    double RunningXMean() const { return Running().XMean(); }
    double RunningYMin() const { return Running().YMin; }
    double RunningYMax() const { return Running().YMax; }
    double RunningYMean() const { return Running().YMean(); }

    const std::string& DataCursorXText() const { return dataCursorXText_; }
    const std::string& DataCursorYText() const { return dataCursorYText_; }
    double DataCursorXValue() const { return dataCursorXValue_; }
    double DataCursorYValue() const { return dataCursorYValue_; }
    TiPlotDataPointStatus DataCursorStatus() const { return dataCursorStatus_; }

    // --- adding and removing points ---
    virtual std::int32_t AddXY(double x, double y);
    void AddXYArrays(const TiPlotValueArray& xData, const TiPlotValueArray& yData);
    void AddXYArray(const TiPlotValueArray& data);
    // Empties the channel, resets the running values and stops logging.
    void Clear();
    // Removes the size oldest points; the whole count is Clear.
    void DeletePoints(std::int32_t size);
    // Every add path ends here: the list, the running values, axis
    // tracking, logging, then DoChange.
    std::int32_t AddDataPoint(double x, double y, bool null, bool empty);

    // --- statistics and fits ---
    void ReCalcRunningMinMaxMean();
    double GetXMin();
    double GetXMax();
    double GetXMean();
    double GetYMin();
    double GetYMax();
    double GetYMean();
    // The range the axes zoom to fit: -1e300 (maximum) or 1e300 (minimum)
    // when nothing can be fitted.
    virtual double GetFitXMax() = 0;
    virtual double GetFitXMin() = 0;
    virtual double GetFitYMax() = 0;
    virtual double GetFitYMin() = 0;
    // A point's X and Y widened by the marker size in axis units while
    // markers show; "Data Point Null" for a null point.
    double GetXPlusMarker(std::int32_t index);
    double GetXMinusMarker(std::int32_t index);
    double GetYPlusMarker(std::int32_t index);
    double GetYMinusMarker(std::int32_t index);

    // --- points ---
    double GetPointX(std::int32_t index) const { return List().GetX(index); }
    double GetPointY(std::int32_t index) const { return List().GetY(index); }
    bool GetPointNull(std::int32_t index) const { return List().GetNull(index); }
    bool GetPointEmpty(std::int32_t index) const { return List().GetEmpty(index); }
    bool GetPointValid(std::int32_t index) const { return !GetPointNull(index) && !GetPointEmpty(index); }
    void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const {
        List().GetXYEmptyNull(index, x, y, empty, null);
    }
    void SetPointX(std::int32_t index, double value);
    void SetPointY(std::int32_t index, double value);
    void SetPointNull(std::int32_t index, bool value);
    void SetPointEmpty(std::int32_t index, bool value);
    // A point's own trace, marker and bar settings (the channel's where the
    // list kind keeps none).
    TiPlotPointAttributes GetPointAttributes(std::int32_t index) const {
        return List().GetPointAttributes(index);
    }
    void SetPointAttributes(std::int32_t index, const TiPlotPointAttributes& value);

    // --- data cursor and texts ---
    virtual void UpdateDataCursor(IiPlotChannelCursor& cursor) = 0;
    // The axis' cursor text of value, or "No X-Axis" ("No Y-Axis").
    std::string GetXValueText(double value);
    std::string GetYValueText(double value);

    // --- drawing ---
    virtual void CalcStartIndex() = 0;
    virtual void CalcStopIndex() = 0;
    virtual void DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor);
    virtual void DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor);
    // Index -1 draws the legend's sample.
    void DrawMarker(TCanvas& canvas, std::int32_t index, TColor backGroundColor, TPoint point);
    // One line in values, clipped to the X range always and, with
    // ClipToAxes, to the Y range; with yInPercent Y is a percentage of data
    // view 0.
    void DrawTraceSegment(TCanvas& canvas, bool xyAxesReversed, bool yInPercent, double x1, double y1,
                          double x2, double y2);
    // The pixel of a value point; with yInPercent Y is a percentage of data
    // view 0 (of its width when the axes are reversed).
    TPoint PixelOf(double x, double y, bool xyAxesReversed, bool yInPercent);
    // Fills the polygon of four value points with the canvas' pen and brush.
    void FillValueQuad(TCanvas& canvas, bool xyAxesReversed, const TiValuePoint (&corners)[4],
                       bool yInPercent = false);
    bool IsMarkerDrawn(std::int32_t index);
    TPoint GetMarkerPixelPoint(std::int32_t index);
    TRect GetMarkerRect(std::int32_t index);
    // The pixel rectangle spanned by two value points, ordered.
    TRect GetValueRect(double x1, double y1, double x2, double y2);
    // Clips the canvas to the rectangle of the two axes' pixel ranges.
    void ClipCanvasToAxes(TCanvas& canvas);

    // --- legend ---
    const TRect& LegendRect() const { return legendRect_; }
    void SetLegendRect(const TRect& rect) { legendRect_ = rect; }

    // --- files ---
    // "File Type = Plot Channel Config", then the property lines under
    // "Channel"; failures raise "Error Saving Properties - ...".
    void SavePropertiesToFile(const std::string& fileName);
    // Failures, a wrong file type among them, raise "Error Loading
    // Properties - ...".
    void LoadPropertiesFromFile(const std::string& fileName);
    void SaveDataToFile(const std::string& fileName);
    void LoadDataFromFile(const std::string& fileName, bool clearPreviousData);
    void LogActivate(bool append);
    void LogDeactivate();

    // --- notifications and input ---
    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

    // Read-only access to the points for drawing and files.
    const TiPlotDataCustomList& List() const { return points_.List(); }

protected:
    ~TiPlotChannelCustom() override;
    IiPlotChannelHost* ChannelHost() const;
    TiPlotDataCustomList& MutableList() { return points_.List(); }
    const TiPlotRunningValues& Running() const { return points_.Running(); }

    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;
    // Whether the hit test looks at bars (the strip-chart channel's) and
    // the rectangle of a point's bar.
    virtual bool BarsShown() const { return false; }
    virtual TRect GetBarRect(std::int32_t index);

    // Feeds the new point at index to the axes' tracking.
    void TrackNewPoint(std::int32_t index, double x, double y, bool null, bool empty);
    // Stores the cursor's values and builds the texts of the common styles;
    // returns the display text.
    std::string BuildDataCursorText(TiPlotDataCursorStyle style, double x, double y,
                                    TiPlotDataPointStatus status);
    void SetDataCursorTexts(const std::string& xText, const std::string& yText) {
        dataCursorXText_ = xText;
        dataCursorYText_ = yText;
    }
    // A pen setting as the canvas takes it: width 1 as 0, the thinnest pen,
    // which can draw dashes.
    static int CanvasPenWidth(std::int32_t width) { return width == 1 ? 0 : width; }
    void SetTracePen(TCanvas& canvas, TColor color, TiPlotLineStyle style, std::int32_t width,
                     TColor backGroundColor);

    std::int32_t startIndex_ = -1;
    std::int32_t stopIndex_ = -1;

    // Writes a stored default of the point list through edit, then
    // DoChange (also when the value is the same).
    template <class F> void SetListDefault(F edit) {
        edit(MutableList());
        DoChange();
    }

private:
    double MarkerPaddedValue(std::int32_t index, bool xAxis, int sign);
    void FlushLogFor(double x, double y);
    // The pixel of a value on an axis.
    TPoint ValueToPixels(double x, double y, bool xyAxesReversed);

    // The owner's host interfaces, looked up once on first use (the owner
    // never changes; adding points must not pay for the lookup).
    IiPlotAxisHost* AxisHost() const;
    void LookUpHosts() const;
    mutable bool hostsLooked_ = false;
    mutable IiPlotAxisHost* axisHost_ = nullptr;
    mutable IiPlotChannelHost* channelHost_ = nullptr;

    TiPlotChannelPoints points_;
    TiPlotChannelLog log_;
    std::unique_ptr<TFont> markersFont_;
    TiPlotXAxis* xAxis_ = nullptr;
    TiPlotYAxis* yAxis_ = nullptr;
    std::string titleText_;
    std::string xAxisName_;
    std::string yAxisName_;
    bool visibleInLegend_ = true;
    bool clipToAxes_ = false;
    bool showDataPointHints_ = false;
    bool userCanMoveDataPoints_ = false;
    TiPlotChannelDataPointMoveStyle userCanMoveDataPointsStyle_ = ipcdpmsXandY;
    bool traceVisible_ = true;
    bool markersAllowIndividual_ = false;
    bool markersPenUseChannelColor_ = true;
    bool markersBrushUseChannelColor_ = true;
    std::int32_t markersTurnOffLimit_ = 0;
    bool xAxisTrackingEnabled_ = true;
    bool yAxisTrackingEnabled_ = true;
    std::string tag_;
    TRect legendRect_{};

    // Data-point selection.
    std::int32_t selectDataIndex_ = -1;
    TRect selectHitTestRect_{};
    bool selectMouseDown_ = false;
    std::int32_t selectMouseDownIndex_ = -1;
    std::int32_t mouseDownDataIndex_ = -1;
    TRect selectDownRect_{};
    double mouseDownValueX_ = 0, mouseDownValueY_ = 0;
    std::int32_t mouseDownPixelX_ = 0, mouseDownPixelY_ = 0;

    std::string dataCursorXText_;
    std::string dataCursorYText_;
    double dataCursorXValue_ = 0;
    double dataCursorYValue_ = 0;
    TiPlotDataPointStatus dataCursorStatus_ = ipdpsValid;
};
