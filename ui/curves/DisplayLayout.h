#pragma once
// Where the regions of a curve display lie: the curve area, the frequency
// labels and title below it, the level labels and title left of it, the
// plot title above it, a 10-pixel margin at the right and the mouse
// read-out in the top right corner.

namespace korvan::curves {

struct PageBounds {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const PageBounds&, const PageBounds&) = default;
};

// The regions that can be switched on and off.
struct RegionFlags {
    bool ShowXLabel = true;
    bool ShowXTitle = false;
    bool ShowYLabel = true;
    bool ShowYTitle = false;
    bool ShowPlotTitle = false;
    bool ShowCoordinates = true;
    friend bool operator==(const RegionFlags&, const RegionFlags&) = default;
};

// Text sizes in the fonts of the pages, measured by the display.
struct LayoutMeasures {
    int XLabelHeight = 0; // a frequency label
    int XTitleHeight = 0; // XTitle
    int YLabelWidth = 0;  // the widest level label there can be
    int YTitleWidth = 0;  // YTitle
    int YTitleHeight = 0; // YTitle
    int PlotTitleHeight = 0;
    int CoordWidth = 0; // the widest read-out line
    int CoordHeight = 0;
};

struct DisplayPages {
    PageBounds Curve, XLabel, XTitle, YLabel, YTitle, YTitleBuffer, PlotTitle, Margin, Coord;
};

struct LayoutResult {
    RegionFlags Flags;        // after switching off what does not fit
    bool PagesPlaced = false; // Curve..Margin got new bounds
    bool BufferPlaced = false;
    bool CoordPlaced = false;
};

// Lays the pages out for a control of width x height. Regions that do not
// fit are switched off in flags; the layout then runs again, but only when
// a flag actually changed, so a control too small for even the empty
// layout ends with its pages as they were. Pages whose bounds do not
// change keep them.
LayoutResult LayOutPages(int width, int height, RegionFlags flags, const LayoutMeasures& measures,
                         DisplayPages& pages);

} // namespace korvan::curves
