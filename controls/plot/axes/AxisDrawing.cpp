// The room an axis needs and its drawing: scale line, tick marks, tick
// labels, title, focus frame, and the grid lines a data view draws at the
// axis' ticks.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cmath>

using namespace korvan::plot;

namespace {

bool Upright(TiRotationAngle angle) {
    return angle == ira090 || angle == ira270;
}

// A two-point line; the canvas leaves out its end point.
void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Polyline({TPoint{x1, y1}, TPoint{x2, y2}});
}

TRect Ordered(int x1, int y1, int x2, int y2) {
    return Rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

TPenStyle PenStyleOf(TiPlotGridLineStyle style) {
    switch (style) {
    case ipglsDash:
        return psDash;
    case ipglsDot:
        return psDot;
    default:
        return psSolid;
    }
}

} // namespace

// ---------------------------------------------------------------- room

int TiPlotAxis::GetMaxLabelWidth(TCanvas& canvas, const TFont& font) {
    canvas.Font().Assign(font);
    int width = SaturatedRound(canvas.TextWidth("0") * labelsMinLength_);
    const double sample = std::trunc(min_ / span_) * span_ + span_;
    allowLabelMinAdjust_ = true;
    std::string text;
    try {
        text = GetLabelText(sample);
    } catch (...) {
        allowLabelMinAdjust_ = false;
        throw;
    }
    allowLabelMinAdjust_ = false;
    width = std::max(width, MultiLineTextWidth(canvas, text));
    for (const TiPlotTickObject& tick : ticks_)
        width = std::max(width, MultiLineTextWidth(canvas, tick.Text));
    return width;
}

int TiPlotAxis::LabelsAcross(TCanvas& canvas) {
    if (IsVert() != Upright(labelsRotation_))
        return GetMaxLabelWidth(canvas, *labelsFont_);
    return GetTextHeight(canvas, GetLabelText(min_));
}

int TiPlotAxis::GetRequiredWidth(TCanvas& canvas) {
    std::int64_t title = 0;
    if (titleShow_ && !IsCartesian()) {
        canvas.Font().Assign(*titleFont_);
        const int height = GetTextHeight(canvas, title_);
        const double across = titleRotated_ ? MultiLineTextWidth(canvas, title_) : height;
        title = SaturatedRound64(across + height * titleMargin_);
    }
    const int ticks = scaleLinesShow_ ? std::max({0, majorLength_, minorLength_}) : 0;
    std::int64_t labelsMargin = 0, labels = 0;
    if (labelsVisible_) {
        canvas.Font().Assign(*labelsFont_);
        labelsMargin = SaturatedRound64(canvas.TextHeight("A") * labelsMargin_);
        labels = LabelsAcross(canvas);
    }
    requiredWidth_ =
        ClampToInt(std::int64_t(innerMargin_) + outerMargin_ + ticks + labelsMargin + labels + title);
    return requiredWidth_;
}

int TiPlotAxis::GetRequiredEndsMargin(TCanvas& canvas) {
    if (!labelsVisible_)
        return 0;
    canvas.Font().Assign(*labelsFont_);
    const bool alongIsHeight = IsVert() != Upright(labelsRotation_);
    return (alongIsHeight ? GetTextHeight(canvas, "XYZ") : GetMaxLabelWidth(canvas, *labelsFont_)) / 2;
}

// ---------------------------------------------------------------- drawing

void TiPlotAxis::PrepareDraw() {
    TiPlotLayoutObject::PrepareDraw();
    IiPlotAxisHost* host = AxisHost();
    if (!IsCartesian() || !host)
        return;
    const TRect& s = scaleRect_;
    switch (quadSide_) {
    case iqsLeft:
        host->AddAxesCollisionRect(Rect(s.Right, s.Top, s.Right + 1, s.Bottom + 1));
        break;
    case iqsRight:
        host->AddAxesCollisionRect(Rect(s.Left, s.Top, s.Left + 1, s.Bottom + 1));
        break;
    case iqsTop:
        host->AddAxesCollisionRect(Rect(s.Left, s.Bottom, s.Right, s.Bottom + 1));
        break;
    case iqsBottom:
        host->AddAxesCollisionRect(Rect(s.Left, s.Top, s.Right + 1, s.Top + 1));
        break;
    }
}

void TiPlotAxis::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!Visible())
        return;
    for (TiPlotTickObject& tick : ticks_) {
        tick.Show = PointOnScale(tick.Position);
        if (!tick.Show)
            continue;
        tick.PositionPixels = PositionToPixels(tick.Position);
        if (tick.TickType == ipttMajor && labelsVisible_)
            DrawTickLabel(canvas, tick, backGroundColor);
    }
    if (scaleLinesShow_) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(scaleLinesColor_);
        if (scaleLineShow_)
            DrawScaleLine(canvas);
        for (const TiPlotTickObject& tick : ticks_)
            if (tick.Show)
                DrawTickMark(canvas, tick);
    }
    const TRect draw = DrawRect();
    if (IsCartesian()) {
        // The focus frame lies across the line the axis is drawn on.
        if (Horizontal()) {
            focusRect_.Top = draw.Top - (majorLength_ + 1) / 2 - 5;
            focusRect_.Bottom = focusRect_.Top + requiredWidth_;
        } else {
            focusRect_.Left = draw.Left - (majorLength_ + 1) / 2 - 5;
            focusRect_.Right = focusRect_.Left + requiredWidth_;
        }
    } else {
        DrawTitle(canvas);
    }
    if (UserSelected()) {
        canvas.Font().SetColor(clWhite);
        DrawFocusRectangle(
            canvas, Rect(focusRect_.Left, focusRect_.Top, focusRect_.Right + 1, focusRect_.Bottom + 1));
    }
}

void TiPlotAxis::DrawScaleLine(TCanvas& canvas) const {
    const int m = IsCartesian() ? 0 : innerMargin_;
    const TRect& s = scaleRect_;
    switch (quadSide_) {
    case iqsLeft:
        Line(canvas, s.Right - m, s.Top, s.Right - m, s.Bottom + 1);
        break;
    case iqsRight:
        Line(canvas, s.Left + m, s.Top, s.Left + m, s.Bottom + 1);
        break;
    case iqsTop:
        Line(canvas, s.Left, s.Bottom - m, s.Right, s.Bottom - m);
        break;
    case iqsBottom:
        Line(canvas, s.Left, s.Top + m, s.Right + 1, s.Top + m);
        break;
    }
}

void TiPlotAxis::DrawTickMark(TCanvas& canvas, const TiPlotTickObject& tick) const {
    const bool major = tick.TickType == ipttMajor;
    int a = major ? innerMargin_ : innerMargin_ + minorLength_;
    int b = major ? innerMargin_ + majorLength_ : innerMargin_;
    if (IsCartesian()) {
        const int half = ((major ? majorLength_ : minorLength_) + 1) / 2;
        a = half;
        b = -(half + 1);
    }
    const TRect d = DrawRect();
    const int p = tick.PositionPixels;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    switch (quadSide_) {
    case iqsLeft:
        x1 = d.Right - a, y1 = p, x2 = d.Right - b, y2 = p;
        break;
    case iqsRight:
        x1 = d.Left + a, y1 = p, x2 = d.Left + b, y2 = p;
        break;
    case iqsTop:
        x1 = p, y1 = d.Bottom - a, x2 = p, y2 = d.Bottom - b;
        break;
    case iqsBottom:
        x1 = p, y1 = d.Top + a, x2 = p, y2 = d.Top + b;
        break;
    }
    if (IsCartesian())
        if (IiPlotAxisHost* host = AxisHost()) {
            TRect mark = Ordered(x1, y1, x2, y2);
            if (Horizontal())
                mark.Right = mark.Left + 1;
            else
                mark.Bottom = mark.Top + 1;
            host->AddAxesCollisionRect(mark);
        }
    Line(canvas, x1, y1, x2, y2);
}

void TiPlotAxis::DrawTickLabel(TCanvas& canvas, const TiPlotTickObject& tick, TColor backGroundColor) {
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().Assign(*labelsFont_);
    const int p = tick.PositionPixels;
    const int lm = SaturatedRound(canvas.TextHeight("A") * labelsMargin_);
    const int h = GetTextHeight(canvas, tick.Text);
    const int w = MultiLineTextWidth(canvas, tick.Text);
    int d = scaleLinesShow_ ? innerMargin_ + majorLength_ + lm : innerMargin_ + lm;
    if (IsCartesian())
        d = (majorLength_ + 1) / 2 + lm;
    // Across the axis the label takes `deep` pixels, along it `wide`.
    const bool sideways = (quadSide_ == iqsLeft || quadSide_ == iqsRight) != Upright(labelsRotation_);
    const int deep = sideways ? w : h;
    const int wide = sideways ? h : w;
    const TRect e = DrawRect();
    TRect r{};
    switch (quadSide_) {
    case iqsLeft:
        r = Rect(e.Right - d - deep, p - wide / 2, e.Right - d, p + wide / 2);
        break;
    case iqsRight:
        r = Rect(e.Left + d, p - wide / 2, e.Left + d + deep, p + wide / 2);
        break;
    case iqsTop:
        r = Rect(p - wide / 2, e.Bottom - d - deep, p + wide / 2, e.Bottom - d);
        break;
    case iqsBottom:
        r = Rect(p - wide / 2, e.Top + d, p + wide / 2, e.Top + d + deep);
        break;
    }
    if (IsCartesian())
        if (IiPlotAxisHost* host = AxisHost(); host && !host->TryAddAxesCollisionRect(r))
            return;
    TRect covered{};
    DrawRotatedText(canvas, tick.Text, r, backGroundColor, true, iahCenter, labelsRotation_, covered);
}

void TiPlotAxis::DrawTitle(TCanvas& canvas) const {
    if (!titleShow_ || Trim(title_).empty())
        return;
    canvas.Font().Assign(*titleFont_);
    const int width = MultiLineTextWidth(canvas, title_);
    const int height = GetTextHeight(canvas, title_);
    const int a = titleRotated_ ? width : height;
    const int b = titleRotated_ ? height : width;
    canvas.Brush().SetStyle(bsClear);
    const TRect& s = scaleRect_;
    TRect r{};
    TiRotationAngle angle = ira000;
    if (Horizontal()) {
        if (quadSide_ == iqsTop)
            r = Rect(s.Left, s.Top + outerMargin_, s.Right, s.Top + outerMargin_ + a);
        else
            r = Rect(s.Left, s.Bottom - outerMargin_ - a, s.Right, s.Bottom - outerMargin_);
        angle = titleRotated_ ? ira090 : ira000;
    } else {
        const int mid = (s.Top + s.Bottom) / 2;
        if (quadSide_ == iqsLeft)
            r = Ordered(s.Left + outerMargin_, mid - b / 2, s.Left + outerMargin_ + a, mid + b / 2);
        else
            r = Ordered(s.Right - outerMargin_, mid - b / 2, s.Right - outerMargin_ - a, mid + b / 2);
        angle = titleRotated_ ? ira000 : ira090;
    }
    TRect covered{};
    DrawRotatedText(canvas, title_, r, canvas.Brush().Color(), true, iahCenter, angle, covered);
}

void TiPlotAxis::DrawGridLines(TCanvas& canvas, const TRect& rect, bool majorsShow, bool minorsShow,
                               TiPlotGridLineStyle majorStyle, TColor majorColor, int majorWidth,
                               TiPlotGridLineStyle minorStyle, TColor minorColor, int minorWidth) const {
    if (!gridLinesVisible_)
        return;
    for (const TiPlotTickObject& tick : ticks_) {
        const bool major = tick.TickType == ipttMajor;
        if (!tick.Show || !(major ? majorsShow : minorsShow))
            continue;
        canvas.Pen().SetStyle(PenStyleOf(major ? majorStyle : minorStyle));
        canvas.Pen().SetWidth(major ? majorWidth : minorWidth);
        canvas.Pen().SetColor(major ? majorColor : minorColor);
        const int p = tick.PositionPixels;
        if (Horizontal())
            Line(canvas, p, rect.Top, p, rect.Bottom);
        else
            Line(canvas, rect.Left, p, rect.Right, p);
    }
}
