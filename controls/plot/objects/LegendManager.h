#pragma once
// The legends of a plot: "Legend 1", ...

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/objects/PlotLegend.h"

class TiPlotLegendManager : public TiPlotKindManager<TiPlotLegend> {
public:
    using TiPlotKindManager<TiPlotLegend>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Legend"; }
};
