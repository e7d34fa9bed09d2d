#include "controls/plot/plots/StripChartPlot.h"

#include "controls/plot/core/PropertyFiles.h"
#include "controls/plot/plots/DefaultObjects.h"

const TClassInfo& TiPlot::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiPlot>("TiPlot", &TiPlotComponent::StaticClassInfo())
            .Creator<TiPlot>()
            .Build();
    return info;
}

TiPlot::TiPlot(TComponent* owner) : TiPlotComponent(owner) {
    // The repaints wait until the objects are all in.
    korvan::plot::UpdateBlockScope block(*this);
    ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<TiPlotChannel>());
    korvan::plot::AddDefaultObjects(*this);
}

TiPlotChannel* TiPlot::Channel(int index) const {
    return korvan::plot::ChannelAs<TiPlotChannel>(*this, index);
}
