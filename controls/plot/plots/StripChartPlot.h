#pragma once
// The strip chart: a plot whose channels are strip-chart channels, made
// with a toolbar, a legend, one X and one Y axis, one channel, a data
// view, a data cursor and the title label "Title" reading "Untitled".

#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/component/PlotComponent.h"

class TiPlot : public TiPlotComponent {
    KORVAN_CLASS(TiPlot)
public:
    explicit TiPlot(TComponent* owner);
    // Raises the manager's index error outside the list and the invalid
    // type-cast error for a channel of another class.
    TiPlotChannel* Channel(int index) const;
};
