#pragma once
// The toolbars of a plot: "Toolbar 1", ...

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/objects/PlotToolBar.h"

class TiPlotToolBarManager : public TiPlotKindManager<TiPlotToolBar> {
public:
    using TiPlotKindManager<TiPlotToolBar>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Toolbar"; }
};
