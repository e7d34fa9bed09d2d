// How an axis moves or stretches its range by itself as data arrives, snaps
// it to whole tick increments, and fits it to its channels.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/PlotAxis.h"
#include "platform/text/Exception.h"

#include <cmath>

void TiPlotAxis::SetTrackingEnabled(bool value) {
    if (value == trackingEnabled_)
        return;
    trackingEnabled_ = value;
    if (restoreValuesOnResume_) {
        if (value) {
            SetMinSpan(previousMin_, previousSpan_);
            labelsMinLength_ = previousLabelsMinLength_;
        } else {
            UpdateResumeValues();
        }
    }
    DoChange();
}

void TiPlotAxis::UpdateResumeValues() {
    previousMin_ = min_;
    previousSpan_ = span_;
    previousLabelsMinLength_ = labelsMinLength_;
}

void TiPlotAxis::SetMode(TiPlotAxisMode value) {
    if (value == mode_)
        return;
    mode_ = value;
    DoChange();
}

void TiPlotAxis::NewTrackingData(double value) {
    if (!trackingEnabled_)
        return;
    const double min = min_, span = span_, max = Max();
    if (!firstAlignDone_) {
        firstAlignDone_ = true;
        switch (trackingAlignFirstStyle_) {
        case ipafsMin:
            SetMinSpan(value, span);
            break;
        case ipafsMax:
            SetMinSpan(value - span, span);
            break;
        case ipafsAuto:
            if (value < min || value > max)
                SetMinSpan(value, span);
            break;
        case ipafsNone:
            break;
        }
        return;
    }
    bool snap = true;
    switch (trackingStyle_) {
    case iptsScaleMinMax:
        SetMinSpan(value < min ? value : min, min + span < value ? value - min : span);
        break;
    case iptsScaleMax:
        if (value > max)
            SetMinSpan(min, value - max + span);
        break;
    case iptsScaleMin:
        if (value < min)
            SetMinSpan(value, max - value);
        break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
        snap = false;
        const bool beyond = min + span < value;
        double newSpan = span;
        if (beyond && trackingScrollCompressMax_ != 0) {
            // The range stretches to take in new values until its span
            // passes the maximum; then it is cut back and scrolls.
            if (value - min > span)
                newSpan = value - min;
            if (span > trackingScrollCompressMax_)
                newSpan = trackingScrollCompressMax_;
        }
        double newMin = min;
        if (trackingStyle_ == iptsScrollSmooth) {
            if (beyond)
                newMin = value - newSpan;
            else if (value < min)
                newMin = value;
        } else {
            if (beyond)
                newMin = min + newSpan;
            else if (value < min)
                newMin = min - newSpan;
        }
        SetMinSpan(newMin, newSpan);
        break;
    }
    case iptsExpandCollapse:
        ZoomToFit();
        break;
    case iptsExpandCollapseFast:
        ZoomToFitFast();
        break;
    case iptsExpandMinMax: {
        double newSpan = value > max ? span + (value - max) : span;
        double newMin = min;
        if (value < min) {
            newSpan = min - value + span;
            newMin = value;
        }
        SetMinSpan(newMin, newSpan);
        break;
    }
    }
    if (snap)
        AlignToTrackingIncrement();
    if (trackingSpanMinimum_ != 0 && span_ < trackingSpanMinimum_)
        SetMinSpan(Mid() - trackingSpanMinimum_ / 2, trackingSpanMinimum_);
    if (trackingMinMargin_ != 0 && min_ + trackingMinMargin_ > value)
        SetMinSpan(value - trackingMinMargin_, span_);
    if (trackingMaxMargin_ != 0 && value > Max() - trackingMaxMargin_)
        SetMinSpan(min_, value - (Max() - trackingMaxMargin_) + span_);
}

void TiPlotAxis::AlignToTrackingIncrement() {
    if (trackingIncrementStyle_ == iptisMinimum)
        return;
    const double increment = trackingIncrementStyle_ == iptisMajor ? majorIncrement_ : minorIncrement_;
    // Before the first tick calculation there is no increment to snap to.
    if (!(increment > 0) || !std::isfinite(increment))
        return;
    const double max = Max();
    double newMax = max;
    if (std::trunc(max / increment) != max / increment) {
        newMax = increment * std::trunc(max / increment);
        if (newMax < max)
            newMax += increment;
    }
    double newMin = min_;
    if (std::trunc(min_ / increment) != min_ / increment) {
        newMin = increment * std::trunc(min_ / increment);
        if (newMin > min_)
            newMin -= increment;
    }
    if (newMin != min_ || newMax != max)
        SetMinSpan(newMin, newMax - newMin);
}

void TiPlotAxis::ZoomToFit() {
    FitTo(false);
}

void TiPlotAxis::ZoomToFitFast() {
    FitTo(true);
}

void TiPlotAxis::FitTo(bool fast) {
    IiPlotAxisHost* host = AxisHost();
    if (!host)
        return;
    double hi = -1e300, lo = 1e300;
    for (const auto& [low, high] : host->AxisChannelRanges(this, fast)) {
        if (high > hi)
            hi = high;
        if (low < lo)
            lo = low;
    }
    if (!(hi > -1e300 && lo < 1e300 && hi != lo))
        return;
    double span = hi - lo;
    if (!fast && trackingSpanMinimum_ != 0 && span < trackingSpanMinimum_)
        span = trackingSpanMinimum_;
    SetMinSpan(lo - trackingMinMargin_, span + trackingMaxMargin_ + trackingMinMargin_);
}

void TiPlotAxis::Zoom(double factor) {
    if (scaleType_ == ipstLinear) {
        if (!(factor > 0))
            throw Exception("Linear Scale Zoom Factor must be Greater than Zero");
        const double span = span_ * factor;
        SetMinSpan((Max() + min_) / 2 - span / 2, span);
        return;
    }
    const double k = std::pow(10.0, factor);
    SetMinSpan(min_ / k, span_ * k);
}

void TiPlotAxis::ZoomToRect(const TRect& rect) {
    int a = Horizontal() ? rect.Left : rect.Bottom;
    int b = Horizontal() ? rect.Right : rect.Top;
    if (reverseScale_)
        std::swap(a, b);
    const double newMin = PixelsToPosition(a);
    SetMinSpan(newMin, PixelsToPosition(b) - newMin);
}

void TiPlotAxis::ScrollByFraction(double oldMin, double oldSpan, double oldMax, double fraction) {
    if (scaleType_ == ipstLinear) {
        double newMin = oldMin + fraction * oldSpan;
        if (scrollMinMaxEnabled_) {
            if (!(newMin > scrollMin_))
                newMin = scrollMin_;
            else if (newMin + span_ >= scrollMax_)
                newMin = scrollMax_ - span_;
        }
        SetMinSpan(newMin, span_);
        return;
    }
    const double decades = std::log10(oldMax) - std::log10(oldMin);
    const double k = std::pow(10.0, fraction * decades);
    double newMin = oldMin * k, newMax = oldMax * k;
    if (scrollMinMaxEnabled_) {
        if (!(newMin > scrollMin_)) {
            newMin = scrollMin_;
            newMax = std::pow(10.0, decades) * scrollMin_;
        } else if (newMin + span_ >= scrollMax_) {
            newMax = scrollMax_;
            newMin = scrollMax_ / std::pow(10.0, decades);
        }
    }
    SetMinSpan(newMin, newMax - newMin);
}

void TiPlotAxis::ZoomByFactor(double oldMin, double oldSpan, double oldMax, double factor) {
    (void)oldMax;
    const double k = std::pow(10.0, factor);
    if (scaleType_ == ipstLinear) {
        const double span = oldSpan / k;
        SetMinSpan((Max() + min_) / 2 - span / 2, span);
        return;
    }
    SetMinSpan(oldMin * k, oldSpan / k);
}
