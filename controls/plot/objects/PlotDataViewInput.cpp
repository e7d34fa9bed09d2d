// The data view's mouse and keys: axes control (drags and the wheel move
// every axis), the zoom box, the cursor over the area.

#include "controls/plot/objects/PlotDataView.h"

#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackForms.h"

#include <cstdlib>

namespace {

constexpr int ZoomBoxThreshold = 5;
constexpr int DirectionLockThreshold = 3;
constexpr std::uint16_t KeyEscape = 27;

} // namespace

bool TiPlotDataView::ShiftHeld() const {
    return ShiftQuery ? ShiftQuery() : korvan::plot::IsShiftDown();
}

void TiPlotDataView::DisableTracking() const {
    if (TiPlotComponent* plot = Plot())
        plot->DisableAllTracking();
}

void TiPlotDataView::DoMouseLeft(TiPlotMouseData& mouseData) {
    lock_ = Lock::None;
    mouseDown_ = true;
    switch (GetAxesControlMode()) {
    case TiDataViewMode::ZoomBox:
        DisableTracking();
        mouseDownX_ = mouseMoveX_ = mouseData.X;
        mouseDownY_ = mouseMoveY_ = mouseData.Y;
        zoomBoxActive_ = true;
        DoInvalidateNow();
        break;
    case TiDataViewMode::Axes:
        mouseDownX_ = mouseData.X;
        mouseDownY_ = mouseData.Y;
        for (TiPlotAxis* axis : Axes(true))
            axis->DataViewMouseLeft(mouseData);
        for (TiPlotAxis* axis : Axes(false))
            axis->DataViewMouseLeft(mouseData);
        break;
    case TiDataViewMode::None:
    case TiDataViewMode::Select:
        break;
    }
}

void TiPlotDataView::DoMouseRight(TiPlotMouseData& mouseData) {
    if (GetAxesControlMode() != TiDataViewMode::Axes)
        return;
    mouseDownRight_ = true;
    mouseDownX_ = mouseMoveX_ = mouseData.X;
    mouseDownY_ = mouseMoveY_ = mouseData.Y;
}

TiPlotDataView::Lock TiPlotDataView::LockFor(TiPlotAxesControlStyle style, bool shift) {
    switch (style) {
    case ipacsXAxis:
        return shift ? Lock::Y : Lock::X;
    case ipacsYAxis:
        return shift ? Lock::X : Lock::Y;
    case ipacsBoth:
    case ipacsNone:
        break;
    }
    return Lock::None;
}

void TiPlotDataView::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!mouseDown_ && !mouseDownRight_)
        return;
    if (zoomBoxActive_) {
        if (!mouseData.DblClickActive) {
            mouseMoveX_ = mouseData.X;
            mouseMoveY_ = mouseData.Y;
            DoInvalidateNow();
        }
        return;
    }
    if (GetAxesControlMode() != TiDataViewMode::Axes)
        return;
    if (mouseDownRight_) {
        if (std::abs(mouseDownX_ - mouseData.X) > ZoomBoxThreshold ||
            std::abs(mouseDownY_ - mouseData.Y) > ZoomBoxThreshold) {
            mouseMoveX_ = mouseData.X;
            mouseMoveY_ = mouseData.Y;
            zoomBoxActive_ = true;
            ClearMouseDownPopup();
            DisableTracking();
            DoInvalidateNow();
        }
        return;
    }
    switch (axesControlMouseStyle_) {
    case ipacsNone:
        return;
    case ipacsBoth:
        if (lock_ == Lock::None && ShiftHeld()) {
            if (std::abs(mouseData.X - mouseDownX_) > DirectionLockThreshold)
                lock_ = Lock::X;
            if (std::abs(mouseData.Y - mouseDownY_) > DirectionLockThreshold)
                lock_ = Lock::Y;
        }
        break;
    case ipacsXAxis:
    case ipacsYAxis:
        lock_ = LockFor(axesControlMouseStyle_, ShiftHeld());
        break;
    }
    if (lock_ != Lock::Y)
        for (TiPlotAxis* axis : Axes(true))
            axis->DataViewMouseMove(mouseData);
    if (lock_ != Lock::X)
        for (TiPlotAxis* axis : Axes(false))
            axis->DataViewMouseMove(mouseData);
}

void TiPlotDataView::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!mouseDown_ && !mouseDownRight_)
        return;
    if (zoomBoxActive_) {
        // Only a box dragged right and down zooms.
        if (!mouseData.DblClickActive && mouseDownX_ < mouseMoveX_ && mouseMoveY_ > mouseDownY_) {
            ApplyZoomBox(ZoomBoxRect());
            DoInvalidateNow();
        }
    } else if (GetAxesControlMode() == TiDataViewMode::Axes) {
        for (TiPlotAxis* axis : Axes(true))
            axis->DataViewMouseUp(mouseData);
        for (TiPlotAxis* axis : Axes(false))
            axis->DataViewMouseUp(mouseData);
    }
    const TRect r = DrawRect();
    if (mouseData.X >= r.Left && mouseData.X < r.Right && mouseData.Y >= r.Top && mouseData.Y < r.Bottom)
        if (TiPlotComponent* plot = Plot())
            plot->DoObjectClick(this);
    mouseDown_ = mouseDownRight_ = zoomBoxActive_ = false;
    DoInvalidateNow();
}

void TiPlotDataView::ApplyZoomBox(const TRect& rect) {
    TRect zoomRect = rect;
    if (TiPlotComponent* plot = Plot()) {
        bool cancel = false;
        plot->DoBeforeZoomBox(zoomRect, cancel);
        if (cancel)
            return;
    }
    for (TiPlotAxis* axis : Axes(true))
        axis->ZoomToRect(zoomRect);
    for (TiPlotAxis* axis : Axes(false))
        axis->ZoomToRect(zoomRect);
}

bool TiPlotDataView::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
    if (GetAxesControlMode() != TiDataViewMode::Axes || axesControlWheelStyle_ == ipacsNone)
        return false;
    const Lock lock = LockFor(axesControlWheelStyle_, (shift & ssShift) != 0);
    if (lock != Lock::Y)
        for (TiPlotAxis* axis : Axes(true))
            axis->DataViewMouseWheel(wheelDelta, shift, x, y);
    if (lock != Lock::X)
        for (TiPlotAxis* axis : Axes(false))
            axis->DataViewMouseWheel(wheelDelta, shift, x, y);
    return true;
}

void TiPlotDataView::iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotLayoutObject::iKeyDown(charCode, shift, popupMenu);
    if (charCode == KeyEscape) {
        zoomBoxActive_ = false;
        DoInvalidateNow();
    }
}

TiPlotObject* TiPlotDataView::GetMouseOverObject(int x, int y) {
    TiPlotLayoutObject::GetMouseOverObject(x, y);
    SetMouseOverObject(this);
    return this;
}

TCursor TiPlotDataView::GetMouseCursor(TPoint mousePos) {
    TCursor cursor = TiPlotLayoutObject::GetMouseCursor(mousePos);
    if (MouseOverObject() != this)
        return cursor;
    switch (GetAxesControlMode()) {
    case TiDataViewMode::ZoomBox:
        cursor = crDrag;
        break;
    case TiDataViewMode::Axes:
        cursor = crHandPoint;
        break;
    case TiDataViewMode::None:
    case TiDataViewMode::Select:
        cursor = crDefault;
        break;
    }
    if (TiPlotComponent* plot = Plot())
        plot->DoGetMouseCursor(this, cursor);
    return cursor;
}
