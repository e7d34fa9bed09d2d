#include "ui/curves/DisplayLayout.h"

namespace korvan::curves {

namespace {

constexpr int MarginWidth = 10;

// One pass of the layout; true when the region pages got their bounds.
bool LayOutOnce(int wc, int hc, const RegionFlags& f, const LayoutMeasures& m, DisplayPages& pages,
                LayoutResult& result, int& top, int& bottom, int& left) {
    left = -30;
    top = 0;
    bottom = hc;
    int xTitleTop = hc;
    int yTitleWidth = 0;
    if (f.ShowXLabel) {
        bottom = static_cast<int>(bottom - 1.2 * m.XLabelHeight);
    }
    if (f.ShowXTitle) {
        bottom -= 2 * m.XTitleHeight;
        xTitleTop -= 2 * m.XTitleHeight;
    }
    if (f.ShowYLabel) {
        left = m.YLabelWidth - 26;
    }
    if (f.ShowYTitle) {
        left += 2 * m.YTitleHeight;
        yTitleWidth += 2 * m.YTitleHeight;
        pages.YTitleBuffer = {0, 0, m.YTitleWidth, m.YTitleHeight};
        result.BufferPlaced = true;
    }
    top = f.ShowPlotTitle ? 2 * m.PlotTitleHeight : 10;
    if (f.ShowCoordinates) {
        pages.Coord = {wc - m.CoordWidth - 5, top + 4, wc - 5, top + 2 * m.CoordHeight + 12};
        result.CoordPlaced = true;
    }
    if (top < bottom && left < wc) {
        const int right = wc - MarginWidth;
        pages.Curve = {left, top, right, bottom};
        pages.XLabel = {left, bottom, right, xTitleTop};
        pages.XTitle = {left, xTitleTop, right, hc};
        pages.YLabel = {yTitleWidth, top, left, hc};
        pages.YTitle = {0, top, yTitleWidth, hc};
        pages.PlotTitle = {0, 0, right, top};
        pages.Margin = {right, 0, wc, hc};
        return true;
    }
    return false;
}

} // namespace

LayoutResult LayOutPages(int width, int height, RegionFlags flags, const LayoutMeasures& measures,
                         DisplayPages& pages) {
    LayoutResult result;
    for (;;) {
        int top = 0;
        int bottom = 0;
        int left = 0;
        result.PagesPlaced = LayOutOnce(width, height, flags, measures, pages, result, top, bottom, left) ||
                             result.PagesPlaced;
        const RegionFlags before = flags;
        if (bottom < top) {
            flags.ShowPlotTitle = flags.ShowXLabel = flags.ShowXTitle = false;
        }
        if (width < left) {
            flags.ShowYLabel = flags.ShowYTitle = false;
        }
        if (flags == before) {
            break;
        }
    }
    result.Flags = flags;
    return result;
}

} // namespace korvan::curves
