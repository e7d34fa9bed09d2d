#pragma once
// The data ranges of a curve display, their base-10 logarithms for the Log
// formats, auto-scaling to the plots' data and the transforms between data
// units and pixels of the curve page.

#include "ui/curves/DisplayTypes.h"

class TPlotList;

namespace korvan::curves {

struct AxisScales {
    double XMin = 1030.0;
    double XMax = 4130.0;
    double YMin = -18.0;
    double YMax = 18.0;
    double LogXMin = 0.0;
    double LogXMax = 0.0;
    double LogYMin = 0.0;
    double LogYMax = 0.0;
    TMyAxisFormat XAxisFormat = Linear;
    TMyAxisFormat YAxisFormat = Linear;
    bool XAutoScale = true;
    bool YAutoScale = true;

    // While auto-scaling: the range of every plot's values (1 and -1 with
    // no points at all), then CompareMaxMin and CalculateLogMaxMin.
    void FindXMaxMin(const TPlotList& plots);
    void FindYMaxMin(const TPlotList& plots);
    // Widens an empty range (Log: max = min x 10, Linear: max = min + 1).
    void CompareMaxMin();
    // Log axes: a maximum at or below 0 becomes 10, a minimum at or below 0
    // max / 10 (x) or max / 100 (y); then the log bounds.
    void CalculateLogMaxMin();

    // Data to pixels of a page width x height (not truncated).
    double ScreenX(double x, int width) const;
    double ScreenY(double y, int height) const;
    // Pixels to data; left and top place the page in the control.
    double PlotX(int px, int left, int width) const;
    double PlotY(int py, int top, int height) const;
};

} // namespace korvan::curves
