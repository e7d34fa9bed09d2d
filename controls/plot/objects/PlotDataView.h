#pragma once
// The data view: the plot area in the middle of the plot. It paints the
// area's background, asks its grid axes for their grid lines and frames
// the area; it converts between pixels and percentages of its rectangle;
// and, when axes control is on, turns drags and the wheel inside the area
// into scrolling and zooming of every axis, or into a rubber-band zoom box.
// The zoom box and the select mode are switched on by toolbar 0.

#include "controls/plot/axes/AxisTypes.h"
#include "controls/plot/core/PlotLayoutObject.h"

#include <functional>
#include <string>
#include <vector>

class TiPlotAxis;
class TiPlotXAxis;
class TiPlotYAxis;
class TiPlotComponent;

enum TiPlotAxesControlStyle { ipacsXAxis, ipacsYAxis, ipacsBoth, ipacsNone };

namespace korvan::plot {
const std::vector<std::string>& AxesControlStyleNames();
const std::vector<std::string>& GridLineStyleNames();
} // namespace korvan::plot

// How mouse input in the area is taken, worked out from toolbar 0 and
// AxesControlEnabled whenever it is needed.
enum class TiDataViewMode { None, ZoomBox, Select, Axes };

// Colour, width and style of one kind of grid line.
struct TiGridLinePen {
    bool Custom = false;
    TColor Color = clGreen;
    int Width = 0;
    TiPlotGridLineStyle Style = ipglsSolid;
};

class TiPlotDataView : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotDataView)
public:
    TiPlotDataView(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                   TNotifyEvent onRename);

    TiLayoutRole LayoutRole() const override { return TiLayoutRole::DataView; }

    // --- published ---
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { SetStringProperty(value, title_, &TiPlotObject::DoChange); }
    bool BackgroundTransparent() const { return backgroundTransparent_; }
    void SetBackgroundTransparent(bool value) {
        SetBooleanProperty(value, backgroundTransparent_, &TiPlotObject::DoChange);
    }
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor value) {
        SetColorProperty(value, backgroundColor_, &TiPlotObject::DoChange);
    }
    const std::string& GridXAxisName() const { return gridXAxisName_; }
    // Forgets the looked-up axis.
    void SetGridXAxisName(const std::string& value);
    const std::string& GridYAxisName() const { return gridYAxisName_; }
    void SetGridYAxisName(const std::string& value);
    bool GridShow() const { return gridShow_; }
    void SetGridShow(bool value) { SetBooleanProperty(value, gridShow_, &TiPlotObject::DoChange); }
    TColor GridLineColor() const { return gridLineColor_; }
    void SetGridLineColor(TColor value) { SetColorProperty(value, gridLineColor_, &TiPlotObject::DoChange); }

    // Frame edges, grid line kinds and their styles, by index so that the
    // sixteen switches share one setter each.
    enum Edge { EdgeLeft, EdgeRight, EdgeTop, EdgeBottom };
    bool GridLineShowEdge(Edge edge) const { return edges_[edge]; }
    void SetGridLineShowEdge(Edge edge, bool value) {
        SetBooleanProperty(value, edges_[edge], &TiPlotObject::DoChange);
    }
    enum Lines { XMajor, XMinor, YMajor, YMinor };
    bool GridLineShow(Lines lines) const { return show_[lines]; }
    void SetGridLineShow(Lines lines, bool value) {
        SetBooleanProperty(value, show_[lines], &TiPlotObject::DoChange);
    }
    const TiGridLinePen& GridLinePen(Lines lines) const { return pens_[lines]; }
    void SetGridLineCustom(Lines lines, bool value) {
        SetBooleanProperty(value, pens_[lines].Custom, &TiPlotObject::DoChange);
    }
    void SetGridLineColor(Lines lines, TColor value) {
        SetColorProperty(value, pens_[lines].Color, &TiPlotObject::DoChange);
    }
    void SetGridLineWidth(Lines lines, int value) {
        SetIntegerProperty(value, pens_[lines].Width, &TiPlotObject::DoChange);
    }
    void SetGridLineStyle(Lines lines, TiPlotGridLineStyle value);
    // The same switches one property each, for the class registry.
    template <Edge E> bool EdgeShown() const { return edges_[E]; }
    template <Edge E> void SetEdgeShown(bool value) { SetGridLineShowEdge(E, value); }
    template <Lines L> bool LinesShown() const { return show_[L]; }
    template <Lines L> void SetLinesShown(bool value) { SetGridLineShow(L, value); }
    template <Lines L> bool LinesCustom() const { return pens_[L].Custom; }
    template <Lines L> void SetLinesCustom(bool value) { SetGridLineCustom(L, value); }
    template <Lines L> TColor LinesColor() const { return pens_[L].Color; }
    template <Lines L> void SetLinesColor(TColor value) { SetGridLineColor(L, value); }
    template <Lines L> int LinesWidth() const { return pens_[L].Width; }
    template <Lines L> void SetLinesWidth(int value) { SetGridLineWidth(L, value); }
    template <Lines L> TiPlotGridLineStyle LinesStyle() const { return pens_[L].Style; }
    template <Lines L> void SetLinesStyle(TiPlotGridLineStyle value) { SetGridLineStyle(L, value); }
    TiPlotGridLineStyle GridLineMajorStyle() const { return majorStyle_; }
    void SetGridLineMajorStyle(TiPlotGridLineStyle value);
    TiPlotGridLineStyle GridLineMinorStyle() const { return minorStyle_; }
    void SetGridLineMinorStyle(TiPlotGridLineStyle value);

    // Stored only: they change how input is taken, not the picture.
    bool AxesControlEnabled() const { return axesControlEnabled_; }
    void SetAxesControlEnabled(bool value) { axesControlEnabled_ = value; }
    TiPlotAxesControlStyle AxesControlMouseStyle() const { return axesControlMouseStyle_; }
    void SetAxesControlMouseStyle(TiPlotAxesControlStyle value) { axesControlMouseStyle_ = value; }
    TiPlotAxesControlStyle AxesControlWheelStyle() const { return axesControlWheelStyle_; }
    void SetAxesControlWheelStyle(TiPlotAxesControlStyle value) { axesControlWheelStyle_ = value; }
    bool AxesControlAllowInSelectMode() const { return axesControlAllowInSelectMode_; }
    void SetAxesControlAllowInSelectMode(bool value) {
        SetBooleanProperty(value, axesControlAllowInSelectMode_, &TiPlotObject::DoChange);
    }

    // --- percentages of the draw rectangle (Y counts up from the bottom) ---
    double PixelsXToPositionPercent(int x) const;
    double PixelsYToPositionPercent(int y) const;
    int PositionPercentToPixelsX(double value) const;
    int PositionPercentToPixelsY(double value) const;

    // --- painting ---
    // Before anything inside the area: the fill unless transparent.
    void DrawBackground(TCanvas& canvas);
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    // After everything inside the area: the zoom box being dragged.
    void DrawZoomBox(TCanvas& canvas);

    // The grid axes, looked up by name and kept until the name changes or
    // the axis goes; null when none matches.
    TiPlotXAxis* GetGridXAxis();
    TiPlotYAxis* GetGridYAxis();
    TiDataViewMode GetAxesControlMode() const;
    bool ZoomBoxActive() const { return zoomBoxActive_; }
    TRect ZoomBoxRect() const { return TRect{mouseDownX_, mouseDownY_, mouseMoveX_, mouseMoveY_}; }

    // Whether Shift is held (the keyboard's state unless a test sets it).
    std::function<bool()> ShiftQuery;

    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

protected:
    ~TiPlotDataView() override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseRight(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;
    bool DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) override;

private:
    TiPlotComponent* Plot() const;
    std::vector<TiPlotAxis*> Axes(bool x) const;
    void DrawGrid(TCanvas& canvas, TColor backGroundColor);
    void DrawAxisGrid(TCanvas& canvas, bool x);
    void DrawFrame(TCanvas& canvas, bool all);
    void ApplyZoomBox(const TRect& rect);
    void DisableTracking() const;
    bool ShiftHeld() const;
    // Input goes to X only, Y only, or both.
    enum class Lock { None, X, Y };
    static Lock LockFor(TiPlotAxesControlStyle style, bool shift);

    std::string title_;
    bool backgroundTransparent_ = true;
    TColor backgroundColor_ = clTeal;
    std::string gridXAxisName_, gridYAxisName_;
    bool gridShow_ = true;
    TColor gridLineColor_ = clGreen;
    bool edges_[4] = {true, true, true, true};
    bool show_[4] = {true, false, true, false};
    TiPlotGridLineStyle majorStyle_ = ipglsSolid, minorStyle_ = ipglsSolid;
    TiGridLinePen pens_[4];
    bool axesControlEnabled_ = false;
    TiPlotAxesControlStyle axesControlMouseStyle_ = ipacsBoth;
    TiPlotAxesControlStyle axesControlWheelStyle_ = ipacsXAxis;
    bool axesControlAllowInSelectMode_ = false;

    TiPlotXAxis* xAxis_ = nullptr;
    TiPlotYAxis* yAxis_ = nullptr;
    bool mouseDown_ = false;
    bool mouseDownRight_ = false;
    bool zoomBoxActive_ = false;
    int mouseDownX_ = 0, mouseDownY_ = 0, mouseMoveX_ = 0, mouseMoveY_ = 0;
    Lock lock_ = Lock::None;
};
