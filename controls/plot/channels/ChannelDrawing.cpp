// The channel base's trace and markers on its axes.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/ChannelTrace.h"
#include "controls/plot/core/MarkerShapes.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

using korvan::plot::ClipTraceSegment;
using korvan::plot::TiValueRange;
using korvan::plot::TiValueSegment;

void TiPlotChannelCustom::SetTracePen(TCanvas& canvas, TColor color, TiPlotLineStyle style,
                                      std::int32_t width, TColor backGroundColor) {
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle(style));
    canvas.Pen().SetWidth(CanvasPenWidth(width));
    canvas.SetBkColor(backGroundColor);
}

void TiPlotChannelCustom::DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) {
    if (!traceVisible_)
        return;
    canvas.Brush().SetStyle(bsClear);
    SetTracePen(canvas, Color(), TraceLineStyle(), TraceLineWidth(), backGroundColor);
    if (stopIndex_ <= startIndex_)
        return;
    const TiPlotDataCustomList& list = List();
    korvan::plot::ForEachTraceSegment(list, startIndex_, stopIndex_, [&](std::int32_t from, std::int32_t to) {
        const TiPlotPointAttributes a = list.GetPointAttributes(to);
        SetTracePen(canvas, a.TraceLineColor, a.TraceLineStyle, a.TraceLineWidth, backGroundColor);
        DrawTraceSegment(canvas, xyAxesReversed, false, list.GetX(from), list.GetY(from), list.GetX(to),
                         list.GetY(to));
    });
}

void TiPlotChannelCustom::DrawTraceSegment(TCanvas& canvas, bool xyAxesReversed, bool yInPercent, double x1,
                                           double y1, double x2, double y2) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || (!yAxis && !yInPercent))
        return;
    const bool clipY = clipToAxes_ && !yInPercent;
    std::optional<TiValueRange> yRange;
    if (clipY)
        yRange = TiValueRange{yAxis->Min(), yAxis->Max()};
    const std::optional<TiValueSegment> s =
        ClipTraceSegment({x1, y1, x2, y2}, TiValueRange{xAxis->Min(), xAxis->Max()}, yRange);
    if (!s)
        return;
    if (clipY && !(xAxis->ValueOnScale(s->X1) && xAxis->ValueOnScale(s->X2) && yAxis->ValueOnScale(s->Y1) &&
                   yAxis->ValueOnScale(s->Y2)))
        return;
    if (clipToAxes_ && yInPercent && !(xAxis->ValueOnScale(s->X1) && xAxis->ValueOnScale(s->X2)))
        return;
    const TPoint a = PixelOf(s->X1, s->Y1, xyAxesReversed, yInPercent);
    const TPoint b = PixelOf(s->X2, s->Y2, xyAxesReversed, yInPercent);
    canvas.Polyline({a, b});
}

TPoint TiPlotChannelCustom::PixelOf(double x, double y, bool xyAxesReversed, bool yInPercent) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || (!yAxis && !yInPercent))
        return {};
    int py = 0;
    if (!yInPercent) {
        py = yAxis->PositionToPixels(y);
    } else if (IiPlotChannelHost* host = ChannelHost()) {
        if (xyAxesReversed)
            host->DataViewPercentToPixelsX(y, py);
        else
            host->DataViewPercentToPixelsY(y, py);
    }
    const int px = xAxis->PositionToPixels(x);
    return xyAxesReversed ? Point(py, px) : Point(px, py);
}

TPoint TiPlotChannelCustom::ValueToPixels(double x, double y, bool xyAxesReversed) {
    return PixelOf(x, y, xyAxesReversed, false);
}

void TiPlotChannelCustom::FillValueQuad(TCanvas& canvas, bool xyAxesReversed,
                                        const TiValuePoint (&corners)[4], bool yInPercent) {
    if (!XAxis() || (!YAxis() && !yInPercent))
        return;
    std::vector<TPoint> polygon;
    for (const TiValuePoint& p : corners)
        polygon.push_back(PixelOf(p.X, p.Y, xyAxesReversed, yInPercent));
    canvas.Polygon(polygon);
}

TRect TiPlotChannelCustom::GetValueRect(double x1, double y1, double x2, double y2) {
    const TPoint a = ValueToPixels(x1, y1, XYAxesReversed());
    const TPoint b = ValueToPixels(x2, y2, XYAxesReversed());
    return Rect(a.X, a.Y, b.X, b.Y).Normalized();
}

void TiPlotChannelCustom::ClipCanvasToAxes(TCanvas& canvas) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis)
        return;
    int left = xAxis->MinPixels(), right = xAxis->MaxPixels();
    int top = yAxis->MinPixels(), bottom = yAxis->MaxPixels();
    if (XYAxesReversed()) {
        std::swap(left, top);
        std::swap(right, bottom);
    }
    // The far pixel of each range is on the axis too.
    TRect clip = Rect(left, top, right, bottom).Normalized();
    clip.Right += 1;
    clip.Bottom += 1;
    canvas.IntersectClipRect(clip);
}

// ---------------------------------------------------------------- markers

bool TiPlotChannelCustom::IsMarkerDrawn(std::int32_t index) {
    if (!MarkersVisible() || !GetPointValid(index))
        return false;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis)
        return false;
    if (markersAllowIndividual_ && !List().GetPointMarkerVisible(index))
        return false;
    if (clipToAxes_ && (!xAxis->ValueOnScale(GetPointX(index)) || !yAxis->ValueOnScale(GetPointY(index))))
        return false;
    return true;
}

TPoint TiPlotChannelCustom::GetMarkerPixelPoint(std::int32_t index) {
    return ValueToPixels(GetPointX(index), GetPointY(index), XYAxesReversed());
}

TRect TiPlotChannelCustom::GetMarkerRect(std::int32_t index) {
    const TPoint p = GetMarkerPixelPoint(index);
    const int r = markersAllowIndividual_ ? List().GetPointMarkerSize(index) : MarkersSize();
    return Rect(p.X - r, p.Y - r, p.X + r, p.Y + r);
}

TRect TiPlotChannelCustom::GetBarRect(std::int32_t index) {
    (void)index;
    return {};
}

void TiPlotChannelCustom::DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) {
    (void)xyAxesReversed;
    if (!MarkersVisible())
        return;
    canvas.Font().Assign(*markersFont_);
    if (markersTurnOffLimit_ > 0 && std::abs(stopIndex_ - startIndex_) > markersTurnOffLimit_)
        return;
    if (startIndex_ < 0 || stopIndex_ < 0)
        return;
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i)
        if (IsMarkerDrawn(i))
            DrawMarker(canvas, i, backGroundColor, GetMarkerPixelPoint(i));
}

void TiPlotChannelCustom::DrawMarker(TCanvas& canvas, std::int32_t index, TColor backGroundColor,
                                     TPoint point) {
    if (!MarkersVisible())
        return;
    const TiPlotDataCustomList& list = List();
    TiPlotPointAttributes a = list.StoredAttributes();
    if (index == -1) {
        a.MarkerSize = std::min(MarkersSize(), 6);
    } else if (markersAllowIndividual_) {
        a = list.GetPointAttributes(index);
    }
    canvas.Pen().SetColor(markersPenUseChannelColor_ ? Color() : a.MarkerPenColor);
    canvas.Pen().SetWidth(a.MarkerPenWidth);
    canvas.Pen().SetStyle(a.MarkerPenStyle);
    canvas.Brush().SetColor(markersBrushUseChannelColor_ ? Color() : a.MarkerBrushColor);
    canvas.Brush().SetStyle(a.MarkerBrushStyle);
    korvan::plot::DrawMarkerShape(canvas, a.MarkerStyle, a.MarkerSize, point, a.MarkerCharacter,
                                  backGroundColor);
}
