#pragma once
// The data views of a plot: a new one is named "Data View 1", ... and
// draws the grid of the first X and the first Y axis.

#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/PlotDataView.h"

class TiPlotDataViewManager : public TiPlotKindManager<TiPlotDataView> {
public:
    using TiPlotKindManager<TiPlotDataView>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Data View"; }
    void SetAxisManagers(TiPlotXAxisManager* xAxes, TiPlotYAxisManager* yAxes) {
        xAxisManager_ = xAxes;
        yAxisManager_ = yAxes;
    }
    void NotificationRemove(TObject* sender) override;

protected:
    void AfterNaming(TiPlotDataView* dataView) override;

private:
    TiPlotXAxisManager* xAxisManager_ = nullptr;
    TiPlotYAxisManager* yAxisManager_ = nullptr;
};

namespace korvan::plot {
// The toolbar, legend and data view kinds join the plot's master.
void AdoptToolBarManager(TiPlotMasterManager& master);
void AdoptLegendManager(TiPlotMasterManager& master);
void AdoptDataViewManager(TiPlotMasterManager& master);
} // namespace korvan::plot
