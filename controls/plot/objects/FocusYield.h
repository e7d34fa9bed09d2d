#pragma once
// Toolbars, legends and data views give up their selection when another
// object the user selected takes the focus.

#include "controls/plot/core/PlotObject.h"

namespace korvan::plot {

inline void YieldSelectionTo(TiPlotObject& self, TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (other && other != &self && other->UserSelected())
        self.SetUserSelected(false);
}

} // namespace korvan::plot
