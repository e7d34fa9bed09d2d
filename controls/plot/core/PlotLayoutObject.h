#pragma once
// Layout objects: plot objects that the layout manager places around the
// data view (axes, toolbars, legends, labels, tables). An object lies on
// one edge (Horizontal: above or below the data view, else left or right
// of it) in a row counted outward from the data view (ZOrder), between
// StartPercent and StopPercent along the edge. The plot's layout pass gives
// it a layout rectangle (its band) and a draw rectangle (where it paints).

#include "controls/plot/core/PlotObject.h"

#include <string>

// What the layout manager must know of a layout object's kind. The later
// kinds answer for themselves; the placeholders of the data view answer
// DataViewPlaceholder.
enum class TiLayoutRole { Other, XAxis, YAxis, Toolbar, Legend, Label, Table, DataView, DataViewPlaceholder };

class TiPlotLayoutObject : public TiPlotObject {
    KORVAN_CLASS(TiPlotLayoutObject)
public:
    using TiPlotObject::TiPlotObject;

    virtual TiLayoutRole LayoutRole() const { return TiLayoutRole::Other; }

    // --- published ---
    double StartPercent() const { return startPercent_; }
    void SetStartPercent(double value);
    double StopPercent() const { return stopPercent_; }
    void SetStopPercent(double value);
    // Both without clamping.
    void SetStartStopPercent(double startPercent, double stopPercent);
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value);
    bool Horizontal() const { return horizontal_; }
    void SetHorizontal(bool value);
    bool ForceStacking() const { return forceStacking_; }
    void SetForceStacking(bool value);

    // --- set by the layout ---
    bool ReverseSide() const { return reverseSide_; }
    void SetReverseSide(bool value);
    bool StartStacked() const { return startStacked_; }
    void SetStartStacked(bool value) { startStacked_ = value; }
    bool StopStacked() const { return stopStacked_; }
    void SetStopStacked(bool value) { stopStacked_ = value; }
    TRect DrawRect() const { return Rect(left_, top_, right_, bottom_); }
    void SetDrawRect(const TRect& rect);
    void SetDrawLeft(int value) { left_ = value; }
    void SetDrawTop(int value) { top_ = value; }
    void SetDrawRight(int value) { right_ = value; }
    void SetDrawBottom(int value) { bottom_ = value; }
    int Width() const { return right_ - left_; }
    int Height() const { return bottom_ - top_; }
    TRect LayoutRect() const { return Rect(layoutLeft_, layoutTop_, layoutRight_, layoutBottom_); }
    void SetLayoutRect(const TRect& rect);
    int LayoutWidth() const { return layoutRight_ - layoutLeft_; }
    int LayoutHeight() const { return layoutBottom_ - layoutTop_; }
    bool IsHorz() const { return GetIsHorz(); }
    bool IsVert() const { return GetIsVert(); }

    virtual bool GetIsHorz() const { return horizontal_; }
    virtual bool GetIsVert() const { return !horizontal_; }
    // The thickness across its edge the object needs.
    virtual int GetRequiredWidth(TCanvas& canvas);
    // Extra room at its stacked ends.
    virtual int GetRequiredEndsMargin(TCanvas& canvas);

    // Sort keys of the layout manager: ZOrder as three digits ("007"),
    // StartPercent rounded (halves to even) as three digits ("012").
    std::string ZOrderKey() const;
    std::string StartPercentKey() const;

    void DoInsert() override;

protected:
    ~TiPlotLayoutObject() override = default;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    bool GetPopupPoint(TPoint& point) const override;

private:
    double stopPercent_ = 100;
    double startPercent_ = 0;
    int zOrder_ = 0;
    bool horizontal_ = false;
    bool reverseSide_ = false;
    int bottom_ = 0, left_ = 0, top_ = 0, right_ = 0;
    bool startStacked_ = false;
    bool stopStacked_ = false;
    int layoutBottom_ = 0, layoutLeft_ = 0, layoutTop_ = 0, layoutRight_ = 0;
    bool forceStacking_ = false;
};
