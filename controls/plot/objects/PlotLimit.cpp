#include "controls/plot/objects/PlotLimit.h"

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/core/LineGeometry.h"
#include "controls/plot/objects/OverlayHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"

#include <utility>

using korvan::forms::ClassBuilder;

namespace korvan::plot {
const std::vector<std::string>& LimitStyleNames() {
    static const std::vector<std::string> names{"iplsLineX", "iplsLineY",     "iplsBandX",
                                                "iplsBandY", "iplsPolyBandX", "iplsPolyBandY"};
    return names;
}
} // namespace korvan::plot

const TClassInfo& TiPlotLimit::StaticClassInfo() {
    using L = TiPlotLimit;
    using namespace korvan::forms;
    static const TClassInfo info =
        ClassBuilder<L>("TiPlotLimit", &TiPlotObject::StaticClassInfo())
            .Property("Color", &L::Color, &L::SetColor)
            .TypeName("TColor")
            .Default(clRed)
            .Enum("LineStyle", &L::LineStyle, &L::SetLineStyle, PenStyleNames(), "TPenStyle")
            .Default(psSolid)
            .Property("LineWidth", &L::LineWidth, &L::SetLineWidth)
            .Default(0)
            .Enum("FillStyle", &L::FillStyle, &L::SetFillStyle, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Property("XAxisName", &L::XAxisName, &L::SetXAxisName)
            .Property("YAxisName", &L::YAxisName, &L::SetYAxisName)
            .Enum("Style", &L::Style, &L::SetStyle, korvan::plot::LimitStyleNames(), "TiPlotLimitStyle")
            .Default(iplsLineY)
            .Property("Line1Position", &L::Line1Position, &L::SetLine1Position)
            .Property("Line2Position", &L::Line2Position, &L::SetLine2Position)
            .Property("UserCanMove", &L::UserCanMove, &L::SetUserCanMove)
            .Default(false)
            .Property("SelectModeOnlyInteraction", &L::SelectModeOnlyInteraction,
                      &L::SetSelectModeOnlyInteraction)
            .Default(true)
            .Property("ClipToAxes", &L::ClipToAxes, &L::SetClipToAxes)
            .Default(false)
            .Build();
    return info;
}

TiPlotLimit::TiPlotLimit(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                   std::move(onRename)) {}

TiPlotLimit::~TiPlotLimit() = default;

void TiPlotLimit::SetXAxisName(const std::string& value) {
    if (value == xAxisName_)
        return;
    xAxisName_ = value;
    xAxis_ = nullptr;
    DoChange();
}

void TiPlotLimit::SetYAxisName(const std::string& value) {
    // Notifies like the X axis name: a limit moved to another axis must be
    // drawn there.
    if (value == yAxisName_)
        return;
    yAxisName_ = value;
    yAxis_ = nullptr;
    DoChange();
}

void TiPlotLimit::SetLine1Position(double value) {
    if (value == line1Position_)
        return;
    const double old = std::exchange(line1Position_, value);
    DoChange();
    if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
        host->DoLimitLine1PositionChange(this, old, value);
}

void TiPlotLimit::SetLine2Position(double value) {
    if (value == line2Position_)
        return;
    const double old = std::exchange(line2Position_, value);
    DoChange();
    if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
        host->DoLimitLine2PositionChange(this, old, value);
}

void TiPlotLimit::AddBandElement(double position, double upperLimit, double lowerLimit) {
    if (lowerLimit > upperLimit)
        throw Exception("the Upper Limit must be greater than or equal to the Lower Limit");
    pointList_.Add(position, upperLimit, lowerLimit);
    DoChange();
}

void TiPlotLimit::ClearAllElements() {
    pointList_.Clear();
    DoChange();
}

bool TiPlotLimit::IsAreaLimit() const {
    switch (style_) {
    case iplsPolyBandX:
    case iplsPolyBandY:
        return true;
    case iplsBandX:
    case iplsBandY:
        return fillStyle_ != bsClear;
    case iplsLineX:
    case iplsLineY:
        break;
    }
    return false;
}

TiPlotAxis* TiPlotLimit::XAxis() {
    if (!xAxis_)
        if (IiPlotAxisHost* host = korvan::plot::AxisHostOf(Owner()))
            xAxis_ = host->GetXAxisByName(xAxisName_);
    return xAxis_;
}

TiPlotAxis* TiPlotLimit::YAxis() {
    if (!yAxis_)
        if (IiPlotAxisHost* host = korvan::plot::AxisHostOf(Owner()))
            yAxis_ = host->GetYAxisByName(yAxisName_);
    return yAxis_;
}

void TiPlotLimit::NotifyRemove(TObject* sender) {
    if (sender == xAxis_)
        xAxis_ = nullptr;
    if (sender == yAxis_)
        yAxis_ = nullptr;
}

void TiPlotLimit::NotifyRename(TObject* sender) {
    if (xAxis_ && sender == xAxis_)
        xAxisName_ = xAxis_->Name();
    if (yAxis_ && sender == yAxis_)
        yAxisName_ = yAxis_->Name();
}

void TiPlotLimit::NotifySetFocus(TObject* sender) {
    korvan::plot::DropSelectionForOther(*this, sender);
}

TPoint TiPlotLimit::At(int x, int y) const {
    return korvan::plot::GetXYPoint(XYAxesReversed(), x, y);
}

// ---------------------------------------------------------------- drawing

void TiPlotLimit::Draw(TCanvas& canvas, TColor backGroundColor) {
    line1Show_ = line2Show_ = false;
    TiPlotAxis* xAxis = XAxis();
    TiPlotAxis* yAxis = YAxis();
    if (!Visible() || !xAxis || !yAxis)
        return;
    if (clipToAxes_)
        canvas.IntersectClipRect(korvan::plot::GetXYRect(XYAxesReversed(), xAxis->MinPixels(),
                                                         yAxis->MinPixels(), xAxis->MaxPixels(),
                                                         yAxis->MaxPixels()));
    // "along" holds the limit's values, "across" spans the lines.
    TiPlotAxis& along = IsXStyle() ? *xAxis : *yAxis;
    TiPlotAxis& across = IsXStyle() ? *yAxis : *xAxis;
    switch (style_) {
    case iplsLineX:
    case iplsLineY:
        DrawLine(canvas, along, across, backGroundColor);
        break;
    case iplsBandX:
    case iplsBandY:
        DrawBand(canvas, along, across);
        break;
    case iplsPolyBandX:
    case iplsPolyBandY:
        DrawPolyBand(canvas, along, across);
        break;
    }
}

// A line at `a` along the limit's axis from `from` to `to` across it.
void TiPlotLimit::StraightLine(TCanvas& canvas, int a, int from, int to) {
    const TPoint p1 = IsXStyle() ? At(a, from) : At(from, a);
    const TPoint p2 = IsXStyle() ? At(a, to) : At(to, a);
    canvas.MoveTo(p1.X, p1.Y);
    canvas.LineTo(p2.X, p2.Y);
}

namespace {

// The grab area 5 pixels to both sides of a line at `a` along the limit's
// axis, spanning `from`..`to` across it.
TRect GrabRect(bool xStyle, bool reversed, int a, int from, int to) {
    return xStyle ? korvan::plot::GetXYRect(reversed, a - 5, from, a + 5, to)
                  : korvan::plot::GetXYRect(reversed, from, a - 5, to, a + 5);
}

} // namespace

void TiPlotLimit::DrawLine(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across, TColor backGroundColor) {
    if (line1Position_ < along.Min() || line1Position_ > along.Max())
        return;
    canvas.Pen().SetColor(color_);
    canvas.Pen().SetWidth(lineWidth_);
    canvas.Pen().SetStyle(lineStyle_);
    canvas.Brush().SetColor(backGroundColor);
    const int a = along.PositionToPixels(line1Position_);
    const int from = across.PositionToPixels(across.Min()), to = across.PositionToPixels(across.Max());
    StraightLine(canvas, a, from, to);
    line1Show_ = true;
    line1ClickRect_ = GrabRect(IsXStyle(), XYAxesReversed(), a, from, to);
}

void TiPlotLimit::DrawBand(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across) {
    canvas.Pen().SetColor(color_);
    canvas.Brush().SetColor(color_);
    canvas.Brush().SetStyle(fillStyle_);
    const int a1 = along.PositionToPixels(line1Position_), a2 = along.PositionToPixels(line2Position_);
    const int from = across.PositionToPixels(across.Min()), to = across.PositionToPixels(across.Max());
    line1Show_ = line2Show_ = true;
    line1ClickRect_ = GrabRect(IsXStyle(), XYAxesReversed(), a1, from, to);
    line2ClickRect_ = GrabRect(IsXStyle(), XYAxesReversed(), a2, from, to);
    const TRect band = IsXStyle() ? korvan::plot::GetXYRect(XYAxesReversed(), a1, from, a2, to)
                                  : korvan::plot::GetXYRect(XYAxesReversed(), from, a1, to, a2);
    auto bothLines = [&](int width) {
        canvas.Pen().SetStyle(lineStyle_);
        canvas.Pen().SetWidth(width);
        StraightLine(canvas, a1, from, to);
        StraightLine(canvas, a2, from, to);
    };
    if (fillStyle_ == bsSolid) {
        canvas.Pen().SetStyle(lineStyle_);
        canvas.Pen().SetWidth(1);
        canvas.Rectangle(band);
    } else if (fillStyle_ == bsClear) {
        bothLines(lineWidth_);
    } else {
        canvas.Pen().SetStyle(psClear);
        canvas.Rectangle(band);
        bothLines(1);
    }
}

void TiPlotLimit::DrawPolyBand(TCanvas& canvas, TiPlotAxis& along, TiPlotAxis& across) {
    // Element positions run along `across`; their limits are values of
    // `along`.
    if (pointList_.Count() < 2)
        return;
    auto point = [&](double position, double limit) {
        const int a = along.PositionToPixels(limit), p = across.PositionToPixels(position);
        return IsXStyle() ? At(a, p) : At(p, a);
    };
    canvas.Brush().SetColor(color_);
    canvas.Brush().SetStyle(fillStyle_);
    for (int i = 0; i + 1 < pointList_.Count(); ++i) {
        const double pc = pointList_.Value1(i), pn = pointList_.Value1(i + 1);
        if (pc < across.Min() && pn < across.Min())
            continue;
        if (pc > across.Max())
            break;
        const TPoint upperC = point(pc, pointList_.Value2(i)), upperN = point(pn, pointList_.Value2(i + 1));
        const TPoint lowerC = point(pc, pointList_.Value3(i)), lowerN = point(pn, pointList_.Value3(i + 1));
        canvas.Pen().SetColor(color_);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetStyle(fillStyle_ == bsSolid ? psSolid : psClear);
        canvas.Polygon({upperC, upperN, lowerN, lowerC});
        if (fillStyle_ != bsSolid) {
            canvas.Pen().SetStyle(psSolid);
            canvas.MoveTo(upperC.X, upperC.Y);
            canvas.LineTo(upperN.X, upperN.Y);
            canvas.MoveTo(lowerC.X, lowerC.Y);
            canvas.LineTo(lowerN.X, lowerN.Y);
        }
    }
}

// ---------------------------------------------------------------- mouse

bool TiPlotLimit::DoHitTest(const TiPlotMouseData& mouseData) {
    if (!korvan::plot::InteractionAllowed(Owner(), selectModeOnlyInteraction_))
        return false;
    const TPoint p{mouseData.X, mouseData.Y};
    return (line1Show_ && line1ClickRect_.Contains(p)) || (line2Show_ && line2ClickRect_.Contains(p));
}

void TiPlotLimit::DoMouseLeft(TiPlotMouseData& mouseData) {
    if (!userCanMove_)
        return;
    const TPoint p{mouseData.X, mouseData.Y};
    if (line1Show_ && line1ClickRect_.Contains(p))
        mouseDownLine1_ = true;
    else if (line2Show_ && line2ClickRect_.Contains(p))
        mouseDownLine2_ = true;
    if ((mouseDownLine1_ || mouseDownLine2_) && OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotLimit::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!mouseDownLine1_ && !mouseDownLine2_)
        return;
    TiPlotAxis* axis = IsXStyle() ? XAxis() : YAxis();
    if (!axis)
        return;
    const double value = axis->PixelsToPosition(IsXStyle() ? mouseData.XAxisPixels : mouseData.YAxisPixels);
    if (mouseDownLine1_)
        SetLine1Position(value);
    else
        SetLine2Position(value);
}

void TiPlotLimit::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!mouseDownLine1_ && !mouseDownLine2_)
        return;
    mouseDownLine1_ = mouseDownLine2_ = false;
    if (DoHitTest(mouseData))
        korvan::plot::RaiseObjectClick(*this);
}

TCursor TiPlotLimit::GetMouseCursor(TPoint mousePos) {
    (void)mousePos;
    if (!userCanMove_)
        return crDefault;
    TCursor cursor = crHandPoint;
    if (line1Show_ && line2Show_) {
        // Drags across the limit's axis: left-right for X values unless X
        // runs vertically.
        const bool acrossX = IsXStyle() != XYAxesReversed();
        cursor = acrossX ? crSizeWE : crSizeNS;
    }
    return korvan::plot::PlotMouseCursor(*this, cursor);
}

void TiPlotLimit::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}
