// The managers of the toolbar, legend and data view kinds, and how they
// join a plot's master.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/objects/DataViewManager.h"
#include "controls/plot/objects/LegendManager.h"
#include "controls/plot/objects/ToolBarManager.h"

void TiPlotDataViewManager::AfterNaming(TiPlotDataView* dataView) {
    if (xAxisManager_ && xAxisManager_->Count() > 0)
        dataView->SetGridXAxisName(xAxisManager_->Items(0)->Name());
    if (yAxisManager_ && yAxisManager_->Count() > 0)
        dataView->SetGridYAxisName(yAxisManager_->Items(0)->Name());
}

void TiPlotDataViewManager::NotificationRemove(TObject* sender) {
    TiPlotKindManager<TiPlotDataView>::NotificationRemove(sender);
    if (sender == xAxisManager_)
        xAxisManager_ = nullptr;
    if (sender == yAxisManager_)
        yAxisManager_ = nullptr;
}

namespace korvan::plot {

namespace {
template <class M> M* Adopt(TiPlotMasterManager& master) {
    auto manager =
        TiPlotObjectManagerCustom::Make<M>(master.Owner(), master.ChangeCallback(), master.InsertCallback(),
                                           master.RemoveCallback(), master.RenameCallback());
    M* adopted = manager.get();
    master.AdoptKindManager(std::move(manager));
    return adopted;
}
} // namespace

void AdoptToolBarManager(TiPlotMasterManager& master) {
    Adopt<TiPlotToolBarManager>(master);
}

void AdoptLegendManager(TiPlotMasterManager& master) {
    Adopt<TiPlotLegendManager>(master);
}

void AdoptDataViewManager(TiPlotMasterManager& master) {
    Adopt<TiPlotDataViewManager>(master)->SetAxisManagers(master.XAxisManager(), master.YAxisManager());
}

} // namespace korvan::plot
