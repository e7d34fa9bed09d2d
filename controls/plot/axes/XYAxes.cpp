#include "controls/plot/axes/XYAxes.h"

#include "controls/plot/axes/AxisHost.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotXAxis::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotXAxis>("TiPlotXAxis", &TiPlotAxis::StaticClassInfo()).Build();
    return info;
}

TiPlotXAxis::TiPlotXAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    // Within a plot new X values arrive in order: the axis scrolls with them.
    SetTrackingStyle(AxisHost() ? iptsScrollSmooth : iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsAuto);
}

const TClassInfo& TiPlotYAxis::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotYAxis>("TiPlotYAxis", &TiPlotAxis::StaticClassInfo()).Build();
    return info;
}

TiPlotYAxis::TiPlotYAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotAxis(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)) {
    SetTrackingStyle(iptsScaleMinMax);
    SetTrackingAlignFirstStyle(ipafsNone);
}
