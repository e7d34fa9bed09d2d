// How a strip-chart channel paints itself: the preparation before each
// paint, the fill, the bars, the straight-line trace reduced to a few
// segments per pixel column, and the step traces.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/core/ChannelTrace.h"
#include "controls/plot/core/Interpolation.h"
#include "controls/plot/core/PlotContainers.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"

#include <algorithm>
#include <exception>
#include <vector>

void TiPlotChannel::PrepareDraw() {
    SetCanDraw(false);
    TiPlotXAxis* xAxis = XAxis();
    if (!xAxis || !YAxis() || !Visible() || Count() == 0)
        return;
    UpdateXIncreasing();
    if (!drawOutOfOrderXValues_) {
        const double first = XFirst(), last = XLast();
        const bool outside = xIncreasing_ ? (last < xAxis->Min() || first > xAxis->Max())
                                          : (first < xAxis->Min() || last > xAxis->Max());
        if (outside)
            return;
    }
    CalcStartIndex();
    CalcStopIndex();
    const bool steps =
        interpolationStyle_ == ipistDifferential || interpolationStyle_ == ipistDifferentialTerminated;
    if ((startIndex_ == -1 || stopIndex_ == -1) && !steps)
        return;
    TiPlotYAxis* yAxis = YAxis();
    if (digitalReferenceStyle_ == ipdrPercent) {
        pixelsHigh_ = yAxis->PositionToPixels(yAxis->Span() * digitalReferenceHigh_ / 100 + yAxis->Min());
        pixelsLow_ = yAxis->PositionToPixels(yAxis->Span() * digitalReferenceLow_ / 100 + yAxis->Min());
    } else {
        pixelsHigh_ = yAxis->PositionToPixels(digitalReferenceHigh_);
        pixelsLow_ = yAxis->PositionToPixels(digitalReferenceLow_);
    }
    pixelListStart_ = std::min(xAxis->MinPixels(), xAxis->MaxPixels());
    pixelListStop_ = std::max(xAxis->MinPixels(), xAxis->MaxPixels());
    const std::size_t columns = std::size_t(pixelListStop_ - pixelListStart_ + 1);
    if (pixelList_.size() < columns)
        pixelList_.resize(columns);
    for (std::size_t c = 0; c < columns; ++c)
        pixelList_[c] = {true, pixelListStart_ + std::int32_t(c), 0.0};
    SetCanDraw(true);
}

void TiPlotChannel::StorePixelValue(std::int32_t xPixel, double yValue) {
    if (xPixel < pixelListStart_ || xPixel > pixelListStop_)
        throw Exception("Pixel List XPixel out of Range");
    TiPlotPixelPoint& p = pixelList_[std::size_t(xPixel - pixelListStart_)];
    p.Null = false;
    p.YValue = yValue;
}

// One failing channel must not stop the plot's paint.
void TiPlotChannel::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (ClipToAxes())
        ClipCanvasToAxes(canvas);
    try {
        DrawFill(canvas, backGroundColor);
        DrawBars(canvas, backGroundColor);
        DrawTrace(canvas, XYAxesReversed(), backGroundColor);
        DrawMarkers(canvas, XYAxesReversed(), backGroundColor);
        if (highLowEnabled_) {
            if (highLowStyle_ == iphlsOpenClose)
                DrawHighLowOpenClose(canvas, backGroundColor);
            else
                DrawCandleSticks(canvas, backGroundColor);
        }
    } catch (const std::exception&) {
    }
}

void TiPlotChannel::DrawFill(TCanvas& canvas, TColor backGroundColor) {
    if (!fillEnabled_ || fillStyle_ == bsClear || interpolationStyle_ != ipistStraightLine ||
        digitalEnabled_ || stopIndex_ <= startIndex_)
        return;
    const TColor color = fillUseChannelColor_ ? Color() : fillColor_;
    canvas.Brush().SetStyle(fillStyle_);
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(0);
    canvas.Pen().SetStyle(psClear);
    canvas.SetBkColor(backGroundColor);
    korvan::plot::ForEachTraceSegment(
        List(), startIndex_, stopIndex_, [&](std::int32_t from, std::int32_t to) {
            const double x0 = GetPointX(from), y0 = GetPointY(from), x1 = GetPointX(to), y1 = GetPointY(to);
            FillValueQuad(canvas, XYAxesReversed(),
                          {{x1, fillReference_}, {x1, y1}, {x0, y0}, {x0, fillReference_}});
        });
}

TRect TiPlotChannel::GetBarRect(std::int32_t index) {
    const TiPlotPointAttributes a = GetPointAttributes(index);
    const double x = GetPointX(index);
    return GetValueRect(x - a.BarWidth / 2, a.BarReference, x + a.BarWidth / 2, GetPointY(index));
}

void TiPlotChannel::DrawBars(TCanvas& canvas, TColor backGroundColor) {
    if (!barEnabled_ || startIndex_ < 0 || stopIndex_ < 0)
        return;
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
        if (!GetPointValid(i))
            continue;
        const TiPlotPointAttributes a = GetPointAttributes(i);
        if (!a.BarVisible)
            continue;
        canvas.Brush().SetColor(barBrushUseChannelColor_ ? Color() : a.BarBrushColor);
        canvas.Pen().SetColor(barPenUseChannelColor_ ? Color() : a.BarPenColor);
        canvas.Pen().SetWidth(a.BarPenWidth);
        canvas.Pen().SetStyle(a.BarPenStyle);
        canvas.Brush().SetStyle(a.BarBrushStyle);
        canvas.SetBkColor(backGroundColor);
        TRect r = GetBarRect(i);
        if (r.Left == r.Right)
            r.Right = r.Left + 1;
        canvas.Rectangle(r);
    }
}

void TiPlotChannel::DrawTrace(TCanvas& canvas, bool xyAxesReversed, TColor backGroundColor) {
    if (!TraceVisible())
        return;
    canvas.Brush().SetStyle(bsClear);
    SetTracePen(canvas, Color(), TraceLineStyle(), TraceLineWidth(), backGroundColor);
    if (digitalEnabled_) {
        DrawDigital(canvas, xyAxesReversed);
        return;
    }
    switch (interpolationStyle_) {
    case ipistDifferential:
    case ipistDifferentialTerminated:
        DrawStepTrace(canvas, xyAxesReversed);
        return;
    case ipistStraightLine:
        if (fastDrawEnabled_) {
            DrawFast(canvas, xyAxesReversed);
            return;
        }
        break;
    case ipistCubicSpline:
        DrawCubicSpline(canvas, xyAxesReversed);
        return;
    case ipistPolynomial:
    case ipistRational: {
        const std::int32_t count = Count();
        if (count < 2)
            return;
        std::vector<double> xs(static_cast<std::size_t>(count)), ys(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            xs[std::size_t(i)] = GetPointX(i);
            ys[std::size_t(i)] = GetPointY(i);
        }
        const bool polynomial = interpolationStyle_ == ipistPolynomial;
        DrawCurve(canvas, xyAxesReversed, xs.front(), xs.back(), [&](double x) {
            return polynomial ? korvan::plot::PolynomialInterpolate(xs, ys, x).Y
                              : korvan::plot::RationalInterpolate(xs, ys, x).Y;
        });
        return;
    }
    }
    TiPlotChannelCustom::DrawTrace(canvas, xyAxesReversed, backGroundColor);
}

// Runs of the whole channel: empty points are skipped, a null point ends a
// run; each run of two or more points is one natural spline.
void TiPlotChannel::DrawCubicSpline(TCanvas& canvas, bool xyAxesReversed) {
    std::vector<double> xs, ys;
    const auto drawRun = [&] {
        if (xs.size() > 1) {
            const std::vector<double> y2 = korvan::plot::SplineSecondDerivatives(xs, ys, true);
            DrawCurve(canvas, xyAxesReversed, xs.front(), xs.back(),
                      [&](double x) { return korvan::plot::SplineInterpolate(xs, ys, y2, x); });
        }
        xs.clear();
        ys.clear();
    };
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (GetPointEmpty(i))
            continue;
        if (GetPointNull(i)) {
            drawRun();
            continue;
        }
        xs.push_back(GetPointX(i));
        ys.push_back(GetPointY(i));
    }
    drawRun();
}

void TiPlotChannel::DrawCurve(TCanvas& canvas, bool xyAxesReversed, double firstX, double lastX,
                              const std::function<double(double)>& valueAt) {
    TiPlotXAxis* axis = XAxis();
    const TColor fill = fillUseChannelColor_ ? Color() : fillColor_;
    canvas.Brush().SetStyle(fillStyle_);
    canvas.Brush().SetColor(fill);
    const bool filled = fillEnabled_ && fillStyle_ != bsClear;
    const int p0 = axis->PositionToPixels(std::max(firstX, axis->Min()));
    const int p1 = axis->PositionToPixels(std::min(lastX, axis->Max()));
    const int c0 = std::min(p0, p1), c1 = std::max(p0, p1);
    const auto fillDown = [&](double x, double y) {
        if (!filled)
            return;
        canvas.Pen().SetColor(fill);
        DrawTraceSegment(canvas, xyAxesReversed, false, x, fillReference_, x, y);
        canvas.Pen().SetColor(Color());
    };
    double px = axis->PixelsToPosition(c0);
    double py = valueAt(px);
    fillDown(px, py);
    StorePixelValue(c0, py);
    for (int c = c0; c <= c1; ++c) {
        const double x = axis->PixelsToPosition(c), y = valueAt(x);
        fillDown(x, y);
        DrawTraceSegment(canvas, xyAxesReversed, false, px, py, x, y);
        StorePixelValue(c, y);
        px = x;
        py = y;
    }
}

// Points sharing a pixel column collapse into that column's vertical range
// and the links to its neighbours: at most a few segments per column, how
// many points there may be.
void TiPlotChannel::DrawFast(TCanvas& canvas, bool xyAxesReversed) {
    if (startIndex_ < 0 || startIndex_ == stopIndex_)
        return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotMinMaxPoint a, b, c;
    const auto flush = [&] {
        const auto column = [&](const TiPlotMinMaxPoint& p) {
            if (!p.Empty && p.YMin != p.YMax)
                DrawTraceSegment(canvas, xyAxesReversed, false, p.XValue, p.YMin, p.XValue, p.YMax);
        };
        column(a);
        column(b);
        if (!a.Empty && !b.Empty)
            DrawTraceSegment(canvas, xyAxesReversed, false, a.XValue, a.YLast, b.XValue, b.YFirst);
        if (!b.Empty && !c.Empty)
            DrawTraceSegment(canvas, xyAxesReversed, false, b.XValue, b.YLast, c.XValue, c.YFirst);
    };
    ForEachDrawnPoint(
        [&](double x, double y) {
            const std::int32_t p = xAxis->PositionToPixels(x);
            if (a.Empty || p == a.XPixels) {
                a.AddData(x, y, p);
            } else if (b.Empty || p == b.XPixels) {
                b.AddData(x, y, p);
            } else {
                c.AddData(x, y, p);
                flush();
                a.AssignDown(c);
                b.Clear();
                c.Clear();
            }
        },
        [&] {
            flush();
            a.Clear();
            b.Clear();
            c.Clear();
        });
    flush();
}

void TiPlotChannel::DrawStepTrace(TCanvas& canvas, bool xyAxesReversed) {
    const std::int32_t count = Count();
    if (count == 0)
        return;
    const TColor fill = fillUseChannelColor_ ? Color() : fillColor_;
    canvas.Brush().SetStyle(fillStyle_);
    canvas.Brush().SetColor(fill);
    const bool filled = fillEnabled_ && fillStyle_ != bsClear;
    bool open = false;
    double x0 = 0, y0 = 0;
    if (startIndex_ == -1 || stopIndex_ == -1) {
        for (std::int32_t i = count - 1; i >= 0; --i)
            if (GetPointValid(i)) {
                x0 = GetPointX(i);
                y0 = GetPointY(i);
                open = true;
                break;
            }
    } else {
        for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
            if (GetPointEmpty(i))
                continue;
            const double x1 = GetPointX(i), y1 = GetPointY(i);
            const bool null = GetPointNull(i);
            if (open) {
                if (filled) {
                    canvas.Pen().SetColor(fill);
                    FillValueQuad(canvas, xyAxesReversed,
                                  {{x1, fillReference_}, {x1, y0}, {x0, y0}, {x0, fillReference_}});
                    canvas.Pen().SetColor(Color());
                }
                DrawTraceSegment(canvas, xyAxesReversed, false, x0, y0, x1, y0);
                if (!null)
                    DrawTraceSegment(canvas, xyAxesReversed, false, x1, y0, x1, y1);
            }
            open = !null;
            x0 = x1;
            y0 = y1;
        }
    }
    if (interpolationStyle_ == ipistDifferential && open) {
        canvas.Pen().SetColor(Color());
        DrawTraceSegment(canvas, xyAxesReversed, false, x0, y0, XAxis()->Max(), y0);
    }
}
