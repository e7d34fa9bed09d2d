#include "controls/plot/plots/XYPlot.h"

#include "controls/plot/plots/DefaultObjects.h"

const TClassInfo& TiXYPlot::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiXYPlot>("TiXYPlot", &TiPlotComponent::StaticClassInfo())
            .Creator<TiXYPlot>()
            .Build();
    return info;
}

TiXYPlot::TiXYPlot(TComponent* owner) : TiPlotComponent(owner) {
    ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<TiXYPlotChannel>());
    korvan::plot::AddDefaultObjects(*this);
}

TiXYPlotChannel* TiXYPlot::GetChannel(int index) const {
    return korvan::plot::ChannelAs<TiXYPlotChannel>(*this, index);
}
