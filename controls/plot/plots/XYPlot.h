#pragma once
// The XY plot: a plot whose channels are XY channels, made with the same
// default objects as the strip chart.

#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/component/PlotComponent.h"

class TiXYPlot : public TiPlotComponent {
    KORVAN_CLASS(TiXYPlot)
public:
    explicit TiXYPlot(TComponent* owner);
    bool IsXYPlot() const override { return true; }
    // Raises the manager's index error outside the list and the invalid
    // type-cast error for a channel of another class.
    TiXYPlotChannel* Channel(int index) const { return GetChannel(index); }
    TiXYPlotChannel* GetChannel(int index) const;
};
