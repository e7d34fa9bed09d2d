#pragma once
// What the tests of the data view, legend and toolbar share: an XY plot
// laid out by one paint, and scripted presses, drags and releases on one
// of its objects.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/plots/XYPlot.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"

#include <string>
#include <vector>

namespace korvan::testing {

class LaidOutPlot {
public:
    LaidOutPlot() {
        plot.SetBounds(0, 0, 500, 240);
        for (TiPlotAxis* axis :
             {static_cast<TiPlotAxis*>(plot.XAxis(0)), static_cast<TiPlotAxis*>(plot.YAxis(0))}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        Paint();
    }
    QImage Paint() { return PaintPlot(plot); }
    template <class T> T* Object(std::string_view kind, int index = 0) const {
        return dynamic_cast<T*>(plot.KindObject(kind, index));
    }

    TiXYPlot plot{nullptr};
};

inline void Press(TiPlotObject& object, int x, int y, TMouseButton button = mbLeft) {
    object.iMouseDown(button, 0, x, y, x, y, nullptr);
}

inline void Move(TiPlotObject& object, int x, int y) {
    TiHintData hint;
    object.iMouseMove(hint, 0, x, y, x, y, false);
}

inline void Release(TiPlotObject& object, int x, int y, TMouseButton button = mbLeft) {
    object.iMouseUp(button, 0, x, y, x, y, false, nullptr);
}

inline void Click(TiPlotObject& object, TPoint at) {
    Press(object, at.X, at.Y);
    Release(object, at.X, at.Y);
}

} // namespace korvan::testing
