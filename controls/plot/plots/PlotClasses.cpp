#include "controls/plot/plots/PlotClasses.h"

#include "controls/plot/dialogs/PackDialogs.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "controls/plot/plots/XYPlot.h"

namespace korvan::plot {

void RegisterPlotClasses() {
    static const bool done = [] {
        for (const TClassInfo* info : {
                 &TiPlotComponent::StaticClassInfo(),
                 &TiPlot::StaticClassInfo(),
                 &TiXYPlot::StaticClassInfo(),
                 // The dialog components a form may own beside its plots.
                 &TiColorDialog::StaticClassInfo(),
                 &TiFontDialog::StaticClassInfo(),
                 &TiOpenDialog::StaticClassInfo(),
                 &TiSaveDialog::StaticClassInfo(),
             })
            RegisterClass(*info);
        return true;
    }();
    (void)done;
}

} // namespace korvan::plot
