// Layout of the pages and everything drawn into them but the decorations:
// grid, ticks, axis, plots, axis labels, titles and the mouse read-out.

#include "ui/curves/CurveDisplay.h"

#include "platform/text/FloatText.h"
#include "ui/curves/AxisLabels.h"
#include "ui/curves/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvan::curves {

namespace {

TFloatFormat ToFloatFormat(TStringFloatFormat format) {
    switch (format) {
    case sffExponent:
        return ffExponent;
    case sffFixed:
        return ffFixed;
    case sffNumber:
        return ffNumber;
    case sffCurrency:
        return ffCurrency;
    default:
        return ffGeneral;
    }
}

PageBounds BoundsOf(const TRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

void Place(TPaintPage& page, const PageBounds& b) {
    page.SetBounds(b.Left, b.Top, b.Right, b.Bottom);
}

void Segment(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// The values of the grid lines of a log axis: each decade from
// floor(logMin) below logMax, and `count` lines evenly inside it.
std::vector<double> LogGridValues(double logMin, double logMax, int count) {
    std::vector<double> values;
    for (double d = std::floor(logMin); d < logMax; d += 1.0) {
        const double low = std::pow(10.0, d);
        const double high = std::pow(10.0, d + 1.0);
        values.push_back(low);
        for (int i = 1; i <= count; ++i) {
            values.push_back(low + i * (high - low) / (count + 1));
        }
    }
    return values;
}

constexpr int LogGridDecadeLimit = 400; // log10 of the double range, both ways

// How far beyond the curve page plot segments are kept: more than the
// width of the plot pen, so their ends never show.
constexpr int PlotClipMargin = 8;

// Cuts the segment a-b to the rectangle (edges included); false when no
// part of it lies inside. Ends inside stay exactly where they are.
bool ClipSegment(const TRect& r, TPoint& a, TPoint& b) {
    const double dx = static_cast<double>(b.X) - a.X;
    const double dy = static_cast<double>(b.Y) - a.Y;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {static_cast<double>(a.X) - r.Left, static_cast<double>(r.Right) - a.X,
                        static_cast<double>(a.Y) - r.Top, static_cast<double>(r.Bottom) - a.Y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return false;
    }
    const TPoint start = a;
    if (t1 < 1.0) {
        b = {static_cast<int>(std::lround(start.X + t1 * dx)),
             static_cast<int>(std::lround(start.Y + t1 * dy))};
    }
    if (t0 > 0.0) {
        a = {static_cast<int>(std::lround(start.X + t0 * dx)),
             static_cast<int>(std::lround(start.Y + t0 * dy))};
    }
    return true;
}

} // namespace

std::string CurveDisplay::XLabelText(double v) const {
    return FloatToStrF(v, ToFloatFormat(xLabelFormat_), xLabelPrecision_, xLabelDigits_);
}

std::string CurveDisplay::YLabelText(double v) const {
    return FloatToStrF(v, ToFloatFormat(yLabelFormat_), yLabelPrecision_, yLabelDigits_);
}

LayoutMeasures CurveDisplay::Measure() {
    LayoutMeasures m;
    if (regions_.ShowXLabel) {
        TPaintPage& page = Page(PageRole::XLabel);
        page.SetFont(axisLabelFont_);
        m.XLabelHeight = page.Canvas().TextHeight(XLabelText(scales_.XMin));
    }
    if (regions_.ShowXTitle) {
        TPaintPage& page = Page(PageRole::XTitle);
        page.SetFont(axisTitleFont_);
        m.XTitleHeight = page.Canvas().TextHeight(xTitle_);
    }
    if (regions_.ShowYLabel) {
        TPaintPage& page = Page(PageRole::YLabel);
        page.SetFont(axisLabelFont_);
        const int precision = std::max(xLabelPrecision_, yLabelPrecision_);
        const int digits = std::max(xLabelDigits_, yLabelDigits_);
        for (int k = -100; k <= 100; ++k) {
            const std::string text = FloatToStrF(std::numbers::pi * std::pow(10.0, k),
                                                 ToFloatFormat(xLabelFormat_), precision, digits);
            m.YLabelWidth = std::max(m.YLabelWidth, page.Canvas().TextWidth(text));
        }
    }
    if (regions_.ShowYTitle) {
        Page(PageRole::YTitle).SetFont(axisTitleFont_);
        TPaintPage& buffer = Page(PageRole::YTitleBuffer);
        buffer.SetFont(axisTitleFont_);
        m.YTitleWidth = buffer.Canvas().TextWidth(yTitle_);
        m.YTitleHeight = buffer.Canvas().TextHeight(yTitle_);
    }
    if (regions_.ShowPlotTitle) {
        TPaintPage& page = Page(PageRole::PlotTitle);
        page.SetFont(plotTitleFont_);
        m.PlotTitleHeight = page.Canvas().TextHeight(plotTitle_);
    }
    if (regions_.ShowCoordinates) {
        TPaintPage& page = Page(PageRole::Coord);
        page.SetFont(mouseCoordFont_);
        std::string widest;
        for (int k = -100; k <= 100; ++k) {
            const std::string text = "x = " + YLabelText(std::numbers::pi * std::pow(10.0, k));
            const int w = page.Canvas().TextWidth(text);
            if (w > m.CoordWidth) {
                m.CoordWidth = w;
                widest = text;
            }
        }
        m.CoordHeight = page.Canvas().TextHeight(widest);
    }
    return m;
}

void CurveDisplay::ResizePaintPage() {
    const LayoutMeasures measures = Measure();
    DisplayPages b;
    b.Curve = BoundsOf(Page(PageRole::Curve).Rect());
    const LayoutResult r = LayOutPages(Width(), Height(), regions_, measures, b);
    regions_ = r.Flags;
    if (r.PagesPlaced) {
        Place(Page(PageRole::Curve), b.Curve);
        Place(Page(PageRole::XLabel), b.XLabel);
        Place(Page(PageRole::XTitle), b.XTitle);
        Place(Page(PageRole::YLabel), b.YLabel);
        Place(Page(PageRole::YTitle), b.YTitle);
        Place(Page(PageRole::PlotTitle), b.PlotTitle);
        Place(Page(PageRole::Margin), b.Margin);
    }
    if (r.BufferPlaced) {
        Place(Page(PageRole::YTitleBuffer), b.YTitleBuffer);
    }
    if (r.CoordPlaced) {
        Place(Page(PageRole::Coord), b.Coord);
    }
    for (int n = 0; n < MarkerCount; ++n) {
        const MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
        SetBlockPosition(ScreenX(slot.X), ScreenY(slot.Y), n);
    }
}

bool CurveDisplay::HiddenInForm() const {
    for (const TWinControl* p = Parent(); p != nullptr && p->Parent() != nullptr; p = p->Parent()) {
        if (!p->Visible()) {
            return true;
        }
    }
    return false;
}

void CurveDisplay::ReleasePixels() {
    CurvePage().Release();
    ReleaseSurface();
    Invalidate();
}

bool CurveDisplay::CanDraw() {
    if (!HiddenInForm()) {
        return true;
    }
    ReleasePixels();
    return false;
}

void CurveDisplay::CopyToControl(TPaintPage& page) {
    if (!CanDraw()) {
        return;
    }
    if (page.Bitmap().Empty() || Width() <= 0 || Height() <= 0) {
        return;
    }
    Canvas().CopyRect(page.Rect(), page.Canvas(), page.BitmapRect());
}

void CurveDisplay::UpdatePaintPage(TPaintPage& page) {
    if (!CanDraw()) {
        return;
    }
    BlockPaint();
    if (line_.Visible) {
        LinePaint();
    }
    TextPaint();
    CuveDisplayPaint();
    CopyToControl(page);
}

void CurveDisplay::UpdateCurvePage() {
    UpdatePaintPage(CurvePage());
}

void CurveDisplay::DrawPlotsAndLabelsNoUpdate() {
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void CurveDisplay::DrawPlotsAndLabels() {
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(CurvePage());
}

void CurveDisplay::Redraw() {
    DrawPlotsAndLabels();
    DrawTitles();
}

void CurveDisplay::RedrawScreen() {
    if (regions_.ShowXLabel) {
        UpdatePaintPage(Page(PageRole::XLabel));
    }
    if (regions_.ShowXTitle) {
        UpdatePaintPage(Page(PageRole::XTitle));
    }
    if (regions_.ShowYLabel) {
        UpdatePaintPage(Page(PageRole::YLabel));
    }
    if (regions_.ShowYTitle) {
        UpdatePaintPage(Page(PageRole::YTitle));
    }
    if (regions_.ShowPlotTitle) {
        UpdatePaintPage(Page(PageRole::PlotTitle));
    }
    UpdatePaintPage(Page(PageRole::Margin));
    UpdatePaintPage(CurvePage());
}

void CurveDisplay::ClearPlot() {
    const std::pair<bool, PageRole> shown[] = {{regions_.ShowXLabel, PageRole::XLabel},
                                               {regions_.ShowYLabel, PageRole::YLabel},
                                               {regions_.ShowXTitle, PageRole::XTitle},
                                               {regions_.ShowYTitle, PageRole::YTitle},
                                               {regions_.ShowPlotTitle, PageRole::PlotTitle}};
    for (const auto& [on, role] : shown) {
        if (on) {
            Page(role).Clear(Color());
        }
    }
    Page(PageRole::Margin).Clear(Color());
    CurvePage().Clear(Color());
}

void CurveDisplay::Paint() {
    if (Width() != paintedWidth_ || Height() != paintedHeight_) {
        paintedWidth_ = Width();
        paintedHeight_ = Height();
        ResizePaintPage();
    }
    Redraw();
    BlockPaint();
    if (line_.Visible) {
        LinePaint();
    }
    TextPaint();
    CuveDisplayPaint();
    TPaintBox::Paint();
}

void CurveDisplay::DrawAllPlots() {
    if (!Visible() || HiddenInForm()) {
        return;
    }
    CurvePage().Clear(Color());
    DrawGrid();
    DrawTicks();
    DrawAxis();
    for (const TPlotListMember* m = plots_->Head(); m != nullptr; m = m->Next.get()) {
        DrawOnePlot(*m);
    }
}

std::vector<double> CurveDisplay::HorizontalGridValues() const {
    if (scales_.YAxisFormat == Log) {
        if (!(scales_.LogYMax - scales_.LogYMin < LogGridDecadeLimit)) {
            return {};
        }
        return LogGridValues(scales_.LogYMin, scales_.LogYMax, numHorzGrid_);
    }
    std::vector<double> values;
    for (int i = 1; i <= numHorzGrid_; ++i) {
        values.push_back(scales_.YMin + i * (scales_.YMax - scales_.YMin) / (numHorzGrid_ + 1));
    }
    return values;
}

std::vector<std::pair<int, bool>> CurveDisplay::VerticalGridPositions() const {
    std::vector<std::pair<int, bool>> positions;
    if (scales_.XAxisFormat == Log) {
        if (scales_.LogXMax - scales_.LogXMin < LogGridDecadeLimit) {
            for (double v : LogGridValues(scales_.LogXMin, scales_.LogXMax, numVertGrid_)) {
                positions.push_back({TruncPixel(ScreenX(v)), false});
            }
        }
        return positions;
    }
    // The frequency grid: 1..10 times every decade from 10 Hz; the decade
    // lines (j = 1) are the axis colour.
    for (int a = 1; a <= 14; ++a) {
        for (int j = 1; j <= 10; ++j) {
            const double f = j * std::pow(10.0, a);
            positions.push_back({TruncPixel(ScreenX(FrequencyPosition(f, fftNumber_, sampleRate_))), j == 1});
        }
    }
    return positions;
}

void CurveDisplay::DrawGrid() {
    TCanvas& canvas = CurvePage().Canvas();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    canvas.Pen().SetColor(gridColor_);
    if (showHorzGrid_) {
        for (double v : HorizontalGridValues()) {
            const int y = TruncPixel(ScreenY(v));
            Segment(canvas, 0, y, w, y);
        }
    }
    if (showVertGrid_) {
        for (const auto& [x, decade] : VerticalGridPositions()) {
            canvas.Pen().SetColor(decade ? axisColor_ : gridColor_);
            Segment(canvas, x, 0, x, h);
        }
    }
}

void CurveDisplay::DrawTicks() {
    TCanvas& canvas = CurvePage().Canvas();
    const int h = GetPlotHeight();
    canvas.Pen().SetColor(axisColor_);
    if (showHorzTicks_) {
        for (double v : HorizontalGridValues()) {
            const int y = TruncPixel(ScreenY(v));
            Segment(canvas, 0, y, horzTickLength_, y);
        }
    }
    if (showVertTicks_) {
        const int length = scales_.XAxisFormat == Log ? vertTickLength_ : vertTickLength_ + 2;
        for (const auto& [x, decade] : VerticalGridPositions()) {
            (void)decade;
            Segment(canvas, x, h, x, h - length);
        }
    }
}

void CurveDisplay::DrawAxis() {
    if (!Visible()) {
        return;
    }
    TPaintPage& page = CurvePage();
    TCanvas& canvas = page.Canvas();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    canvas.Pen().SetColor(axisColor_);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(axisColor_);
    const bool box = axisStyle_ == Box || axisStyle_ == CenteredBox;
    const bool centred = axisStyle_ == Centered || axisStyle_ == CenteredBox;
    if (box) {
        canvas.FrameRect(page.BitmapRect());
    }
    if (centred) {
        if (scales_.YMax != scales_.YMin) {
            const int y = TruncPixel(ScreenY(0.0));
            Segment(canvas, 0, y, w, y);
        }
        if (scales_.XMax != scales_.XMin) {
            const int x = TruncPixel(ScreenX(0.0));
            Segment(canvas, x, 0, x, h);
        }
    }
    if (axisStyle_ == LB) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(0, h - 1);
        canvas.LineTo(w, h - 1);
    }
}

void CurveDisplay::DrawOnePlot(const TPlotListMember& plot) {
    if (!Visible() || plot.NumPoints < 1) {
        return;
    }
    TCanvas& canvas = CurvePage().Canvas();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    canvas.Pen().SetWidth(2);
    canvas.Pen().SetColor(plot.Color);
    const bool filled = plot.Style == PlotFilledSquares || plot.Style == PlotLineFilledSquares;
    canvas.Brush().SetColor(filled ? plot.Color : Color());
    const bool line =
        plot.Style == PlotLine || plot.Style == PlotLineFilledSquares || plot.Style == PlotLineHollowSquares;
    const bool squares = plot.Style != PlotLine;
    const int s = pointSize_;
    // The segments go to the canvas cut to the page (with a margin wider
    // than the pen) and joined into polylines: the pixels on the page are
    // those of the segments drawn one by one, without handing the canvas
    // lines that run millions of pixels off the page.
    const TRect keep{-PlotClipMargin, -PlotClipMargin, w + PlotClipMargin, h + PlotClipMargin};
    std::vector<TPoint> polyline;
    auto flushLine = [&] {
        if (polyline.size() > 1) {
            canvas.Polyline(polyline);
        }
        polyline.clear();
    };
    TPoint pen{TruncPixel(FFTScreenX(plot.X[0])), TruncPixel(FFTScreenY(plot.Y[0]))};
    for (std::size_t i = 0; i < static_cast<std::size_t>(plot.NumPoints); ++i) {
        const TPoint p{TruncPixel(FFTScreenX(plot.X[i])), TruncPixel(FFTScreenY(plot.Y[i]))};
        // Far outside the page the line breaks: no segment runs to such a
        // point; the next one starts there.
        if (p.X < -2 * w || p.X >= 3 * w || p.Y < -2 * h || p.Y >= 3 * h) {
            pen = p;
            continue;
        }
        if (line) {
            TPoint a = pen;
            TPoint b = p;
            if (ClipSegment(keep, a, b) && !(a == b)) {
                if (polyline.empty() || !(polyline.back() == a)) {
                    flushLine();
                    polyline.push_back(a);
                }
                polyline.push_back(b);
            }
        }
        if (squares) {
            flushLine();
            canvas.Rectangle(p.X - s, p.Y - s, p.X + s, p.Y + s);
        }
        pen = p;
    }
    flushLine();
    canvas.MoveTo(pen.X, pen.Y);
}

void CurveDisplay::DrawXAxisLabels() {
    if (!regions_.ShowXLabel) {
        return;
    }
    TPaintPage& page = Page(PageRole::XLabel);
    page.Clear(Color());
    page.SetFont(axisLabelFont_);
    TCanvas& canvas = page.Canvas();
    for (double f : LabelFrequencies(Width())) {
        const std::string text = f < 1000.0 ? XLabelText(f) + "Hz" : XLabelText(f * 0.001) + "K" + "Hz";
        const double x = ScreenX(FrequencyPosition(f, fftNumber_, sampleRate_));
        canvas.TextOut(TruncPixel(x - canvas.TextWidth(text) * 0.5), 1, text);
    }
    UpdatePaintPage(page);
}

void CurveDisplay::DrawYAxisLabels() {
    if (!regions_.ShowYLabel) {
        return;
    }
    TPaintPage& page = Page(PageRole::YLabel);
    page.Clear(Color());
    page.SetFont(axisLabelFont_);
    TCanvas& canvas = page.Canvas();
    const int pageWidth = page.Bitmap().Width();
    auto put = [&](const std::string& text, double top) {
        canvas.TextOut(pageWidth - canvas.TextWidth(text) - 2, TruncPixel(top), text);
    };
    if (scales_.YAxisFormat == Log) {
        if (scales_.LogYMax - scales_.LogYMin < LogGridDecadeLimit) {
            for (double d = std::floor(scales_.LogYMin) + 1.0; d < scales_.LogYMax; d += 1.0) {
                const std::string text = YLabelText(std::pow(10.0, d * yLabelScale_)) + yLabel_;
                put(text, ScreenY(std::pow(10.0, d)) - canvas.TextHeight(text) * 0.5);
            }
        }
    } else {
        for (const LevelLabel& label : LinearLevelLabels(scales_.YMin, scales_.YMax, numHorzGrid_)) {
            std::string text = label.Plus ? "+" : "";
            text += YLabelText(label.Value * yLabelScale_);
            text += yLabel_;
            const int height = canvas.TextHeight(text);
            switch (label.Where) {
            case LevelLabel::Top:
                put(text, 0.0);
                break;
            case LevelLabel::Bottom:
                put(text, ScreenY(scales_.YMin) - height);
                break;
            case LevelLabel::Grid:
                put(text, ScreenY(label.Value) - height * 0.5);
                break;
            }
        }
    }
    UpdatePaintPage(page);
}

void CurveDisplay::DrawTitles() {
    TPaintPage& title = Page(PageRole::PlotTitle);
    title.Clear(Color());
    if (regions_.ShowPlotTitle) {
        title.SetFont(plotTitleFont_);
        TCanvas& canvas = title.Canvas();
        const int w = canvas.TextWidth(plotTitle_);
        const int h = canvas.TextHeight(plotTitle_);
        canvas.TextOut((GetPlotWidth() - w) / 2 + CurvePage().Rect().Left,
                       title.Bitmap().Height() - 3 * h / 2, plotTitle_);
    }
    UpdatePaintPage(title);
    if (regions_.ShowXTitle) {
        TPaintPage& page = Page(PageRole::XTitle);
        page.Clear(Color());
        page.SetFont(axisTitleFont_);
        TCanvas& canvas = page.Canvas();
        const int w = canvas.TextWidth(xTitle_);
        const int h = canvas.TextHeight(xTitle_);
        canvas.TextOut((page.Bitmap().Width() - w) / 2, page.Bitmap().Height() - 3 * h / 2, xTitle_);
        UpdatePaintPage(page);
    }
    if (regions_.ShowYTitle) {
        TPaintPage& page = Page(PageRole::YTitle);
        TPaintPage& buffer = Page(PageRole::YTitleBuffer);
        page.Clear(Color());
        buffer.Clear(Color());
        page.SetFont(axisTitleFont_);
        buffer.SetFont(axisTitleFont_);
        buffer.Canvas().TextOut(0, 0, yTitle_);
        TCanvas& canvas = page.Canvas();
        const int w = canvas.TextWidth(yTitle_);
        const int h = canvas.TextHeight(yTitle_);
        canvas.TextOut(h / 2, (GetPlotHeight() - w) / 2, yTitle_);
        UpdatePaintPage(page);
    }
    TPaintPage& margin = Page(PageRole::Margin);
    margin.Clear(Color());
    UpdatePaintPage(margin);
}

void CurveDisplay::DrawMouseCoord() {
    if (!regions_.ShowCoordinates || !Visible()) {
        return;
    }
    TPaintPage& page = Page(PageRole::Coord);
    page.SetFont(mouseCoordFont_);
    page.Clear(Color());
    TCanvas& canvas = page.Canvas();
    const std::string x = "x = " + XLabelText(mouseX_);
    const std::string y = "y = " + YLabelText(mouseY_);
    const int h = canvas.TextHeight(y);
    canvas.TextOut(0, 0, x);
    canvas.TextOut(0, h + 3, y);
    UpdatePaintPage(page);
}

} // namespace korvan::curves
