#pragma once
// A limit: a line at one X or Y value, a band between two of them, or a
// polygon band whose lower and upper bounds vary along the other axis,
// drawn on the X and Y axes it names. Line and band limits can be dragged
// with the mouse when the user may move them.

#include "controls/plot/core/PlotContainers.h"
#include "controls/plot/core/PlotObject.h"
#include "platform/gfx/GraphicsObjects.h"

#include <string>

class TiPlotAxis;

enum TiPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

class TiPlotLimit : public TiPlotObject {
    KORVAN_CLASS(TiPlotLimit)
public:
    TiPlotLimit(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);

    // --- published ---
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetColorProperty(value, color_, &TiPlotObject::DoChange); }
    TPenStyle LineStyle() const { return lineStyle_; }
    void SetLineStyle(TPenStyle value) { SetOrdinal(value, lineStyle_); }
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int value) { SetIntegerProperty(value, lineWidth_, &TiPlotObject::DoChange); }
    TBrushStyle FillStyle() const { return fillStyle_; }
    void SetFillStyle(TBrushStyle value) { SetOrdinal(value, fillStyle_); }
    const std::string& XAxisName() const { return xAxisName_; }
    void SetXAxisName(const std::string& value);
    const std::string& YAxisName() const { return yAxisName_; }
    void SetYAxisName(const std::string& value);
    TiPlotLimitStyle Style() const { return style_; }
    void SetStyle(TiPlotLimitStyle value) { SetOrdinal(value, style_); }
    double Line1Position() const { return line1Position_; }
    void SetLine1Position(double value);
    double Line2Position() const { return line2Position_; }
    void SetLine2Position(double value);
    bool UserCanMove() const { return userCanMove_; }
    void SetUserCanMove(bool value) { SetBooleanProperty(value, userCanMove_, &TiPlotObject::DoChange); }
    bool SelectModeOnlyInteraction() const { return selectModeOnlyInteraction_; }
    void SetSelectModeOnlyInteraction(bool value) { selectModeOnlyInteraction_ = value; }
    bool ClipToAxes() const { return clipToAxes_; }
    void SetClipToAxes(bool value) { SetBooleanProperty(value, clipToAxes_, &TiPlotObject::DoChange); }

    // --- polygon band elements ---
    // Raises "the Upper Limit must be greater than or equal to the Lower
    // Limit" when lowerLimit > upperLimit.
    void AddBandElement(double position, double upperLimit, double lowerLimit);
    void ClearAllElements();
    int ElementCount() const { return pointList_.Count(); }

    // A polygon band, or a band that fills (the plot draws these under the
    // data view's grid).
    bool IsAreaLimit() const;
    bool Line1Show() const { return line1Show_; }
    bool Line2Show() const { return line2Show_; }
    TRect Line1ClickRect() const { return line1ClickRect_; }
    TRect Line2ClickRect() const { return line2ClickRect_; }

    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

protected:
    ~TiPlotLimit() override;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;

private:
    template <class E> void SetOrdinal(E value, E& field) {
        if (value == field)
            return;
        field = value;
        DoChange();
    }
    TiPlotAxis* XAxis();
    TiPlotAxis* YAxis();
    bool IsXStyle() const { return style_ == iplsLineX || style_ == iplsBandX || style_ == iplsPolyBandX; }
    TPoint At(int x, int y) const;
    void DrawLine(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across, TColor backGroundColor);
    void DrawBand(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across);
    void DrawPolyBand(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across);
    void StraightLine(TCanvas& canvas, int a, int from, int to);

    TiLimitDataList pointList_;
    bool mouseDownLine1_ = false, mouseDownLine2_ = false;
    TiPlotAxis* xAxis_ = nullptr;
    TiPlotAxis* yAxis_ = nullptr;
    std::string yAxisName_, xAxisName_;
    TiPlotLimitStyle style_ = iplsLineY;
    TColor color_ = clRed;
    int lineWidth_ = 0;
    TPenStyle lineStyle_ = psSolid;
    TBrushStyle fillStyle_ = bsSolid;
    bool line1Show_ = false, line2Show_ = false;
    double line1Position_ = 50, line2Position_ = 50;
    TRect line1ClickRect_{}, line2ClickRect_{};
    bool userCanMove_ = false;
    bool selectModeOnlyInteraction_ = true;
    bool clipToAxes_ = false;
};

namespace korvan::plot {
const std::vector<std::string>& LimitStyleNames();
}
