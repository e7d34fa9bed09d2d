// What the user does to an axis: drags that scroll or zoom it, the wheel,
// the keys of a focused axis, its cursor, hint and popup menu.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/core/PackForms.h"
#include "platform/forms/Menus.h"

#include <cstdint>

namespace {

// The step a key gives: whole spans for the page keys, a hundredth for the
// arrows.
double KeyStep(std::uint16_t charCode) {
    switch (charCode) {
    case 33:
    case 35:
        return 1;
    case 34:
    case 36:
        return -1;
    case 37:
    case 40:
        return -0.01;
    case 38:
    case 39:
        return 0.01;
    default:
        return 0;
    }
}

} // namespace

TiPlotAxisMode TiPlotAxis::GetEffectiveMode(TShiftState shift) const {
    const bool invert = (shift & ssCtrl) || korvan::plot::IsControlDown();
    if (!invert)
        return mode_;
    return mode_ == ipamScroll ? ipamZoom : ipamScroll;
}

bool TiPlotAxis::DoHitTest(const TiPlotMouseData& mouseData) {
    return focusRect_.Left <= mouseData.X && mouseData.X <= focusRect_.Right &&
           focusRect_.Top <= mouseData.Y && mouseData.Y <= focusRect_.Bottom;
}

TCursor TiPlotAxis::GetMouseCursor(TPoint mousePos) {
    (void)mousePos;
    TCursor cursor = crHandPoint;
    if (mode_ == ipamZoom)
        cursor = Horizontal() ? crSizeWE : crSizeNS;
    if (IiPlotAxisHost* host = AxisHost())
        host->DoAxisGetMouseCursor(this, cursor);
    return cursor;
}

// The routed mouse calls carry the shift state the drag uses.
void TiPlotAxis::iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            TPopupMenu* popupMenu) {
    inputShift_ = shift;
    TiPlotLayoutObject::iMouseDown(button, shift, x, y, screenX, screenY, popupMenu);
}

void TiPlotAxis::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive) {
    inputShift_ = shift;
    TiPlotLayoutObject::iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
}

void TiPlotAxis::iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                          bool dblClickActive, TPopupMenu* popupMenu) {
    inputShift_ = shift;
    TiPlotLayoutObject::iMouseUp(button, shift, x, y, screenX, screenY, dblClickActive, popupMenu);
}

void TiPlotAxis::DoMouseLeft(TiPlotMouseData& mouseData) {
    if (masterUIInput_)
        if (IiPlotAxisHost* host = AxisHost())
            host->MasterUIInputMouseLeft(this, mouseData);
    mouseDown_ = true;
    mouseDownX_ = mouseData.X;
    mouseDownY_ = mouseData.Y;
    mouseDownMin_ = min_;
    mouseDownSpan_ = span_;
}

void TiPlotAxis::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!mouseDown_)
        return;
    if (masterUIInput_)
        if (IiPlotAxisHost* host = AxisHost())
            host->MasterUIInputMouseMove(this, mouseData);
    if (mouseData.DblClickActive)
        return;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
    SetTrackingEnabled(false);
    const double length = Horizontal() ? double(scaleRect_.Right) - scaleRect_.Left
                                       : double(scaleRect_.Bottom) - scaleRect_.Top;
    double pixels = Horizontal() ? double(mouseData.X) - mouseDownX_ : double(mouseDownY_) - mouseData.Y;
    if (reverseScale_)
        pixels = -pixels;
    // A scale of no length cannot be dragged.
    if (length != 0) {
        const double fraction = pixels / length;
        if (GetEffectiveMode(mouseData.Shift | inputShift_) == ipamScroll)
            ScrollByFraction(min_, span_, Max(), -fraction);
        else
            ZoomByFactor(min_, span_, Max(), scaleType_ == ipstLinear ? fraction / 4 : fraction * 2);
    }
    mouseDownX_ = mouseData.X;
    mouseDownY_ = mouseData.Y;
}

void TiPlotAxis::FinishRangeChange() {
    if (min_ == mouseDownMin_ && span_ == mouseDownSpan_)
        return;
    if (IiPlotAxisHost* host = AxisHost())
        host->DoAxisMinSpanChangeFinished(this, mouseDownMin_, mouseDownSpan_, min_, span_);
}

void TiPlotAxis::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!mouseDown_)
        return;
    struct Release {
        bool& down;
        ~Release() { down = false; }
    } release{mouseDown_};
    IiPlotAxisHost* host = AxisHost();
    if (masterUIInput_ && host)
        host->MasterUIInputMouseUp(this, mouseData);
    if (DoHitTest(mouseData) && host)
        host->DoAxisClick(this);
    FinishRangeChange();
}

bool TiPlotAxis::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
    if (wheelDelta == 0)
        return true;
    SetTrackingEnabled(false);
    if (masterUIInput_)
        if (IiPlotAxisHost* host = AxisHost())
            host->MasterUIInputMouseWheel(this, wheelDelta, shift, x, y);
    const double sign = wheelDelta > 0 ? 1 : -1;
    if (GetEffectiveMode(shift) == ipamScroll)
        ScrollByFraction(min_, span_, Max(), 0.05 * sign);
    else
        ZoomByFactor(min_, span_, Max(), (scaleType_ == ipstLinear ? 0.025 : 0.05) * sign);
    return true;
}

void TiPlotAxis::iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotLayoutObject::iKeyDown(charCode, shift, popupMenu);
    if (masterUIInput_)
        if (IiPlotAxisHost* host = AxisHost())
            host->MasterUIInputKeyDown(this, charCode, shift);
    SetTrackingEnabled(false);
    mouseDownMin_ = min_;
    mouseDownSpan_ = span_;
    const double step = KeyStep(charCode);
    if (step == 0)
        return;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
    if (mode_ == ipamScroll)
        ScrollByFraction(min_, span_, Max(), step);
    else
        ZoomByFactor(min_, span_, Max(), step);
    FinishRangeChange();
}

void TiPlotAxis::DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) {
    IiPlotAxisHost* host = AxisHost();
    if (!titleShow_) {
        hintData.Text = title_;
        hintData.Left = mouseData.X;
        hintData.Top = mouseData.Y - 20;
        const TSize extent = host ? host->PlotTextExtent(title_) : TSize{};
        hintData.Width = extent.cx + 4;
        hintData.Height = extent.cy + 4;
    }
    if (host)
        host->DoAxisCustomizeHint(this, hintData);
}

void TiPlotAxis::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::PreparePopupMenu(popupMenu);
    if (!popupMenu)
        return;
    AddEditMenuItem(popupMenu);
    auto* tracking = new TMenuItem(popupMenu);
    tracking->SetCaption(GetTranslation("Tracking Enabled"));
    tracking->SetChecked(trackingEnabled_);
    tracking->OnClick = [this](TObject*) { SetTrackingEnabled(!trackingEnabled_); };
    popupMenu->Items()->Insert(0, tracking);
    auto* resume = new TMenuItem(popupMenu);
    resume->SetCaption(GetTranslation("Update Resume Values"));
    resume->SetEnabled(!trackingEnabled_ && (previousMin_ != min_ || previousSpan_ != span_));
    resume->OnClick = [this](TObject*) { UpdateResumeValues(); };
    popupMenu->Items()->Insert(1, resume);
    auto* fit = new TMenuItem(popupMenu);
    fit->SetCaption(GetTranslation("Zoom to Fit"));
    fit->OnClick = [this](TObject*) { ZoomToFit(); };
    popupMenu->Items()->Insert(2, fit);
}
