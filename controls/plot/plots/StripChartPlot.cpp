#include "controls/plot/plots/StripChartPlot.h"

#include "controls/plot/plots/DefaultObjects.h"

namespace {

// The strip chart holds its repaints until its objects are all in.
class UpdateBlock {
public:
    explicit UpdateBlock(TiPlotComponent& plot) : plot_(plot) { plot_.BeginUpdate(); }
    ~UpdateBlock() { plot_.EndUpdate(); }
    UpdateBlock(const UpdateBlock&) = delete;
    UpdateBlock& operator=(const UpdateBlock&) = delete;

private:
    TiPlotComponent& plot_;
};

} // namespace

const TClassInfo& TiPlot::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiPlot>("TiPlot", &TiPlotComponent::StaticClassInfo())
            .Creator<TiPlot>()
            .Build();
    return info;
}

TiPlot::TiPlot(TComponent* owner) : TiPlotComponent(owner) {
    UpdateBlock block(*this);
    ChannelManager()->SetChannelClass(korvan::plot::ChannelFactory<TiPlotChannel>());
    korvan::plot::AddDefaultObjects(*this);
}

TiPlotChannel* TiPlot::Channel(int index) const {
    return korvan::plot::ChannelAs<TiPlotChannel>(*this, index);
}
