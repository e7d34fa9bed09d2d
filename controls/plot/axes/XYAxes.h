#pragma once
// The two concrete axes. They differ only in their tracking defaults: an X
// axis of a plot scrolls smoothly with new data and aligns its first value
// by itself, a Y axis scales to take in its values.

#include "controls/plot/axes/PlotAxis.h"

class TiPlotXAxis : public TiPlotAxis {
    KORVAN_CLASS(TiPlotXAxis)
public:
    TiPlotXAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);
    TiLayoutRole LayoutRole() const override { return TiLayoutRole::XAxis; }

protected:
    ~TiPlotXAxis() override = default;
};

class TiPlotYAxis : public TiPlotAxis {
    KORVAN_CLASS(TiPlotYAxis)
public:
    TiPlotYAxis(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);
    TiLayoutRole LayoutRole() const override { return TiLayoutRole::YAxis; }

protected:
    ~TiPlotYAxis() override = default;
};
