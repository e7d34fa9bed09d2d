// The strip-chart channel's two-level (digital) trace and markers, and its
// high-low styles: open-close bars and candlesticks.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/core/PlotContainers.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>

void TiPlotChannel::DrawDigital(TCanvas& canvas, bool xyAxesReversed) {
    if (startIndex_ < 0 || startIndex_ == stopIndex_)
        return;
    const bool percent = digitalReferenceStyle_ == ipdrPercent;
    const auto level = [this](bool high) { return high ? digitalReferenceHigh_ : digitalReferenceLow_; };
    const TColor fill = fillUseChannelColor_ ? Color() : fillColor_;
    canvas.Brush().SetStyle(fillStyle_);
    canvas.Brush().SetColor(fill);
    TDigitalSequenceData sequence;
    const auto flush = [&] {
        const bool drawn = sequence.TransitionSet || (sequence.StartSet && sequence.StopSet);
        if (drawn) {
            const double from = level(sequence.StartYValue);
            const double end = sequence.TransitionSet ? sequence.TransitionXValue : sequence.StopXValue;
            if (fillEnabled_) {
                canvas.Pen().SetColor(sequence.TransitionSet ? fill : Color());
                FillValueQuad(canvas, xyAxesReversed,
                              {{end, fillReference_},
                               {end, from},
                               {sequence.StartXValue, from},
                               {sequence.StartXValue, fillReference_}},
                              percent);
                canvas.Pen().SetColor(Color());
            }
            DrawTraceSegment(canvas, xyAxesReversed, percent, sequence.StartXValue, from, end, from);
            if (sequence.TransitionSet)
                DrawTraceSegment(canvas, xyAxesReversed, percent, end, from, end,
                                 level(!sequence.StartYValue));
        }
        sequence.Clear();
    };
    ForEachDrawnPoint(
        [&](double x, double y) {
            const bool high = y != 0;
            if (sequence.StartSet && high == sequence.StartYValue) {
                sequence.StopSet = true;
                sequence.StopXValue = x;
                return;
            }
            if (sequence.StartSet) {
                sequence.TransitionSet = true;
                sequence.TransitionXValue = x;
                flush();
            }
            sequence.StartSet = true;
            sequence.StartXValue = x;
            sequence.StartYValue = high;
        },
        flush);
    flush();
}

void TiPlotChannel::DrawMarkers(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) {
    if (startIndex_ < 0 || stopIndex_ < 0 || !MarkersVisible())
        return;
    if (!digitalEnabled_) {
        TiPlotChannelCustom::DrawMarkers(canvas, xyAxesReversed, backGroundColor);
        return;
    }
    DrawDigitalMarkers(canvas, backGroundColor);
}

void TiPlotChannel::DrawDigitalMarkers(TCanvas& canvas, TColor backGroundColor) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis)
        return;
    canvas.Font().Assign(*MarkersFont());
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
        if (!GetPointValid(i) || !List().GetPointMarkerVisible(i))
            continue;
        const double x = GetPointX(i), y = GetPointY(i);
        if (!xAxis->ValueOnScale(x) || !yAxis->ValueOnScale(y))
            continue;
        TPoint p = Point(xAxis->PositionToPixels(x), y != 0 ? pixelsHigh_ : pixelsLow_);
        if (XYAxesReversed())
            p = Point(p.Y, p.X);
        DrawMarker(canvas, i, backGroundColor, p);
    }
}

namespace {

// A rectangle of X pixels (left, right) and Y pixels (top, bottom), ordered
// and exchanged when the plot shows X vertically.
TRect PlacedRect(int left, int top, int right, int bottom, bool xyAxesReversed) {
    const TRect r = xyAxesReversed ? Rect(top, left, bottom, right) : Rect(left, top, right, bottom);
    return r.Normalized();
}

void SolidColors(TCanvas& canvas, TColor pen, TColor brush) {
    canvas.Pen().SetColor(pen);
    canvas.Brush().SetColor(brush);
}

} // namespace

bool TiPlotChannel::BeginHighLow(TCanvas& canvas, TColor backGroundColor) {
    if (!HasAxes() || startIndex_ < 0 || stopIndex_ < 0)
        return false;
    canvas.Pen().SetWidth(0);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetStyle(bsSolid);
    canvas.SetBkColor(backGroundColor);
    return true;
}

void TiPlotChannel::DrawHighLowOpenClose(TCanvas& canvas, TColor backGroundColor) {
    if (!BeginHighLow(canvas, backGroundColor))
        return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    const bool reversed = XYAxesReversed();
    const TiPlotDataCustomList& list = List();
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
        if (!GetPointValid(i))
            continue;
        const int b = xAxis->WidthToPixels(highLowBarWidth_);
        const int c = xAxis->PositionToPixels(GetPointX(i));
        const int h = b / 2;
        const int yl = yAxis->PositionToPixels(list.GetLow(i));
        const int yh = yAxis->PositionToPixels(list.GetHigh(i));
        const int l = c + b - h;
        const int d = b == 0 ? l + 1 : c - h;
        const TRect bar = PlacedRect(l, yl == yh ? yl + 1 : yl, d, yh, reversed);
        const int t = (l + d) / 2;
        const auto tick = [&](bool show, double width, double height, double value, TColor color, bool open) {
            if (!show)
                return;
            const int o = xAxis->WidthToPixels(width), v = yAxis->WidthToPixels(height);
            const int yo = yAxis->PositionToPixels(value);
            const int top = yo + v - v / 2 - 1;
            int bottom = yo - v / 2;
            if (bottom == top)
                bottom = top + 1;
            const int from = open ? t - o + 1 : t;
            const int to = open ? (o == 1 ? t - o + 2 : t) : (o == 1 ? t + 1 : t + o - 1);
            SolidColors(canvas, color, color);
            canvas.Rectangle(PlacedRect(from, top, to, bottom, reversed));
        };
        tick(highLowOpenShow_, highLowOpenWidth_, highLowOpenHeight_, list.GetOpen(i), highLowOpenColor_,
             true);
        tick(highLowCloseShow_, highLowCloseWidth_, highLowCloseHeight_, list.GetClose(i), highLowCloseColor_,
             false);
        SolidColors(canvas, highLowBarColor_, highLowBarColor_);
        canvas.Rectangle(bar);
    }
}

void TiPlotChannel::DrawCandleSticks(TCanvas& canvas, TColor backGroundColor) {
    if (!BeginHighLow(canvas, backGroundColor))
        return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    const bool reversed = XYAxesReversed();
    const TiPlotDataCustomList& list = List();
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
        if (!GetPointValid(i))
            continue;
        const int x = xAxis->PositionToPixels(GetPointX(i));
        const int high = yAxis->PositionToPixels(list.GetHigh(i)),
                  low = yAxis->PositionToPixels(list.GetLow(i));
        canvas.Pen().SetColor(highLowShadowColor_);
        canvas.MoveTo(reversed ? high : x, reversed ? x : high);
        canvas.LineTo(reversed ? low : x, reversed ? x : low);
        const int g = xAxis->WidthToPixels(highLowBarWidth_) / 2;
        int left = x - g, right = x + g + 1;
        if (right - left < 1)
            right = left + 1;
        int top = yAxis->PositionToPixels(list.GetOpen(i)),
            bottom = yAxis->PositionToPixels(list.GetClose(i));
        if (top == bottom)
            bottom = top + 1;
        canvas.Brush().SetColor(list.GetOpen(i) > list.GetClose(i) ? highLowBearishColor_
                                                                   : highLowBullishColor_);
        canvas.Rectangle(PlacedRect(left, top, right, bottom, reversed));
    }
}
