#include "ui/curves/AxisScales.h"

#include "ui/curves/PlotList.h"

#include <cmath>
#include <vector>

namespace korvan::curves {

namespace {

// Largest and smallest value of one coordinate over every plot, starting
// from the first value there is; false when no plot has a point. Values
// that are not finite (a response at a notch) cannot be shown and would
// make the whole range unusable, so they are passed over.
bool FindRange(const TPlotList& plots, bool y, double& lo, double& hi) {
    bool any = false;
    for (const TPlotListMember* m = plots.Head(); m != nullptr; m = m->Next.get()) {
        const std::vector<double>& values = y ? m->Y : m->X;
        for (double v : values) {
            if (!std::isfinite(v)) {
                continue;
            }
            if (!any) {
                lo = hi = v;
                any = true;
            } else if (v > hi) {
                hi = v;
            } else if (v < lo) {
                lo = v;
            }
        }
    }
    return any;
}

} // namespace

void AxisScales::FindXMaxMin(const TPlotList& plots) {
    if (!XAutoScale) {
        return;
    }
    if (!FindRange(plots, false, XMin, XMax)) {
        XMin = -1.0;
        XMax = 1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void AxisScales::FindYMaxMin(const TPlotList& plots) {
    if (!YAutoScale) {
        return;
    }
    if (!FindRange(plots, true, YMin, YMax)) {
        YMin = -1.0;
        YMax = 1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void AxisScales::CompareMaxMin() {
    if (YMax == YMin) {
        YMax = YAxisFormat == Log ? YMin * 10.0 : YMax + 1.0;
    }
    if (XMax == XMin) {
        XMax = XAxisFormat == Log ? XMin * 10.0 : XMax + 1.0;
    }
}

void AxisScales::CalculateLogMaxMin() {
    if (XAxisFormat == Log) {
        if (XMax <= 0.0) {
            XMax = 10.0;
        }
        if (XMin <= 0.0) {
            XMin = XMax * 0.1;
        }
        LogXMin = std::log10(XMin);
        LogXMax = std::log10(XMax);
    }
    if (YAxisFormat == Log) {
        if (YMax <= 0.0) {
            YMax = 10.0;
        }
        if (YMin <= 0.0) {
            YMin = YMax * 0.01;
        }
        LogYMin = std::log10(YMin);
        LogYMax = std::log10(YMax);
    }
}

double AxisScales::ScreenX(double x, int width) const {
    if (XAxisFormat == Log) {
        const double lx = x <= 0.0 ? std::log10(XMin * 0.1) : std::log10(x);
        return width * (lx - LogXMin) / (LogXMax - LogXMin);
    }
    return width * (x - XMin) / (XMax - XMin);
}

double AxisScales::ScreenY(double y, int height) const {
    if (YAxisFormat == Log) {
        const double ly = y <= 0.0 ? std::log10(YMin * 0.1) : std::log10(y);
        return height - height * (ly - LogYMin) / (LogYMax - LogYMin);
    }
    return height - height * (y - YMin) / (YMax - YMin);
}

double AxisScales::PlotX(int px, int left, int width) const {
    if (width <= 0) {
        return XMin; // no page yet: no position to convert
    }
    if (XAxisFormat == Log) {
        return std::pow(10.0, LogXMin + (px - left) * (LogXMax - LogXMin) / width);
    }
    return XMin + (px - left) * (XMax - XMin) / width;
}

double AxisScales::PlotY(int py, int top, int height) const {
    if (height <= 0) {
        return YMin;
    }
    if (YAxisFormat == Log) {
        return std::pow(10.0, LogYMin + (top + height - py) * (LogYMax - LogYMin) / height);
    }
    return YMin + (top + height - py) * (YMax - YMin) / height;
}

} // namespace korvan::curves
