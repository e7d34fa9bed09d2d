#pragma once
// Plots for the tests of tables, data cursors, limits and annotations: no
// border and no outer margins, a stand-in data view (its class lives
// elsewhere; the plot lays out its rectangle), axes fixed at 0..100, and
// the plot laid out once.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/master/PlotKinds.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"

#include <string>

namespace korvan::testing {

inline void PrepareOverlayPlot(TiPlotComponent& plot) {
    plot.SetBounds(0, 0, 500, 300);
    plot.SetBorderStyle(ibsNone);
    for (auto setter : {&TiPlotComponent::SetOuterMarginLeft, &TiPlotComponent::SetOuterMarginTop,
                        &TiPlotComponent::SetOuterMarginRight, &TiPlotComponent::SetOuterMarginBottom})
        (plot.*setter)(0);
    AdoptKind(*plot.Master(), std::string(korvan::plot::kind::DataView), TiLayoutRole::DataView);
    plot.AddDataView();
    for (int i = 0; i < plot.XAxisCount(); ++i) {
        plot.XAxis(i)->SetTrackingEnabled(false);
        plot.XAxis(i)->SetMinSpan(0, 100);
    }
    for (int i = 0; i < plot.YAxisCount(); ++i) {
        plot.YAxis(i)->SetTrackingEnabled(false);
        plot.YAxis(i)->SetMinSpan(0, 100);
    }
    plot.ReCalcLayout();
}

// A left-button press, move and release at plot pixels.
inline void Drag(TiPlotObject& object, TPoint from, TPoint to) {
    TiHintData hint;
    object.iMouseDown(mbLeft, 0, from.X, from.Y, 0, 0, nullptr);
    object.iMouseMove(hint, 0, to.X, to.Y, 0, 0, false);
    object.iMouseUp(mbLeft, 0, to.X, to.Y, 0, 0, false, nullptr);
}

} // namespace korvan::testing
