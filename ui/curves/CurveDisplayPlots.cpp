// Plot-list operations, copies between displays, scales and transforms.

#include "ui/curves/CurveDisplay.h"

#include <algorithm>
#include <vector>

namespace korvan::curves {

void CurveDisplay::AutoScale() {
    scales_.FindXMaxMin(*plots_);
    scales_.FindYMaxMin(*plots_);
}

bool CurveDisplay::FFTDraw(const double* x, const double* y, int count, int plotNumber, TColor color,
                           TMyPlotStyle style) {
    const bool existed = plots_->AddPlot(x, y, count, plotNumber, color, style);
    AutoScale();
    if (autoRedraw_) {
        DrawPlotsAndLabelsNoUpdate();
    }
    return existed;
}

bool CurveDisplay::FFTDraw(const double* y, int count, int plotNumber, TColor color, TMyPlotStyle style) {
    std::vector<double> x(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = static_cast<double>(i);
    }
    return FFTDraw(x.data(), y, count, plotNumber, color, style);
}

bool CurveDisplay::FFTDraw(const double* y, int count, double xFirst, double xLast, int plotNumber,
                           TColor color, TMyPlotStyle style) {
    std::vector<double> x(static_cast<std::size_t>(std::max(count, 0)));
    // One point has no spacing; it stands at xFirst.
    const double step = count > 1 ? (xLast - xFirst) / (count - 1) : 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        x[i] = xFirst + static_cast<double>(i) * step;
    }
    return FFTDraw(x.data(), y, count, plotNumber, color, style);
}

bool CurveDisplay::RemovePlot(int plotNumber) {
    if (!plots_->DeletePlot(plotNumber)) {
        return false;
    }
    AutoScale();
    if (autoRedraw_) {
        DrawPlotsAndLabelsNoUpdate();
    }
    return true;
}

bool CurveDisplay::SetPlotColor(TColor color, int plotNumber) {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    m->Color = color;
    DrawOnePlot(*m);
    RedrawScreen();
    return true;
}

bool CurveDisplay::SetPlotStyle(TMyPlotStyle style, int plotNumber) {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    m->Style = style;
    if (autoRedraw_) {
        DrawAllPlots();
    }
    return true;
}

bool CurveDisplay::GetPlotStyle(TMyPlotStyle& style, int plotNumber) const {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    style = m->Style;
    return true;
}

bool CurveDisplay::GetPlotColor(TColor& color, int plotNumber) const {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    color = m->Color;
    return true;
}

bool CurveDisplay::GetPlotNumPoints(int& count, int plotNumber) const {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    count = m->NumPoints;
    return true;
}

bool CurveDisplay::GetPlotX(double* out, int plotNumber) const {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    std::copy(m->X.begin(), m->X.end(), out);
    return true;
}

bool CurveDisplay::GetPlotY(double* out, int plotNumber) const {
    TPlotListMember* m = nullptr;
    if (!plots_->FindPlot(plotNumber, m)) {
        return false;
    }
    std::copy(m->Y.begin(), m->Y.end(), out);
    return true;
}

void CurveDisplay::AssignPlot(const CurveDisplay& other) {
    // Copied first: the other display may be this one.
    auto copy = std::make_unique<TPlotList>(*other.plots_);
    MakePagesAndFonts();
    plots_ = std::move(copy);
    AssignPlotProperties(other);
    AutoScale();
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::AssignPlotData(const CurveDisplay& other) {
    plots_ = std::make_unique<TPlotList>(*other.plots_);
    AutoScale();
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::AppendPlotData(const CurveDisplay& other) {
    plots_->AppendPlots(*other.plots_);
    AutoScale();
    ResizePaintPage();
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::AssignPlotProperties(const CurveDisplay& other) {
    if (&other != this) {
        autoRedraw_ = other.autoRedraw_;
        axisColor_ = other.axisColor_;
        axisStyle_ = other.axisStyle_;
        scales_ = other.scales_;
        regions_ = other.regions_;
        mouseControl_ = other.mouseControl_;
        pointSize_ = other.pointSize_;
        yLabelScale_ = other.yLabelScale_;
        xLabelPrecision_ = other.xLabelPrecision_;
        yLabelPrecision_ = other.yLabelPrecision_;
        xLabelDigits_ = other.xLabelDigits_;
        yLabelDigits_ = other.yLabelDigits_;
        yLabelFormat_ = other.yLabelFormat_;
        xLabelFormat_ = other.xLabelFormat_;
        showVertGrid_ = other.showVertGrid_;
        showHorzGrid_ = other.showHorzGrid_;
        numVertGrid_ = other.numVertGrid_;
        numHorzGrid_ = other.numHorzGrid_;
        showVertTicks_ = other.showVertTicks_;
        showHorzTicks_ = other.showHorzTicks_;
        vertTickLength_ = other.vertTickLength_;
        horzTickLength_ = other.horzTickLength_;
        gridColor_ = other.gridColor_;
        xTitle_ = other.xTitle_;
        yTitle_ = other.yTitle_;
        yLabel_ = other.yLabel_;
        plotTitle_ = other.plotTitle_;
        plotTitleFont_.Assign(other.plotTitleFont_);
        axisTitleFont_.Assign(other.axisTitleFont_);
        axisLabelFont_.Assign(other.axisLabelFont_);
        mouseCoordFont_.Assign(other.mouseCoordFont_);
        fftNumber_ = other.fftNumber_;
    }
    if (autoRedraw_) {
        Redraw();
    }
}

void CurveDisplay::SetXYMinMax(double xMin, double xMax, double yMin, double yMax) {
    scales_.XMin = xMin;
    scales_.XMax = xMax;
    scales_.YMin = yMin;
    scales_.YMax = yMax;
    scales_.CalculateLogMaxMin();
    scales_.CompareMaxMin();
    if (autoRedraw_) {
        DrawPlotsAndLabels();
    }
}

void CurveDisplay::FindXMaxMin() {
    scales_.FindXMaxMin(*plots_);
}
void CurveDisplay::FindYMaxMin() {
    scales_.FindYMaxMin(*plots_);
}
void CurveDisplay::CompareMaxMin() {
    scales_.CompareMaxMin();
}
void CurveDisplay::CalculateLogMaxMin() {
    scales_.CalculateLogMaxMin();
}

double CurveDisplay::ScreenX(double x) const {
    return scales_.ScreenX(x, pages_[static_cast<std::size_t>(PageRole::Curve)]->Width());
}

double CurveDisplay::ScreenY(double y) const {
    return scales_.ScreenY(y, pages_[static_cast<std::size_t>(PageRole::Curve)]->Height());
}

double CurveDisplay::PlotX(int px) const {
    const TPaintPage& page = *pages_[static_cast<std::size_t>(PageRole::Curve)];
    return scales_.PlotX(px, page.Rect().Left, page.Width());
}

double CurveDisplay::PlotY(int py) const {
    const TPaintPage& page = *pages_[static_cast<std::size_t>(PageRole::Curve)];
    return scales_.PlotY(py, page.Rect().Top, page.Height());
}

int CurveDisplay::GetPlotWidth() {
    return CurvePage().Width();
}
int CurveDisplay::GetPlotHeight() {
    return CurvePage().Height();
}

bool CurveDisplay::SetPlotWidth(int width) {
    CurvePage().SetWidth(width);
    return true;
}

void CurveDisplay::SetLineSize(int size) {
    if (size != lineSize_) {
        lineSize_ = size;
    }
}

} // namespace korvan::curves
