#include "ui/curves/CurveDisplay.h"

#include <algorithm>

namespace korvan::curves {

CurveDisplay::CurveDisplay(TComponent* owner) : TPaintBox(owner) {
    SetBounds(0, 0, 500, 250);
    SetColor(clBlack);
    MakePagesAndFonts();
}

CurveDisplay::~CurveDisplay() = default;

void CurveDisplay::MakePagesAndFonts() {
    plots_ = std::make_unique<TPlotList>();
    for (auto& page : pages_) {
        page = std::make_unique<TPaintPage>();
    }
    plotTitleFont_ = TFont();
    axisTitleFont_ = TFont();
    axisLabelFont_ = TFont();
    mouseCoordFont_ = TFont();
    plotTitleFont_.SetColor(clLime);
    axisTitleFont_.SetColor(clLime);
    mouseCoordFont_.SetColor(clLime);
    axisLabelFont_.SetColor(clYellow);
}

void CurveDisplay::Loaded() {
    TPaintBox::Loaded();
    const TFont plotTitle = plotTitleFont_;
    const TFont axisTitle = axisTitleFont_;
    const TFont axisLabel = axisLabelFont_;
    const TFont mouseCoord = mouseCoordFont_;
    SetPlotTitleFont(plotTitle);
    SetAxisTitleFont(axisTitle);
    SetAxisLabelFont(axisLabel);
    SetMouseCoordFont(mouseCoord);
}

void CurveDisplay::Change() {
    if (OnChange) {
        OnChange(this);
    }
}

void CurveDisplay::SetAxisColor(TColor value) {
    axisColor_ = value;
    DrawAxis();
}

void CurveDisplay::SetAxisStyle(TMyAxisStyle value) {
    axisStyle_ = value;
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetYLabelScale(double value) {
    yLabelScale_ = value;
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetNumHorzGrid(int value) {
    numHorzGrid_ = std::max(value, 0);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetNumVertGrid(int value) {
    numVertGrid_ = std::max(value, 0);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetXAxisFormat(TMyAxisFormat value) {
    scales_.XAxisFormat = value;
    scales_.FindXMaxMin(*plots_);
    if (value == Log) {
        if (scales_.XMax <= 0.0) {
            scales_.XMin = 1.0;
            scales_.XMax = 10.0;
        } else if (scales_.XMin <= 0.0) {
            scales_.XMin = scales_.XMax / 10.0;
        }
    }
    scales_.CalculateLogMaxMin();
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetYAxisFormat(TMyAxisFormat value) {
    scales_.YAxisFormat = value;
    scales_.FindYMaxMin(*plots_);
    if (value == Log) {
        if (scales_.YMax <= 0.0) {
            scales_.YMin = 1.0;
            scales_.YMax = 10.0;
        } else if (scales_.YMin <= 0.0) {
            scales_.YMin = scales_.YMax / 10.0;
        }
    }
    scales_.CalculateLogMaxMin();
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetXAutoScale(bool value) {
    scales_.XAutoScale = value;
    scales_.FindXMaxMin(*plots_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetYAutoScale(bool value) {
    scales_.YAutoScale = value;
    scales_.FindYMaxMin(*plots_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

namespace {

void SetRangeEnd(double& field, double value, AxisScales& scales) {
    field = value;
    scales.CompareMaxMin();
    scales.CalculateLogMaxMin();
}

} // namespace

void CurveDisplay::SetYMax(double value) {
    SetRangeEnd(scales_.YMax, value, scales_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetYMin(double value) {
    SetRangeEnd(scales_.YMin, value, scales_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetXMax(double value) {
    SetRangeEnd(scales_.XMax, value, scales_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetXMin(double value) {
    SetRangeEnd(scales_.XMin, value, scales_);
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetShowXLabel(bool value) {
    regions_.ShowXLabel = value;
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetShowYLabel(bool value) {
    regions_.ShowYLabel = value;
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetShowXTitle(bool value) {
    regions_.ShowXTitle = value;
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetShowYTitle(bool value) {
    regions_.ShowYTitle = value;
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetShowPlotTitle(bool value) {
    regions_.ShowPlotTitle = value;
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::ApplyFont(TFont& target, const TFont& value, std::initializer_list<PageRole> pages) {
    target.Assign(value);
    Font().Assign(value);
    for (PageRole role : pages) {
        Page(role).SetFont(value);
    }
    ResizePaintPage();
}

void CurveDisplay::SetPlotTitleFont(const TFont& value) {
    ApplyFont(plotTitleFont_, value, {PageRole::PlotTitle});
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetAxisTitleFont(const TFont& value) {
    ApplyFont(axisTitleFont_, value, {PageRole::XTitle, PageRole::YTitle, PageRole::YTitleBuffer});
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetAxisLabelFont(const TFont& value) {
    ApplyFont(axisLabelFont_, value, {PageRole::XLabel, PageRole::YLabel});
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetMouseCoordFont(const TFont& value) {
    ApplyFont(mouseCoordFont_, value, {PageRole::Coord});
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::SetYLabelFormat(TStringFloatFormat value) {
    yLabelFormat_ = value;
    SetShowYLabel(ShowYLabel());
}

void CurveDisplay::SetYLabelPrecision(int value) {
    yLabelPrecision_ = value;
    SetShowYLabel(ShowYLabel());
}

void CurveDisplay::SetYLabelDigits(int value) {
    yLabelDigits_ = value;
    SetShowYLabel(ShowYLabel());
}

void CurveDisplay::SetXLabelFormat(TStringFloatFormat value) {
    xLabelFormat_ = value;
    SetShowXLabel(ShowXLabel());
}

void CurveDisplay::SetXLabelPrecision(int value) {
    xLabelPrecision_ = value;
    SetShowXLabel(ShowXLabel());
}

void CurveDisplay::SetXLabelDigits(int value) {
    xLabelDigits_ = value;
    SetShowXLabel(ShowXLabel());
}

void CurveDisplay::SetShowCoordinates(bool value) {
    regions_.ShowCoordinates = value;
    if (Visible() && autoRedraw_) {
        Page(PageRole::Coord).Clear(Color());
        CopyToControl(Page(PageRole::Coord));
        DrawAllPlots();
    }
}

void CurveDisplay::SetPointSize(int value) {
    pointSize_ = std::clamp(value, 1, 10);
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetVertTickLength(int value) {
    vertTickLength_ = std::clamp(value, 0, std::max(Height(), 0));
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetHorzTickLength(int value) {
    horzTickLength_ = std::clamp(value, 0, std::max(Width(), 0));
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetShowHorzGrid(bool value) {
    showHorzGrid_ = value;
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetShowVertGrid(bool value) {
    showVertGrid_ = value;
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetShowHorzTicks(bool value) {
    showHorzTicks_ = value;
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetShowVertTicks(bool value) {
    showVertTicks_ = value;
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetGridColor(TColor value) {
    gridColor_ = value;
    if (autoRedraw_) {
        DrawAllPlots();
    }
}

void CurveDisplay::SetAutoRedraw(bool value) {
    autoRedraw_ = value;
    if (value) {
        Redraw();
    }
}

void CurveDisplay::SetXTitle(const std::string& value) {
    xTitle_ = value;
    if (autoRedraw_) {
        DrawTitles();
    }
}

void CurveDisplay::SetPlotTitle(const std::string& value) {
    plotTitle_ = value;
    if (autoRedraw_) {
        DrawTitles();
    }
}

void CurveDisplay::SetYTitle(const std::string& value) {
    yTitle_ = value;
    ResizePaintPage();
    if (autoRedraw_) {
        DrawTitles();
    }
}

void CurveDisplay::SetYLabel(const std::string& value) {
    yLabel_ = value;
    ResizePaintPage();
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

} // namespace korvan::curves
