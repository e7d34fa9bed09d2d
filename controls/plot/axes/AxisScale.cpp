// The axis' scale rectangle and its conversions between values, pixels and
// fractions of the scale.

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <cmath>

using namespace korvan::plot;

void TiPlotAxis::CalcScaleRect(TCanvas& canvas) {
    if (IsCartesian())
        quadSide_ = Horizontal() ? iqsBottom : iqsRight;
    else if (Horizontal())
        quadSide_ = ReverseSide() ? iqsTop : iqsBottom;
    else
        quadSide_ = ReverseSide() ? iqsRight : iqsLeft;
    canvas.Font().Assign(*labelsFont_);
    const TRect draw = DrawRect();
    const bool upright = labelsRotation_ == ira090 || labelsRotation_ == ira270;
    if (quadSide_ == iqsLeft || quadSide_ == iqsRight) {
        scaleRect_.Left = draw.Left;
        scaleRect_.Right = draw.Right;
        focusRect_.Left = draw.Left + 2;
        focusRect_.Right = draw.Right - 2;
        const int b = GetTextHeight(canvas, "0");
        const int c =
            upright ? GetMaxLabelWidth(canvas, *labelsFont_) : GetTextHeight(canvas, GetLabelText(min_));
        const int d =
            IsCartesian() ? 0 : ClampToInt((std::int64_t(c) + SaturatedRound(b * stackingEndsMargin_)) / 2);
        scaleRect_.Bottom = StartStacked() ? draw.Bottom - d : draw.Bottom;
        scaleRect_.Top = StopStacked() ? draw.Top + d : draw.Top;
        focusRect_.Bottom = scaleRect_.Bottom + d;
        focusRect_.Top = scaleRect_.Top - d;
    } else {
        scaleRect_.Top = draw.Top;
        scaleRect_.Bottom = draw.Bottom;
        focusRect_.Top = draw.Top + 2;
        focusRect_.Bottom = draw.Bottom - 2;
        const int b = MultiLineTextWidth(canvas, "0");
        int c = 0;
        if (labelsVisible_)
            c = upright ? GetTextHeight(canvas, GetLabelText(min_)) : GetMaxLabelWidth(canvas, *labelsFont_);
        const int d = IsCartesian()
                          ? 0
                          : ClampToInt(SaturatedRound64(c / 2.0) + SaturatedRound(b * stackingEndsMargin_));
        scaleRect_.Left = StartStacked() ? draw.Left + d : draw.Left;
        scaleRect_.Right = StopStacked() ? draw.Right - d : draw.Right;
        focusRect_.Left = scaleRect_.Left - d;
        focusRect_.Right = scaleRect_.Right + d;
    }
    if (Horizontal()) {
        actualStart_ = reverseScale_ ? scaleRect_.Right : scaleRect_.Left;
        actualStop_ = reverseScale_ ? scaleRect_.Left : scaleRect_.Right;
    } else {
        actualStart_ = reverseScale_ ? scaleRect_.Top : scaleRect_.Bottom;
        actualStop_ = reverseScale_ ? scaleRect_.Bottom : scaleRect_.Top;
    }
    pixelsPerSpanUnit_ = (double(actualStart_) - actualStop_) / span_;
    if (!(std::fabs(pixelsPerSpanUnit_) <= 1e300))
        pixelsPerSpanUnit_ = 0;
}

int TiPlotAxis::PositionToPixels(double value) const {
    if (actualStart_ == actualStop_ || !(span_ > 1e-300))
        return ClampToInt((std::int64_t(actualStart_) + actualStop_) / 2);
    if (scaleType_ == ipstLinear) {
        // Every line stays within 16-bit device coordinates.
        const std::int64_t p = actualStart_ - SaturatedRound64((value - min_) * pixelsPerSpanUnit_);
        return int(std::clamp<std::int64_t>(p, -32000, 32000));
    }
    const double m = min_ > 0 ? min_ : 1.0;
    const double s = span_ > 0 ? span_ : 1.0;
    const double v = value > 0 ? value : 1.0;
    const double decades = std::log10(m + s) - std::log10(m);
    if (decades == 0)
        return 0;
    const double offset = (std::log10(v) - std::log10(m)) * (double(actualStart_) - actualStop_) / decades;
    return ClampToInt(actualStart_ - SaturatedRound64(offset));
}

double TiPlotAxis::PixelsToPosition(double value) const {
    double fraction = 0;
    if (Horizontal()) {
        if (scaleRect_.Left == scaleRect_.Right)
            return min_;
        const double width = double(scaleRect_.Right) - scaleRect_.Left;
        fraction = reverseScale_ ? (scaleRect_.Right - value) / width : (value - scaleRect_.Left) / width;
    } else {
        if (scaleRect_.Top == scaleRect_.Bottom)
            return min_;
        const double height = double(scaleRect_.Bottom) - scaleRect_.Top;
        fraction = reverseScale_ ? (value - scaleRect_.Top) / height : (scaleRect_.Bottom - value) / height;
    }
    if (scaleType_ == ipstLinear)
        return min_ + span_ * fraction;
    return std::pow(10.0, std::log10(min_) + (std::log10(Max()) - std::log10(min_)) * fraction);
}

bool TiPlotAxis::PointOnScale(double value) const {
    const int p = PositionToPixels(value);
    if (Horizontal())
        return scaleRect_.Left <= p && p <= scaleRect_.Right;
    return scaleRect_.Top <= p && p <= scaleRect_.Bottom;
}

int TiPlotAxis::WidthToPixels(double value) const {
    return ClampToInt(std::llabs(std::int64_t(PositionToPixels(min_ + value)) - PositionToPixels(min_)));
}

double TiPlotAxis::PositionToPercent(double value) const {
    return reverseScale_ ? (Max() - value) / span_ : (value - min_) / span_;
}

double TiPlotAxis::PercentToPosition(double value) const {
    if (!(StopPercent() - StartPercent() > 0))
        return 0;
    if (scaleType_ == ipstLinear) {
        if (reverseScale_)
            return Max() - value * span_;
        return (value * 100 - StartPercent()) / (StopPercent() - StartPercent()) * span_ + min_;
    }
    const double decades = std::log10(Max()) - std::log10(min_);
    const double fraction = reverseScale_ ? 1 - value : value;
    return std::pow(10.0, std::log10(min_) + fraction * decades);
}
