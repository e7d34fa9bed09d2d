#pragma once
// The layout pass of a plot: from the layout manager's four edge lists it
// gives every visible layout object its draw rectangle around the data
// view, stacking the objects that share a row, and fits the data view to
// the axes' scale rectangles. It returns the data view's rectangle.
//
// Across its edge each row is as thick as its thickest object; along the
// edge an object covers StartPercent..StopPercent of the data view (labels
// and toolbars of the whole plot width). Cartesian axes lie inside the
// data view and take no row.

#include "platform/gfx/Types.h"

#include <vector>

class TCanvas;
class TiPlotAxis;
class TiPlotLayoutManager;

namespace korvan::plot {

struct TiPlotLayoutInput {
    TiPlotLayoutManager* manager = nullptr;
    int width = 0, height = 0;
    // 2 when the plot has a border, else 0.
    int border = 0;
    int outerLeft = 0, outerTop = 0, outerRight = 0, outerBottom = 0;
    bool xyAxesReverse = false;
    std::vector<TiPlotAxis*> xAxes, yAxes;
};

TRect CalcPlotLayout(const TiPlotLayoutInput& input, TCanvas& canvas);

} // namespace korvan::plot
