#pragma once
// What both concrete plots do on construction once their channel class is
// chosen: the default objects, laid in with the layout manager off, and
// the channel-typed lookup both offer.

#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/component/PlotComponent.h"
#include "platform/text/Exception.h"

namespace korvan::plot {

void AddDefaultObjects(TiPlotComponent& plot);

// Channel `index` as class T: the manager's index error outside the list,
// the invalid type-cast error for another class.
template <class T> T* ChannelAs(const TiPlotComponent& plot, int index) {
    auto* channel = dynamic_cast<T*>(plot.ChannelManager()->Items(index));
    if (!channel)
        throw Exception("Invalid class typecast");
    return channel;
}

} // namespace korvan::plot
