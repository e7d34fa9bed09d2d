// The events of channels' data points and of the kinds with events of
// their own (cursors, limits, annotations, toolbars). Each passes the
// object's index in its kind; all are silent while the plot loads except
// the cursor's change.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/master/MasterManager.h"

namespace {

int IndexInKind(const TiPlotMasterManager& master, TiPlotObject* object) {
    const TiPlotObjectManagerCustom* manager = master.KindManagerOf(object);
    return manager ? manager->GetIndex(object) : -1;
}

} // namespace

void TiPlotComponent::DoDataPointMouseDown(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                                           TShiftState shift, int x, int y) {
    if (!IsLoading() && OnMouseDownDataPoint)
        OnMouseDownDataPoint(IndexInKind(*master_, channel), dataIndex, button, shift, x, y);
}

void TiPlotComponent::DoDataPointMouseMove(TiPlotChannelCustom* channel, int dataIndex, TShiftState shift,
                                           int x, int y) {
    if (!IsLoading() && OnMouseMoveDataPoint)
        OnMouseMoveDataPoint(IndexInKind(*master_, channel), dataIndex, shift, x, y);
}

void TiPlotComponent::DoDataPointMouseUp(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                                         TShiftState shift, int x, int y) {
    if (!IsLoading() && OnMouseUpDataPoint)
        OnMouseUpDataPoint(IndexInKind(*master_, channel), dataIndex, button, shift, x, y);
}

void TiPlotComponent::DoDataPointClick(TiPlotChannelCustom* channel, int dataIndex) {
    if (IsLoading())
        return;
    if (auto& event = dblClickActive_ ? OnDblClickDataPoint : OnClickDataPoint)
        event(IndexInKind(*master_, channel), dataIndex);
}

void TiPlotComponent::DoDataPointMoved(TiPlotChannelCustom* channel, int dataIndex, double oldX, double oldY,
                                       double newX, double newY) {
    if (!IsLoading() && OnDataPointMoved)
        OnDataPointMoved(IndexInKind(*master_, channel), dataIndex, oldX, oldY, newX, newY);
}

void TiPlotComponent::DoDataPointCustomizeHint(TiPlotChannelCustom* channel, int dataIndex,
                                               std::string& text) {
    if (!IsLoading() && OnDataPointCustomizeHint)
        OnDataPointCustomizeHint(IndexInKind(*master_, channel), dataIndex, text);
}

void TiPlotComponent::DoDataCursorChange(TiPlotObject* cursor) {
    if (OnDataCursorChange)
        OnDataCursorChange(IndexInKind(*master_, cursor));
}

void TiPlotComponent::DoBeforeDataCursorUpdate(TiPlotObject* cursor) {
    if (!IsLoading() && OnBeforeDataCursorUpdate)
        OnBeforeDataCursorUpdate(IndexInKind(*master_, cursor));
}

void TiPlotComponent::DoDataCursorCustomizeHint(TiPlotObject* cursor, std::string& text) {
    if (!IsLoading() && OnDataCursorCustomizeHint)
        OnDataCursorCustomizeHint(IndexInKind(*master_, cursor), text);
}

void TiPlotComponent::DoToolBarCustomizeHint(TiPlotObject* toolBar, std::string& text) {
    if (!IsLoading() && OnToolBarCustomizeHint)
        OnToolBarCustomizeHint(IndexInKind(*master_, toolBar), text);
}

void TiPlotComponent::DoBeforeToolBarButtonClick(TiPlotObject* toolBar, TiPlotToolBarButtonType buttonType,
                                                 bool& cancel) {
    if (!IsLoading() && OnBeforeToolBarButtonClick)
        OnBeforeToolBarButtonClick(IndexInKind(*master_, toolBar), buttonType, cancel);
}

void TiPlotComponent::DoToolBarButtonClick(TiPlotObject* toolBar, TiPlotToolBarButtonType buttonType) {
    if (!IsLoading() && OnToolBarButtonClick)
        OnToolBarButtonClick(IndexInKind(*master_, toolBar), buttonType);
}

void TiPlotComponent::DoBeforeZoomBox(TRect& zoomRect, bool& cancel) {
    if (OnBeforeZoomBox)
        OnBeforeZoomBox(zoomRect, cancel);
}

void TiPlotComponent::DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
    if (!IsLoading() && OnLimitLine1PositionChange)
        OnLimitLine1PositionChange(IndexInKind(*master_, limit), oldValue, newValue);
}

void TiPlotComponent::DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue) {
    if (!IsLoading() && OnLimitLine2PositionChange)
        OnLimitLine2PositionChange(IndexInKind(*master_, limit), oldValue, newValue);
}

void TiPlotComponent::DoAnnotationCoordinatesChange(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationCoordinatesChange)
        OnAnnotationCoordinatesChange(IndexInKind(*master_, annotation));
}

void TiPlotComponent::DoAnnotationMoveUser(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationMoveUser)
        OnAnnotationMoveUser(IndexInKind(*master_, annotation));
}

void TiPlotComponent::DoAnnotationResizeUser(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationResizeUser)
        OnAnnotationResizeUser(IndexInKind(*master_, annotation));
}

void TiPlotComponent::DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation) {
    if (!IsLoading() && OnAnnotationCoordinatesChangeFinished)
        OnAnnotationCoordinatesChangeFinished(IndexInKind(*master_, annotation));
}
