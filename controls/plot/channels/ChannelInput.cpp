// The channel base's mouse handling (data-point hit test, hints, press,
// drag and release), its cursor, popup and focus rules, and the value texts
// of data cursors.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "platform/forms/Menus.h"

namespace {

TPoint MousePoint(const TiPlotMouseData& data) {
    return Point(data.X, data.Y);
}

bool IsOfClassNamed(const TObject& object, const std::string& name) {
    for (const TClassInfo* info = object.ClassInfo(); info; info = info->Parent)
        if (info->Name == name)
            return true;
    return false;
}

} // namespace

bool TiPlotChannelCustom::DoHitTest(const TiPlotMouseData& mouseData) {
    if (visibleInLegend_ && legendRect_.Contains(MousePoint(mouseData)))
        return true;
    IiPlotChannelHost* host = ChannelHost();
    if (!host || !host->GetSelectActive())
        return false;
    selectDataIndex_ = -1;
    const bool bars = BarsShown();
    if ((!MarkersVisible() && !bars) || Count() == 0)
        return false;
    CalcStartIndex();
    CalcStopIndex();
    if (startIndex_ < 0 || stopIndex_ < 0)
        return false;
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i) {
        if (!GetPointValid(i))
            continue;
        const bool marker = IsMarkerDrawn(i);
        if (!marker && !bars)
            continue;
        const TRect rect = marker ? GetMarkerRect(i) : GetBarRect(i);
        if (rect.Contains(MousePoint(mouseData))) {
            selectHitTestRect_ = rect;
            selectDataIndex_ = i;
            return true;
        }
    }
    return false;
}

void TiPlotChannelCustom::DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) {
    IiPlotChannelHost* host = ChannelHost();
    if (!host)
        return;
    host->DoDataPointMouseMove(this, selectDataIndex_, ShiftState(), mouseData.X, mouseData.Y);
    if (!showDataPointHints_ || selectDataIndex_ == -1 || !selectHitTestRect_.Contains(MousePoint(mouseData)))
        return;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis || selectDataIndex_ >= Count())
        return;
    std::string text = xAxis->GetLabelText(GetPointX(selectDataIndex_)) + ", " +
                       yAxis->GetLabelText(GetPointY(selectDataIndex_));
    host->DoDataPointCustomizeHint(this, selectDataIndex_, text);
    const TSize extent = host->HintTextExtent(text);
    const int width = extent.cx + 4, h = extent.cy + 4;
    hintData.Text = text;
    hintData.Width = width;
    hintData.Height = h;
    TRect r;
    if (!host->DataViewDrawRect(r))
        r = Rect(-1000000, -1000000, 1000000, 1000000);
    const int mx = mouseData.X, my = mouseData.Y, half = MarkersSize() / 2;
    const int d = extent.cy + half + 8;
    int top = my - d;
    int left = mx - width / 2;
    if (r.Top >= top)
        top = my + d;
    if (r.Left >= left) {
        left = mx + half + 8;
        top = my - h / 2;
    } else if (left + width >= r.Right) {
        left = mx - half - width - 4;
        top = my - h / 2;
    }
    if (top + h >= r.Bottom)
        top = r.Bottom - h;
    if (r.Top >= top)
        top = r.Top;
    hintData.Left = left;
    hintData.Top = top;
}

void TiPlotChannelCustom::DoMouseLeft(TiPlotMouseData& mouseData) {
    if (IiPlotChannelHost* host = ChannelHost())
        host->DoDataPointMouseDown(this, selectDataIndex_, mbLeft, ShiftState(), mouseData.X, mouseData.Y);
    mouseDownDataIndex_ = selectDataIndex_;
    if (selectDataIndex_ == -1 || selectDataIndex_ >= Count() ||
        !selectHitTestRect_.Contains(MousePoint(mouseData)))
        return;
    selectMouseDown_ = true;
    selectMouseDownIndex_ = selectDataIndex_;
    selectDownRect_ = selectHitTestRect_;
    mouseDownValueX_ = GetPointX(selectDataIndex_);
    mouseDownValueY_ = GetPointY(selectDataIndex_);
    mouseDownPixelX_ = mouseData.XAxisPixels;
    mouseDownPixelY_ = mouseData.YAxisPixels;
}

void TiPlotChannelCustom::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!selectMouseDown_)
        return;
    if (IiPlotChannelHost* host = ChannelHost())
        host->DoDataPointMouseMove(this, mouseDownDataIndex_, ShiftState(), mouseData.X, mouseData.Y);
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    // The point may have gone (a ring or a deletion) while the button was
    // down: then there is nothing to drag.
    if (!userCanMoveDataPoints_ || !xAxis || !yAxis || selectMouseDownIndex_ >= Count())
        return;
    const auto style = userCanMoveDataPointsStyle_;
    const double dX = style == ipcdpmsYOnly ? 0.0
                                            : xAxis->PixelsToPosition(mouseDownPixelX_) -
                                                  xAxis->PixelsToPosition(mouseData.XAxisPixels);
    const double dY = style == ipcdpmsXOnly ? 0.0
                                            : yAxis->PixelsToPosition(mouseDownPixelY_) -
                                                  yAxis->PixelsToPosition(mouseData.YAxisPixels);
    SetPointX(selectMouseDownIndex_, mouseDownValueX_ - dX);
    SetPointY(selectMouseDownIndex_, mouseDownValueY_ - dY);
}

void TiPlotChannelCustom::DoMouseUp(TiPlotMouseData& mouseData) {
    IiPlotChannelHost* host = ChannelHost();
    if (host)
        host->DoDataPointMouseUp(this, mouseDownDataIndex_, mbLeft, ShiftState(), mouseData.X, mouseData.Y);
    if (!MouseIsDown() && !selectMouseDown_)
        return;
    if (selectMouseDown_) {
        selectMouseDown_ = false;
        if (!host || selectMouseDownIndex_ >= Count())
            return;
        if (selectDownRect_.Contains(MousePoint(mouseData)))
            host->DoDataPointClick(this, selectMouseDownIndex_);
        const double x = GetPointX(selectMouseDownIndex_), y = GetPointY(selectMouseDownIndex_);
        if (x != mouseDownValueX_ || y != mouseDownValueY_)
            host->DoDataPointMoved(this, selectMouseDownIndex_, mouseDownValueX_, mouseDownValueY_, x, y);
        return;
    }
    if (host && legendRect_.Contains(MousePoint(mouseData)))
        host->DoObjectClick(this);
}

TCursor TiPlotChannelCustom::GetMouseCursor(TPoint mousePos) {
    (void)mousePos;
    TCursor cursor = crHandPoint;
    if (IiPlotChannelHost* host = ChannelHost())
        host->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotChannelCustom::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotManagerObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}

// The legend and the data cursors that show this channel keep it selected.
void TiPlotChannelCustom::NotifySetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == this || !other->UserSelected())
        return;
    if (IsOfClassNamed(*other, "TiPlotLegend"))
        return;
    if (IsOfClassNamed(*other, "TiPlotDataCursor")) {
        std::string channelName;
        const ObjectRef ref = ObjectRefOf(other);
        if (const TPropInfo* prop = GetPropInfo(ref, "ChannelName"))
            channelName = GetStrProp(ref, *prop);
        if (channelName == Name())
            return;
    }
    SetUserSelected(false);
}

// ---------------------------------------------------------------- value texts

std::string TiPlotChannelCustom::GetXValueText(double value) {
    if (TiPlotXAxis* axis = XAxis())
        return axis->GetCursorText(value);
    return GetTranslation("No X-Axis");
}

std::string TiPlotChannelCustom::GetYValueText(double value) {
    if (TiPlotYAxis* axis = YAxis())
        return axis->GetCursorText(value);
    return GetTranslation("No Y-Axis");
}

std::string TiPlotChannelCustom::BuildDataCursorText(TiPlotDataCursorStyle style, double x, double y,
                                                     TiPlotDataPointStatus status) {
    dataCursorXText_.clear();
    dataCursorYText_.clear();
    dataCursorXValue_ = x;
    dataCursorYValue_ = y;
    dataCursorStatus_ = status;
    if (!XAxis()) {
        dataCursorXText_ = GetTranslation("No X-Axis");
        return dataCursorXText_;
    }
    const auto yText = [&] {
        if (!YAxis())
            return GetTranslation("No Y-Axis");
        switch (status) {
        case ipdpsNull:
            return GetTranslation("Null");
        case ipdpsEmpty:
            return GetTranslation("Empty");
        case ipdpsValid:
            break;
        }
        return GetYValueText(y);
    };
    switch (style) {
    case ipcsValueXY:
        dataCursorXText_ = GetXValueText(x);
        dataCursorYText_ = yText();
        return dataCursorXText_ + ", " + dataCursorYText_;
    case ipcsValueX:
    case ipcsDeltaX:
        dataCursorXText_ = GetXValueText(x);
        return dataCursorXText_;
    case ipcsValueY:
        dataCursorYText_ = yText();
        return dataCursorYText_;
    case ipcsDeltaY:
        dataCursorYText_ = YAxis() ? GetYValueText(y) : GetTranslation("No Y-Axis");
        return dataCursorYText_;
    case ipcsInverseDeltaX:
        dataCursorXText_ = x < 1e301 ? GetXValueText(x) : GetTranslation("Infinite");
        return dataCursorXText_;
    }
    return {};
}
