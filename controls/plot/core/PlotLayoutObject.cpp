#include "controls/plot/core/PlotLayoutObject.h"

#include "platform/text/Rounding.h"

#include <cmath>

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotLayoutObject::StaticClassInfo() {
    using O = TiPlotLayoutObject;
    static const TClassInfo info = ClassBuilder<O>("TiPlotLayoutObject", &TiPlotObject::StaticClassInfo())
                                       .Property("StopPercent", &O::StopPercent, &O::SetStopPercent)
                                       .Property("StartPercent", &O::StartPercent, &O::SetStartPercent)
                                       .Property("ZOrder", &O::ZOrder, &O::SetZOrder)
                                       .Default(0)
                                       .Property("Horizontal", &O::Horizontal, &O::SetHorizontal)
                                       .Default(false)
                                       .Build();
    return info;
}

void TiPlotLayoutObject::SetStartPercent(double value) {
    // Not >= 0 (NaN too) becomes 0.
    if (!(value >= 0))
        value = 0;
    if (value > 100)
        value = 100;
    if (stopPercent_ - value < 1) {
        stopPercent_ = value + 1;
        if (stopPercent_ > 100) {
            stopPercent_ = 100;
            value = 99;
        }
    }
    SetDoubleProperty(value, startPercent_, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStopPercent(double value) {
    if (!(value >= 0))
        value = 0;
    if (value > 100)
        value = 100;
    if (value - startPercent_ < 1) {
        startPercent_ = value - 1;
        if (startPercent_ < 0) {
            startPercent_ = 0;
            value = 1;
        }
    }
    SetDoubleProperty(value, stopPercent_, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetStartStopPercent(double startPercent, double stopPercent) {
    startPercent_ = startPercent;
    stopPercent_ = stopPercent;
    DoChange();
}

void TiPlotLayoutObject::SetZOrder(int value) {
    SetIntegerProperty(value, zOrder_, &TiPlotObject::DoLayoutChange);
}

void TiPlotLayoutObject::SetHorizontal(bool value) {
    SetBooleanProperty(value, horizontal_, &TiPlotObject::DoLayoutChange);
}

void TiPlotLayoutObject::SetForceStacking(bool value) {
    SetBooleanProperty(value, forceStacking_, &TiPlotObject::DoLayoutChange);
}

void TiPlotLayoutObject::SetReverseSide(bool value) {
    SetBooleanProperty(value, reverseSide_, &TiPlotObject::DoChange);
}

void TiPlotLayoutObject::SetDrawRect(const TRect& rect) {
    left_ = rect.Left;
    top_ = rect.Top;
    right_ = rect.Right;
    bottom_ = rect.Bottom;
}

void TiPlotLayoutObject::SetLayoutRect(const TRect& rect) {
    layoutLeft_ = rect.Left;
    layoutTop_ = rect.Top;
    layoutRight_ = rect.Right;
    layoutBottom_ = rect.Bottom;
}

int TiPlotLayoutObject::GetRequiredWidth(TCanvas& canvas) {
    (void)canvas;
    return 0;
}

int TiPlotLayoutObject::GetRequiredEndsMargin(TCanvas& canvas) {
    (void)canvas;
    return 0;
}

std::string TiPlotLayoutObject::ZOrderKey() const {
    return korvan::plot::ZeroPadded(zOrder_, 3);
}

std::string TiPlotLayoutObject::StartPercentKey() const {
    return korvan::plot::ZeroPadded(Round(startPercent_), 3);
}

void TiPlotLayoutObject::DoInsert() {
    if (OnInsert)
        OnInsert(this);
    if (OnLayoutChange)
        OnLayoutChange(this);
}

bool TiPlotLayoutObject::DoHitTest(const TiPlotMouseData& mouseData) {
    return mouseData.X >= left_ && mouseData.X < right_ && mouseData.Y >= top_ && mouseData.Y < bottom_;
}

bool TiPlotLayoutObject::GetPopupPoint(TPoint& point) const {
    point = Point((left_ + right_) / 2, (top_ + bottom_) / 2);
    return true;
}
