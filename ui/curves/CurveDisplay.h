#pragma once
// The response-curve display shared by LMyFFTDrawHpLp6dB and its twin
// LMyFFTDrawPhase: a list of plots drawn over a grid with axes, labels and
// titles, and the band decorations (markers, the selected band's caption
// and shaded area, a free text and a dashed line). Every region is drawn
// into an off-screen page; pages reach the control only as whole copies.
//
// The display is a paint box: its size, colour, font, Visible flag and
// mouse events are the control's. Pages reach the control's canvas (its
// off-screen surface, shown by its parent's window when it has one), so a
// display without a parent or on a hidden page draws all the same; Visible
// is the control's own flag, not whether a parent shows it.

#include "platform/forms/ExtCtrls.h"
#include "platform/gfx/Bitmap.h"
#include "ui/curves/AxisScales.h"
#include "ui/curves/CaptionRules.h"
#include "ui/curves/CurveGrid.h"
#include "ui/curves/DisplayLayout.h"
#include "ui/curves/DisplayTypes.h"
#include "ui/curves/PaintPage.h"
#include "ui/curves/PlotList.h"
#include "ui/curves/ShadedArea.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvan::curves {

// The nine pages in the order they are made.
enum class PageRole { Curve, XLabel, YLabel, PlotTitle, XTitle, YTitle, Margin, YTitleBuffer, Coord };
inline constexpr int PageCount = 9;
inline constexpr int MarkerCount = 50;

// One band marker: what DrawBlock and SetBlockParameter stored.
struct MarkerSlot {
    double X = 0.0; // grid position
    double Y = 0.0; // dB
    double Frequency = 0.0;
    double Gain = 0.0;
    double Q = 0.0;
    double Type = 0.0; // section kind
    TColor Color = 0;
    TPoint Pixel{};
    double ScreenX = 0.0;
    double ScreenY = 0.0;
    bool Hidden = false;
    int Kind = 0; // 0 square, 1 circle, 2 box "LPF", 3 box "HPF"
};

// The selected band's caption as DrawParam remembered it.
struct SelectedCaption {
    int Type = 0; // PEQ type index
    double Gain = 0.0;
    double X = 0.0;
    float Frequency = 0.0f;
    double Q = 0.0;
    TColor Color = 0;
};

struct FreeText {
    int X = 0;
    int Y = 0;
    int Size = 0;
    std::string FontName;
    TColor Color = 0;
    std::string Text;
};

struct MarkLine {
    double X = 0.0;
    int ScreenX = 0;
    TColor Color = 0;
    bool Mark = false;
    bool Visible = false;
};

// A new display is 500 by 250 pixels, black. Width, Height, Color, Font,
// Visible, OnPaint and the mouse events are the paint box's.
class CurveDisplay : public TPaintBox {
public:
    explicit CurveDisplay(TComponent* owner);
    ~CurveDisplay() override;

    TNotifyEvent OnChange;
    // After a form load: the fonts read in place reach their pages.
    void Loaded() override;

    // ---- published properties ------------------------------------------
    bool AutoRedraw() const { return autoRedraw_; }
    TColor AxisColor() const { return axisColor_; }
    TMyAxisStyle AxisStyle() const { return axisStyle_; }
    TMyAxisFormat XAxisFormat() const { return scales_.XAxisFormat; }
    TMyAxisFormat YAxisFormat() const { return scales_.YAxisFormat; }
    bool ShowXLabel() const { return regions_.ShowXLabel; }
    bool ShowYLabel() const { return regions_.ShowYLabel; }
    bool ShowCoordinates() const { return regions_.ShowCoordinates; }
    bool YAutoScale() const { return scales_.YAutoScale; }
    bool XAutoScale() const { return scales_.XAutoScale; }
    bool MouseControl() const { return mouseControl_; }
    void SetMouseControl(bool on) { mouseControl_ = on; }
    int PointSize() const { return pointSize_; }
    double YLabelScale() const { return yLabelScale_; }
    double YMax() const { return scales_.YMax; }
    double YMin() const { return scales_.YMin; }
    double XMax() const { return scales_.XMax; }
    double XMin() const { return scales_.XMin; }
    double MouseX() const { return mouseX_; }
    double MouseY() const { return mouseY_; }
    int XLabelPrecision() const { return xLabelPrecision_; }
    int YLabelPrecision() const { return yLabelPrecision_; }
    int XLabelDigits() const { return xLabelDigits_; }
    int YLabelDigits() const { return yLabelDigits_; }
    TStringFloatFormat YLabelFormat() const { return yLabelFormat_; }
    TStringFloatFormat XLabelFormat() const { return xLabelFormat_; }
    bool ShowVertGrid() const { return showVertGrid_; }
    bool ShowHorzGrid() const { return showHorzGrid_; }
    int NumVertGrid() const { return numVertGrid_; }
    int NumHorzGrid() const { return numHorzGrid_; }
    bool ShowVertTicks() const { return showVertTicks_; }
    bool ShowHorzTicks() const { return showHorzTicks_; }
    int VertTickLength() const { return vertTickLength_; }
    int HorzTickLength() const { return horzTickLength_; }
    TColor GridColor() const { return gridColor_; }
    bool ShowXTitle() const { return regions_.ShowXTitle; }
    bool ShowYTitle() const { return regions_.ShowYTitle; }
    bool ShowPlotTitle() const { return regions_.ShowPlotTitle; }
    const std::string& XTitle() const { return xTitle_; }
    const std::string& YTitle() const { return yTitle_; }
    const std::string& YLabel() const { return yLabel_; }
    const std::string& PlotTitle() const { return plotTitle_; }
    const TFont& PlotTitleFont() const { return plotTitleFont_; }
    const TFont& AxisTitleFont() const { return axisTitleFont_; }
    const TFont& AxisLabelFont() const { return axisLabelFont_; }
    const TFont& MouseCoordFont() const { return mouseCoordFont_; }
    TFFTNumber FFTNuimber() const { return fftNumber_; }
    void SetFFTNuimber(TFFTNumber n) { fftNumber_ = n; }
    TSampleRate SampleRate() const { return sampleRate_; }
    void SetSampleRate(TSampleRate r) { sampleRate_ = r; }

    // Fires OnChange when assigned; the display never calls it.
    virtual void Change();
    // Property setters; each follows its change with the redraw it needs.
    virtual void SetAxisColor(TColor value);
    virtual void SetAxisStyle(TMyAxisStyle value);
    virtual void SetYAxisFormat(TMyAxisFormat value);
    virtual void SetXAxisFormat(TMyAxisFormat value);
    virtual void SetYLabelFormat(TStringFloatFormat value);
    virtual void SetXLabelFormat(TStringFloatFormat value);
    virtual void SetYLabelPrecision(int value);
    virtual void SetXLabelPrecision(int value);
    virtual void SetYLabelDigits(int value);
    virtual void SetXLabelDigits(int value);
    virtual void SetShowXLabel(bool value);
    virtual void SetShowYLabel(bool value);
    virtual void SetShowCoordinates(bool value);
    virtual void SetYAutoScale(bool value);
    virtual void SetXAutoScale(bool value);
    virtual void SetYLabelScale(double value);
    virtual void SetYMax(double value);
    virtual void SetYMin(double value);
    virtual void SetXMax(double value);
    virtual void SetXMin(double value);
    virtual void SetPointSize(int value);
    virtual void SetShowHorzGrid(bool value);
    virtual void SetShowVertGrid(bool value);
    virtual void SetShowHorzTicks(bool value);
    virtual void SetShowVertTicks(bool value);
    virtual void SetHorzTickLength(int value);
    virtual void SetVertTickLength(int value);
    virtual void SetNumHorzGrid(int value);
    virtual void SetNumVertGrid(int value);
    virtual void SetGridColor(TColor value);
    virtual void SetAutoRedraw(bool value);
    virtual void SetShowXTitle(bool value);
    virtual void SetShowYTitle(bool value);
    virtual void SetShowPlotTitle(bool value);
    virtual void SetXTitle(const std::string& value);
    virtual void SetYTitle(const std::string& value);
    virtual void SetYLabel(const std::string& value);
    virtual void SetPlotTitle(const std::string& value);
    virtual void SetPlotTitleFont(const TFont& value);
    virtual void SetAxisTitleFont(const TFont& value);
    virtual void SetAxisLabelFont(const TFont& value);
    virtual void SetMouseCoordFont(const TFont& value);
    // The display's own mouse handling: each first fires the paint box's
    // event, then (while MouseControl) drag pans, Alt-drag zooms, Ctrl-drag
    // draws a zoom box and a double-click returns to the data range.
    virtual void MouseMove1(TShiftState shift, int x, int y);
    virtual void MouseDown1(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp1(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DblClick1();
    // The control's mouse input goes to the operations above.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;

    // ---- plots ---------------------------------------------------------
    // Adds a plot or replaces the points of the plot with that number (its
    // colour and style stay); true when the number existed.
    bool FFTDraw(const double* x, const double* y, int count, int plotNumber, TColor color,
                 TMyPlotStyle style);
    // x = 0, 1, ..., count - 1.
    bool FFTDraw(const double* y, int count, int plotNumber, TColor color, TMyPlotStyle style);
    // x spread evenly from xFirst to xLast.
    bool FFTDraw(const double* y, int count, double xFirst, double xLast, int plotNumber, TColor color,
                 TMyPlotStyle style);
    bool RemovePlot(int plotNumber);
    bool SetPlotColor(TColor color, int plotNumber);
    bool SetPlotStyle(TMyPlotStyle style, int plotNumber);
    bool GetPlotStyle(TMyPlotStyle& style, int plotNumber) const;
    bool GetPlotColor(TColor& color, int plotNumber) const;
    bool GetPlotNumPoints(int& count, int plotNumber) const;
    // out must have room for the plot's points.
    bool GetPlotX(double* out, int plotNumber) const;
    bool GetPlotY(double* out, int plotNumber) const;
    const TPlotList& Plots() const { return *plots_; }
    void AssignPlot(const CurveDisplay& other);
    void AssignPlotData(const CurveDisplay& other);
    void AppendPlotData(const CurveDisplay& other);
    void AssignPlotProperties(const CurveDisplay& other);

    // ---- scales and transforms ----------------------------------------
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin();
    void CalculateLogMaxMin();
    double ScreenX(double x) const;
    double ScreenY(double y) const;
    double FFTScreenX(double x) const { return ScreenX(x); }
    double FFTScreenY(double y) const { return ScreenY(y); }
    // From control pixels to data units.
    double PlotX(int px) const;
    double PlotY(int py) const;
    int GetPlotWidth();
    int GetPlotHeight();
    bool SetPlotWidth(int width);
    void SetLineSize(int size);
    int LineSize() const { return lineSize_; }

    // ---- redrawing -----------------------------------------------------
    void DrawPlotsAndLabelsNoUpdate();
    void DrawPlotsAndLabels();
    void Redraw();
    void RedrawScreen();
    // Paints the decorations onto the curve page, then copies page to the
    // control.
    void UpdatePaintPage(TPaintPage& page);
    void UpdateCurvePage();
    void ClearPlot();
    // The control's paint event: lays the pages out after a size change,
    // redraws them onto the control, then fires OnPaint.
    void Paint() override;
    void ResizePaintPage();
    void DrawAllPlots();
    void DrawGrid();
    void DrawTicks();
    void DrawAxis();
    void DrawOnePlot(const TPlotListMember& plot);
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    void DrawTitles();
    void DrawMouseCoord();

    // ---- markers, captions, shaded area, text and line -----------------
    void DrawBlock(double y, double x, TColor color, int n, bool hidden, int kind);
    void SetBlockParameter(int n, double frequency, double gain, double q, double type);
    void SetBlockPosition(double screenX, double screenY, int n);
    TPoint GetBlockPos(int n) const;
    void BlockPaint();
    void ShowParam(int type, double y, double x, float frequency, double q, TColor color);
    void DrawParam(int type, double gain, double x, float frequency, double q, TColor color);
    void DrawCurveFill(int type, const double* values, int count);
    void CuveDisplayPaint();
    void SetCurveDisplay(bool on) { curveDisplay_ = on; }
    void DrawTextA(int x, int y, int size, TColor color, const std::string& fontName,
                   const std::string& text);
    void TextPaint();
    void DrawLine(double x, TColor color, bool mark);
    void LinePaint();

    const MarkerSlot& Block(int n) const;
    const SelectedCaption& Caption() const { return caption_; }
    bool CurveDisplayOn() const { return curveDisplay_; }
    bool ParameterDisplay() const { return parameterDisplay_; }
    const FreeText& FreeTextShown() const { return text_; }
    const MarkLine& Line() const { return line_; }
    const CurveValues& FillCurve() const { return fillCurve_; }

    TPaintPage& Page(PageRole role) { return *pages_[static_cast<std::size_t>(role)]; }
    TPaintPage& CurvePage() { return Page(PageRole::Curve); }

protected:
    // Which caption lines ShowParam and the curve-page repaint draw.
    virtual std::vector<CaptionLine> ShowParamLines(int type) const = 0;
    virtual std::vector<CaptionLine> CurvePaintLines(int type) const = 0;
    bool parameterDisplay_ = false;

private:
    void MakePagesAndFonts();
    void AutoScale();
    void ApplyFont(TFont& target, const TFont& value, std::initializer_list<PageRole> pages);
    LayoutMeasures Measure();
    void CopyToControl(TPaintPage& page);
    // True when a window between the display and its form is hidden: what
    // is drawn then cannot be seen, and the paint after the window shows
    // draws the whole display again.
    bool HiddenInForm() const;
    // Frees the curve page's pixels and the control's surface of a display
    // that cannot be seen; both come back at its next paint.
    void ReleasePixels();
    // False (with the pixels released) while the display cannot be seen:
    // what would be drawn is drawn by the next paint instead.
    bool CanDraw();
    std::string XLabelText(double v) const;
    std::string YLabelText(double v) const;
    void DrawMarker(int n, int kind, int penWidth);
    void DrawCaption(const std::vector<CaptionLine>& lines, double y, double x, float frequency, double q,
                     TColor color);
    void DrawFill(const double* values, int count);
    void DrawMarkLine(TPenStyle style);
    void DrawZoomBox();
    std::vector<double> HorizontalGridValues() const;
    std::vector<std::pair<int, bool>> VerticalGridPositions() const; // pixel x, decade line

    int lineSize_ = 0;
    std::unique_ptr<TPlotList> plots_;
    int paintedWidth_ = 0;
    int paintedHeight_ = 0;
    bool autoRedraw_ = true;
    TColor axisColor_ = 35840;
    TMyAxisStyle axisStyle_ = CenteredBox;
    AxisScales scales_;
    RegionFlags regions_;
    bool mouseControl_ = true;
    int pointSize_ = 2;
    double yLabelScale_ = 1.0;
    double mouseX_ = 0.0;
    double mouseY_ = 0.0;
    int xLabelPrecision_ = 4;
    int yLabelPrecision_ = 5;
    int xLabelDigits_ = 4;
    int yLabelDigits_ = 4;
    TStringFloatFormat yLabelFormat_ = sffGeneral;
    TStringFloatFormat xLabelFormat_ = sffGeneral;
    bool showVertGrid_ = true;
    bool showHorzGrid_ = true;
    int numVertGrid_ = 10;
    int numHorzGrid_ = 11;
    bool showVertTicks_ = true;
    bool showHorzTicks_ = true;
    int vertTickLength_ = 0;
    int horzTickLength_ = 0;
    TColor gridColor_ = 18432;
    std::string xTitle_ = "Frequency ";
    std::string yTitle_ = "dB";
    std::string yLabel_ = "dB";
    std::string plotTitle_ = "Frequency Response";
    TFont plotTitleFont_;
    TFont axisTitleFont_;
    TFont axisLabelFont_;
    TFont mouseCoordFont_;
    TFFTNumber fftNumber_ = n4096;
    TSampleRate sampleRate_ = n48000;

    // Mouse state.
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
    int dragStartX_ = 0;
    int dragStartY_ = 0;
    bool panning_ = false;
    bool zooming_ = false;
    bool boxZooming_ = false;
    std::optional<TRect> zoomBox_;

    std::array<std::unique_ptr<TPaintPage>, PageCount> pages_;
    std::array<MarkerSlot, MarkerCount> blocks_{};
    SelectedCaption caption_;
    CurveValues fillCurve_{};
    ShadedAreaShape fillShape_; // the last shape, its storage kept
    ShadedArea shadedArea_;
    bool curveDisplay_ = false;
    MarkLine line_;
    FreeText text_;
};

} // namespace korvan::curves
