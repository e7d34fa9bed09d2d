// The response display: pages, defaults, labels, grid, plots, setters and
// their redraws, layout limits and the display's own mouse handling.

#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/ui/curves/CallLog.h"
#include "tests/ui/curves/EditorDisplay.h"
#include "ui/curves/AxisLabels.h"
#include "ui/curves/PixelMath.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace korvan::curves;
using namespace korvan::curves::testing;

namespace {

TColor PixelAt(TPaintPage& page, int x, int y) {
    return korvan::gfx::FromQRgb(page.Bitmap().Image().pixel(x, y));
}

std::vector<double> Flat(double value, int count = CurvePointCount) {
    return std::vector<double>(static_cast<std::size_t>(count), value);
}

std::vector<int> PlotIndexes(const CurveDisplay& d) {
    std::vector<int> out;
    for (const TPlotListMember* m = d.Plots().Head(); m != nullptr; m = m->Next.get()) {
        out.push_back(m->Index);
    }
    return out;
}

// Which redraws a call made, seen on the canvases of the pages and the
// control.
struct RedrawProbe {
    explicit RedrawProbe(EditorDisplay<>& d) : display(d.display) {
        curve.Watch(d.display.CurvePage().Canvas());
        xLabels.Watch(d.display.Page(PageRole::XLabel).Canvas());
        yLabels.Watch(d.display.Page(PageRole::YLabel).Canvas());
        titles.Watch(d.display.Page(PageRole::PlotTitle).Canvas());
        screen.Watch(d.screen.Canvas());
    }
    void Clear() {
        for (CallLog* log : {&curve, &xLabels, &yLabels, &titles, &screen}) {
            log->Clear();
        }
    }
    bool Plots() const { return curve.Count("FillRect") > 0; }
    bool Labels() const { return xLabels.Count("FillRect") > 0 && yLabels.Count("FillRect") > 0; }
    bool Titles() const { return titles.Count("FillRect") > 0; }
    // The curve page copied to the control.
    bool CurveShown() const {
        const TRect r = display.CurvePage().Rect();
        for (const auto& c : screen.calls) {
            if (c.Op == "StretchBlt" && c.Args[0] == r.Left && c.Args[1] == r.Top) {
                return true;
            }
        }
        return false;
    }
    std::string Summary() const {
        return std::string(Plots() ? "plots " : "") + (Labels() ? "labels " : "") +
               (CurveShown() ? "shown " : "") + (Titles() ? "titles" : "");
    }

    CurveDisplay& display;
    CallLog curve, xLabels, yLabels, titles, screen;
};

} // namespace

TEST(PaintPage, BoundsAndClear) {
    TPaintPage page;
    EXPECT_TRUE(page.Bitmap().Empty());
    page.SetBounds(10, 20, 110, 70);
    EXPECT_EQ(page.Bitmap().Width(), 100);
    EXPECT_EQ(page.Bitmap().Height(), 50);
    EXPECT_EQ(page.BitmapRect(), (TRect{0, 0, 100, 50}));
    EXPECT_EQ(page.Rect(), (TRect{10, 20, 110, 70}));
    page.Canvas().Pen().SetColor(clRed);
    page.Clear(clBlue);
    EXPECT_EQ(korvan::test::CountColour(page.Bitmap().Image(), clBlue), 100 * 50);
    EXPECT_EQ(page.Canvas().Pen().Color(), clRed);
    // A negative extent leaves no bitmap but keeps the place.
    page.SetBounds(50, 0, 40, 10);
    EXPECT_TRUE(page.Bitmap().Empty());
    EXPECT_EQ(page.Rect(), (TRect{50, 0, 40, 10}));
}

TEST(Display, NewDisplayDefaults) {
    LMyFFTDrawHpLp6dB d(nullptr);
    EXPECT_EQ(d.Width(), 500);
    EXPECT_EQ(d.Height(), 250);
    EXPECT_EQ(d.Color(), clBlack);
    EXPECT_TRUE(d.AutoRedraw());
    EXPECT_EQ(d.AxisColor(), 35840);
    EXPECT_EQ(d.GridColor(), 18432);
    EXPECT_EQ(d.AxisStyle(), CenteredBox);
    EXPECT_EQ(d.XMin(), 1030.0);
    EXPECT_EQ(d.XMax(), 4130.0);
    EXPECT_EQ(d.YMin(), -18.0);
    EXPECT_EQ(d.YMax(), 18.0);
    EXPECT_EQ(d.NumVertGrid(), 10);
    EXPECT_EQ(d.NumHorzGrid(), 11);
    EXPECT_EQ(d.XLabelPrecision(), 4);
    EXPECT_EQ(d.YLabelPrecision(), 5);
    EXPECT_EQ(d.PointSize(), 2);
    EXPECT_EQ(d.XTitle(), "Frequency ");
    EXPECT_EQ(d.YTitle(), "dB");
    EXPECT_EQ(d.YLabel(), "dB");
    EXPECT_EQ(d.PlotTitle(), "Frequency Response");
    EXPECT_FALSE(d.ShowXTitle() || d.ShowYTitle() || d.ShowPlotTitle());
    EXPECT_TRUE(d.ShowXLabel() && d.ShowYLabel() && d.ShowCoordinates());
    EXPECT_EQ(d.PlotTitleFont().Color(), clLime);
    EXPECT_EQ(d.AxisLabelFont().Color(), clYellow);
    EXPECT_EQ(d.FFTNuimber(), n4096);
    EXPECT_EQ(d.SampleRate(), n48000);
    EXPECT_FALSE(d.CurveDisplayOn());
    EXPECT_FALSE(d.ParameterDisplay());
    EXPECT_FALSE(d.Line().Visible);
    EXPECT_TRUE(d.FreeTextShown().Text.empty());
    EXPECT_EQ(d.GetPlotWidth(), 0); // no layout before the first paint
    // The first auto-scale without plots gives -1 .. 1 on both axes.
    d.FindXMaxMin();
    d.FindYMaxMin();
    EXPECT_EQ(d.XMin(), -1.0);
    EXPECT_EQ(d.XMax(), 1.0);
    EXPECT_EQ(d.YMin(), -1.0);
    EXPECT_EQ(d.YMax(), 1.0);
    // With the editor's settings the range stays.
    EditorDisplay<> e;
    const auto y = Flat(3.0);
    e.display.FFTDraw(y.data(), CurvePointCount, 33, clRed, PlotLine);
    EXPECT_EQ(e.display.XMin(), 966.0);
    EXPECT_EQ(e.display.XMax(), 3840.0);
    EXPECT_EQ(e.display.YMin(), -18.0);
    EXPECT_EQ(e.display.YMax(), 18.0);
}

TEST(Display, LevelLabelsOfBothViews) {
    EditorDisplay<> d;
    CallLog labels(&d.display.Page(PageRole::YLabel).Canvas());
    d.display.DrawYAxisLabels();
    EXPECT_EQ(labels.TextsTopDown(),
              (std::vector<std::string>{"+18dB", "+12dB", "+6dB", "0dB", "-6dB", "-12dB", "-18dB"}));
    // Right-aligned two pixels from the page's right edge.
    const int pageWidth = d.display.Page(PageRole::YLabel).Bitmap().Width();
    const auto* zero = labels.FindText("0dB");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->Args[0], pageWidth - d.display.Page(PageRole::YLabel).Canvas().TextWidth("0dB") - 2);

    labels.Clear();
    d.display.SetNumHorzGrid(7);
    d.display.SetYLabel("");
    d.display.SetYLabelScale(10);
    labels.Clear();
    d.display.DrawYAxisLabels();
    EXPECT_EQ(labels.TextsTopDown(), (std::vector<std::string>{"+180", "+90", "0", "-90", "-180"}));

    for (int grid : {0, 1}) {
        d.display.SetNumHorzGrid(grid);
        labels.Clear();
        d.display.DrawYAxisLabels();
        EXPECT_EQ(labels.TextsTopDown(), (std::vector<std::string>{"+180", "-180"})) << grid;
    }
    d.display.SetNumHorzGrid(2);
    labels.Clear();
    d.display.DrawYAxisLabels();
    EXPECT_EQ(labels.TextsTopDown(), (std::vector<std::string>{"+180", "+60", "-180"}));
}

TEST(Display, FrequencyLabelsByWidth) {
    for (int width : {799, 800, 1070, 530}) {
        EditorDisplay<> d(width, 255);
        CallLog labels(&d.display.Page(PageRole::XLabel).Canvas());
        d.display.DrawXAxisLabels();
        if (width < 800) {
            EXPECT_EQ(labels.Texts(), (std::vector<std::string>{"20Hz", "100Hz", "1KHz", "10KHz"})) << width;
        } else {
            EXPECT_EQ(labels.Texts(), (std::vector<std::string>{"20Hz", "100Hz", "1KHz", "10KHz", "20KHz",
                                                                "50Hz", "200Hz", "500Hz", "2KHz", "5KHz"}))
                << width;
        }
        // Centred on the frequency's grid line, one pixel from the top.
        const auto* khz = labels.FindText("1KHz");
        ASSERT_NE(khz, nullptr);
        const double x = d.display.ScreenX(FrequencyPosition(1000.0, n4096, n96000));
        const int w = d.display.Page(PageRole::XLabel).Canvas().TextWidth("1KHz");
        EXPECT_EQ(khz->Args[0], static_cast<int>(x - w * 0.5));
        EXPECT_EQ(khz->Args[1], 1);
    }
}

TEST(Display, GridDecadeLinesAndZeroLine) {
    EditorDisplay<> d;
    TPaintPage& curve = d.display.CurvePage();
    const int w = d.display.GetPlotWidth();
    const int h = d.display.GetPlotHeight();
    ASSERT_GT(w, 900);
    ASSERT_GT(h, 200);
    auto column = [&](double hz) {
        return static_cast<int>(d.display.ScreenX(FrequencyPosition(hz, n4096, n96000)));
    };
    const int zeroRow = static_cast<int>(d.display.ScreenY(0.0));
    EXPECT_EQ(zeroRow, h / 2);
    const int probeRow = static_cast<int>(d.display.ScreenY(7.5)); // between two grid lines
    for (double decade : {100.0, 1000.0, 10000.0}) {
        EXPECT_EQ(PixelAt(curve, column(decade), probeRow), 35840) << decade;
        EXPECT_EQ(PixelAt(curve, column(decade) + 1, probeRow), clBlack) << decade;
    }
    for (double line : {200.0, 3000.0}) {
        EXPECT_EQ(PixelAt(curve, column(line), probeRow), 18432) << line;
    }
    // The 0 dB line in the axis colour across the page; the frame around it.
    const int between = (column(1000.0) + column(2000.0)) / 2;
    EXPECT_EQ(PixelAt(curve, between, zeroRow), 35840);
    EXPECT_EQ(PixelAt(curve, between, zeroRow - 1), clBlack);
    EXPECT_EQ(PixelAt(curve, between, zeroRow + 1), clBlack);
    EXPECT_EQ(PixelAt(curve, between, 0), 35840);
    EXPECT_EQ(PixelAt(curve, between, h - 1), 35840);
    EXPECT_EQ(PixelAt(curve, 0, probeRow), 35840);
    // Horizontal grid lines in the grid colour: +6 dB is line 8 of 11.
    const int sixRow = static_cast<int>(d.display.ScreenY(6.0));
    EXPECT_EQ(PixelAt(curve, between, sixRow), 18432);
    // The control shows the page at its place.
    const TRect r = curve.Rect();
    EXPECT_EQ(korvan::gfx::FromQRgb(d.screen.Image().pixel(r.Left + between, r.Top + zeroRow)), 35840);
}

TEST(Display, PlotsReplaceKeepColourAndReportMissing) {
    EditorDisplay<> d;
    RedrawProbe probe(d);
    const auto a = Flat(3.0);
    const auto b = Flat(-6.0);
    EXPECT_FALSE(d.display.FFTDraw(a.data(), CurvePointCount, 33, clRed, PlotLine));
    // Plots and labels are drawn; the curve page waits for the update.
    EXPECT_TRUE(probe.Plots());
    EXPECT_TRUE(probe.Labels());
    EXPECT_FALSE(probe.CurveShown());
    EXPECT_TRUE(d.display.FFTDraw(b.data(), CurvePointCount, 33, clBlue, PlotLineFilledSquares));
    TColor color = 0;
    ASSERT_TRUE(d.display.GetPlotColor(color, 33));
    EXPECT_EQ(color, clRed);
    TMyPlotStyle style = PlotLineHollowSquares;
    ASSERT_TRUE(d.display.GetPlotStyle(style, 33));
    EXPECT_EQ(style, PlotLine);
    std::vector<double> y(CurvePointCount);
    ASSERT_TRUE(d.display.GetPlotY(y.data(), 33));
    EXPECT_EQ(y[100], -6.0);
    std::vector<double> x(CurvePointCount);
    ASSERT_TRUE(d.display.GetPlotX(x.data(), 33));
    EXPECT_EQ(x[100], 100.0);
    int count = 0;
    EXPECT_TRUE(d.display.GetPlotNumPoints(count, 33));
    EXPECT_EQ(count, CurvePointCount);

    probe.Clear();
    EXPECT_FALSE(d.display.RemovePlot(12));
    EXPECT_EQ(probe.Summary(), "");
    EXPECT_FALSE(d.display.GetPlotColor(color, 12));
    EXPECT_FALSE(d.display.SetPlotColor(clRed, 12));
    EXPECT_FALSE(d.display.SetPlotStyle(PlotLine, 12));
    EXPECT_TRUE(d.display.SetPlotColor(clLime, 33));
    EXPECT_TRUE(probe.CurveShown());
    EXPECT_TRUE(d.display.RemovePlot(33));
    EXPECT_TRUE(PlotIndexes(d.display).empty());

    // x spread from first to last; a single point stands at the first.
    const double one = 2.0;
    d.display.FFTDraw(&one, 1, 1000.0, 2000.0, 7, clRed, PlotLine);
    ASSERT_TRUE(d.display.GetPlotX(x.data(), 7));
    EXPECT_EQ(x[0], 1000.0);
    const double three[] = {1, 2, 3};
    d.display.FFTDraw(three, 3, 1000.0, 2000.0, 8, clRed, PlotLine);
    ASSERT_TRUE(d.display.GetPlotX(x.data(), 8));
    EXPECT_EQ(x[1], 1500.0);
    EXPECT_EQ(x[2], 2000.0);
}

TEST(Display, PlotDrawingBreaksFarOutsideAndStylesDrawSquares) {
    EditorDisplay<> d;
    // The third point lies far right of the page: no segment runs to it,
    // the next one starts there and enters the page from the right.
    const double x[] = {1500, 1600, 1e9, 1700, 1800};
    const double y[] = {-9, 0, 9, 9, 9};
    d.display.FFTDraw(x, y, 5, 1, clRed, PlotLine);
    TPaintPage& curve = d.display.CurvePage();
    const int w = d.display.GetPlotWidth();
    const int rowOf0 = static_cast<int>(d.display.ScreenY(0));
    const int rowOf9 = static_cast<int>(d.display.ScreenY(9));
    const int right = w - 3;
    EXPECT_EQ(PixelAt(curve, right, rowOf9), clRed); // from the far point back in
    EXPECT_NE(PixelAt(curve, right, rowOf0), clRed); // nothing toward it
    EXPECT_NE(PixelAt(curve, right, (rowOf0 + rowOf9) / 2), clRed);
    const int between = static_cast<int>(d.display.ScreenX(1550));
    bool drawn = false; // the first two points are joined
    for (int row = rowOf0; row <= static_cast<int>(d.display.ScreenY(-9)); ++row) {
        drawn = drawn || PixelAt(curve, between, row) == clRed;
    }
    EXPECT_TRUE(drawn);

    CallLog log(&curve.Canvas());
    d.display.SetPlotStyle(PlotLineFilledSquares, 1);
    EXPECT_EQ(log.Count("Rectangle"), 4); // every point but the far one
    log.Clear();
    d.display.SetPointSize(4);
    const int px = static_cast<int>(d.display.ScreenX(1600));
    const int py = static_cast<int>(d.display.ScreenY(0));
    bool found = false;
    for (const auto& c : log.calls) {
        found = found || (c.Op == "Rectangle" && c.Args == std::vector<int>{px - 4, py - 4, px + 4, py + 4});
    }
    EXPECT_TRUE(found);
    // Every coordinate handed to the canvas stays near the page.
    for (const auto& c : log.calls) {
        if (c.Op == "Polyline") {
            for (int v : c.Args) {
                EXPECT_LT(std::abs(v), 3 * w) << c.Op;
            }
        }
    }
}

TEST(Display, SetterFollowUps) {
    EditorDisplay<> d;
    RedrawProbe probe(d);
    struct Case {
        const char* Name;
        std::function<void()> Set;
        const char* Redraw;
    };
    CurveDisplay& s = d.display;
    const Case cases[] = {
        {"AxisStyle", [&] { s.SetAxisStyle(Box); }, "plots labels shown "},
        {"YLabelScale", [&] { s.SetYLabelScale(1); }, "plots labels shown "},
        {"NumHorzGrid", [&] { s.SetNumHorzGrid(11); }, "plots labels shown "},
        {"NumVertGrid", [&] { s.SetNumVertGrid(10); }, "plots labels shown "},
        {"YMax", [&] { s.SetYMax(18); }, "plots labels shown "},
        {"XMin", [&] { s.SetXMin(966); }, "plots labels shown "},
        {"XAutoScale", [&] { s.SetXAutoScale(false); }, "plots labels shown "},
        {"XAxisFormat", [&] { s.SetXAxisFormat(Linear); }, "plots labels shown "},
        {"YLabel", [&] { s.SetYLabel("dB"); }, "plots labels shown "},
        {"XYMinMax", [&] { s.SetXYMinMax(966, 3840, -18, 18); }, "plots labels shown "},
        {"ShowXLabel", [&] { s.SetShowXLabel(true); }, "plots labels shown titles"},
        {"ShowPlotTitle", [&] { s.SetShowPlotTitle(false); }, "plots labels shown titles"},
        {"AxisLabelFont", [&] { s.SetAxisLabelFont(s.AxisLabelFont()); }, "plots labels shown titles"},
        {"MouseCoordFont", [&] { s.SetMouseCoordFont(s.MouseCoordFont()); }, "plots labels shown "},
        {"XLabelDigits", [&] { s.SetXLabelDigits(4); }, "plots labels shown titles"},
        {"YLabelFormat", [&] { s.SetYLabelFormat(sffGeneral); }, "plots labels shown titles"},
        {"PointSize", [&] { s.SetPointSize(2); }, "plots "},
        {"ShowHorzGrid", [&] { s.SetShowHorzGrid(true); }, "plots "},
        {"ShowVertTicks", [&] { s.SetShowVertTicks(true); }, "plots "},
        {"GridColor", [&] { s.SetGridColor(18432); }, "plots "},
        {"HorzTickLength", [&] { s.SetHorzTickLength(0); }, "plots "},
        {"XTitle", [&] { s.SetXTitle("Frequency "); }, "titles"},
        {"YTitle", [&] { s.SetYTitle("dB"); }, "titles"},
        {"PlotTitle", [&] { s.SetPlotTitle("Frequency Response"); }, "titles"},
        {"AutoRedraw on", [&] { s.SetAutoRedraw(true); }, "plots labels shown titles"},
    };
    for (const Case& c : cases) {
        probe.Clear();
        c.Set();
        EXPECT_EQ(probe.Summary(), c.Redraw) << c.Name;
    }
    // The axis colour redraws the axis at once, whatever AutoRedraw says.
    s.SetAutoRedraw(false);
    for (const Case& c : cases) {
        if (std::string(c.Name) == "AutoRedraw on") {
            continue;
        }
        probe.Clear();
        c.Set();
        EXPECT_EQ(probe.Summary(), "") << c.Name << " without AutoRedraw";
    }
    probe.Clear();
    s.SetAxisColor(clRed);
    EXPECT_EQ(probe.curve.Count("FrameRect"), 1);
    EXPECT_EQ(probe.Summary(), "");
    EXPECT_EQ(PixelAt(s.CurvePage(), 10, 0), clRed);
}

TEST(Display, SetterLimits) {
    EditorDisplay<> d;
    CurveDisplay& s = d.display;
    s.SetHorzTickLength(5000);
    EXPECT_EQ(s.HorzTickLength(), 1070);
    s.SetHorzTickLength(-1);
    EXPECT_EQ(s.HorzTickLength(), 0);
    s.SetVertTickLength(5000);
    EXPECT_EQ(s.VertTickLength(), 255);
    s.SetPointSize(0);
    EXPECT_EQ(s.PointSize(), 1);
    s.SetPointSize(25);
    EXPECT_EQ(s.PointSize(), 10);
    s.SetNumHorzGrid(-3);
    EXPECT_EQ(s.NumHorzGrid(), 0);
    s.SetNumVertGrid(-1);
    EXPECT_EQ(s.NumVertGrid(), 0);
    s.SetShowXLabel(false);
    s.SetXLabelPrecision(6);
    EXPECT_FALSE(s.ShowXLabel());
    EXPECT_EQ(s.XLabelPrecision(), 6);
    s.SetShowXLabel(true);
    s.SetXLabelPrecision(4);
    EXPECT_TRUE(s.ShowXLabel());
    // An empty range is widened before anything divides by it.
    s.SetXYMinMax(1000, 1000, 5, 5);
    EXPECT_EQ(s.XMax(), 1001.0);
    EXPECT_EQ(s.YMax(), 6.0);
    s.SetLineSize(3);
    EXPECT_EQ(s.LineSize(), 3);
}

TEST(Display, ShowCoordinatesClearsTheReadOutAndRedrawsPlots) {
    EditorDisplay<> d;
    RedrawProbe probe(d);
    CallLog coord(&d.display.Page(PageRole::Coord).Canvas());
    d.display.SetShowCoordinates(true);
    EXPECT_EQ(coord.Count("FillRect"), 1);
    EXPECT_TRUE(probe.Plots());
    const TRect r = d.display.Page(PageRole::Coord).Rect();
    bool copied = false;
    for (const auto& c : probe.screen.calls) {
        copied = copied || (c.Op == "StretchBlt" && c.Args[0] == r.Left && c.Args[1] == r.Top);
    }
    EXPECT_TRUE(copied);
    // Invisible: stored, nothing drawn.
    d.display.SetVisible(false);
    probe.Clear();
    coord.Clear();
    d.display.SetShowCoordinates(false);
    EXPECT_FALSE(d.display.ShowCoordinates());
    EXPECT_EQ(coord.Count("FillRect"), 0);
    EXPECT_FALSE(probe.Plots());
}

TEST(Display, TooSmallSwitchesRegionsOffForGoodAndEnds) {
    EditorDisplay<> d;
    d.display.SetShowPlotTitle(true);
    d.display.SetShowXTitle(true);
    d.display.SetBounds(0, 0, 500, 5);
    d.display.Paint(); // must end although nothing fits below 10 pixels
    EXPECT_FALSE(d.display.ShowPlotTitle());
    EXPECT_FALSE(d.display.ShowXLabel());
    EXPECT_FALSE(d.display.ShowXTitle());
    d.display.SetBounds(0, 0, 1070, 255);
    d.display.Paint();
    EXPECT_FALSE(d.display.ShowXLabel());
    EXPECT_GT(d.display.GetPlotHeight(), 230);
    d.display.SetBounds(0, 0, 0, 0);
    d.display.Paint();
    EXPECT_FALSE(d.display.ShowYLabel());
}

TEST(Display, HiddenDisplayDrawsNoPlotsButPagesWorkWithoutAControl) {
    EditorDisplay<> d;
    CallLog curve(&d.display.CurvePage().Canvas());
    const auto y = Flat(6.0);
    d.display.SetVisible(false);
    d.display.FFTDraw(y.data(), CurvePointCount, 33, clRed, PlotLine);
    EXPECT_EQ(curve.Count("LineTo"), 0);
    d.display.SetVisible(true);
    d.display.DrawAllPlots();
    EXPECT_GT(curve.Count("LineTo"), 100);
    // No parent (as on a page not shown): the pages are drawn all the same.
    ASSERT_EQ(d.display.Parent(), nullptr);
    d.display.UpdateCurvePage();
    const int row = static_cast<int>(d.display.ScreenY(6.0));
    EXPECT_EQ(PixelAt(d.display.CurvePage(), d.display.GetPlotWidth() / 2, row), clRed);
}

TEST(Display, ValuesThatAreNoNumbersStayHarmless) {
    EditorDisplay<> d;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> y = Flat(0.0);
    y[1500] = nan;
    y[2000] = inf;
    y[2500] = -inf;
    CallLog curve(&d.display.CurvePage().Canvas());
    d.display.FFTDraw(y.data(), CurvePointCount, 33, clRed, PlotLine);
    for (const auto& c : curve.calls) {
        for (int a : c.Args) {
            ASSERT_LE(std::abs(a), PixelLimit) << c.Op;
        }
    }
    d.display.DrawBlock(0.0, nan, clRed, 3, false, 1);
    EXPECT_EQ(d.display.GetBlockPos(3).X, -PixelLimit);
    d.display.DrawBlock(inf, 2000, clRed, 4, false, 0);
    EXPECT_EQ(d.display.GetBlockPos(4).Y, -PixelLimit);
    d.display.DrawBlock(-inf, 1e300, clRed, 5, false, 0);
    EXPECT_EQ(d.display.GetBlockPos(5).X, PixelLimit);
    EXPECT_EQ(d.display.GetBlockPos(5).Y, PixelLimit);
    d.display.DrawParam(0, nan, inf, 1000.0f, nan, clYellow);
    d.display.DrawCurveFill(0, y.data(), CurvePointCount);
    d.display.SetCurveDisplay(true);
    d.display.UpdateCurvePage();
    // Slots outside 0..49 are ignored.
    d.display.DrawBlock(0, 1000, clRed, 50, false, 0);
    d.display.DrawBlock(0, 1000, clRed, -1, false, 0);
    EXPECT_EQ(d.display.GetBlockPos(50), TPoint{});
}

TEST(Display, PlotWithoutPointsAndLongFillsAreSafe) {
    EditorDisplay<> d;
    CallLog curve(&d.display.CurvePage().Canvas());
    const double none = 0.0;
    d.display.FFTDraw(&none, 0, 40, clRed, PlotLine);
    int count = -1;
    ASSERT_TRUE(d.display.GetPlotNumPoints(count, 40));
    EXPECT_EQ(count, 0);
    for (const auto& c : curve.calls) {
        EXPECT_NE(c.PenColor, clRed) << c.Op;
    }
    // The fill keeps and reads at most 4096 values.
    std::vector<double> many(CurvePointCount, 4.0);
    d.display.DrawParam(0, 4.0, 2000, 1000.0f, 1.0, clYellow);
    d.display.DrawCurveFill(0, many.data(), 10000);
    EXPECT_EQ(d.display.FillCurve()[4095], 4.0);
    d.display.DrawCurveFill(0, many.data(), -5);
    d.display.DrawCurveFill(0, nullptr, 100);
}

TEST(Display, MousePanBoxZoomAndDoubleClick) {
    EditorDisplay<> d;
    CurveDisplay& s = d.display;
    int downs = 0;
    s.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    const int w = s.GetPlotWidth();
    const int h = s.GetPlotHeight();
    s.MouseDown1(mbLeft, ssLeft, 500, 100);
    s.MouseMove1(ssLeft, 510, 110);
    s.MouseUp1(mbLeft, 0, 510, 110);
    EXPECT_EQ(downs, 1);
    EXPECT_NEAR(s.XMin(), 966 - 10.0 * 2874 / w, 1e-9);
    EXPECT_NEAR(s.XMax(), 3840 - 10.0 * 2874 / w, 1e-9);
    EXPECT_NEAR(s.YMax(), 18 + 10.0 * 36 / h, 1e-9);

    s.SetXYMinMax(966, 3840, -18, 18);
    const double x1 = s.PlotX(100);
    const double x2 = s.PlotX(300);
    const double yTop = s.PlotY(50);
    const double yBottom = s.PlotY(150);
    auto screenAt = [&](int x, int y) { return d.screen.Image().pixel(x, y) & 0xFFFFFFu; };
    const std::array<unsigned, 4> before = {screenAt(100, 50), screenAt(101, 50), screenAt(100, 51),
                                            screenAt(101, 51)};
    s.MouseDown1(mbLeft, ssCtrl | ssLeft, 100, 50);
    // The 2 x 2 box is drawn inverting on the control...
    EXPECT_NE(
        (std::array<unsigned, 4>{screenAt(100, 50), screenAt(101, 50), screenAt(100, 51), screenAt(101, 51)}),
        before);
    s.MouseMove1(ssCtrl | ssLeft, 300, 150);
    // ...and erased when the box grows (its inner corner is off the new box).
    EXPECT_EQ(screenAt(101, 51), before[3]);
    EXPECT_NEAR(s.MouseX(), x2, 1e-9);
    EXPECT_NEAR(s.MouseY(), yBottom, 1e-9);
    s.MouseUp1(mbLeft, ssCtrl, 300, 150);
    EXPECT_NEAR(s.XMin(), x1, 1e-9);
    EXPECT_NEAR(s.XMax(), x2, 1e-9);
    EXPECT_NEAR(s.YMin(), yBottom, 1e-9);
    EXPECT_NEAR(s.YMax(), yTop, 1e-9);

    // Alt-drag zooms both ranges symmetrically.
    s.SetXYMinMax(966, 3840, -18, 18);
    s.MouseDown1(mbLeft, ssAlt | ssLeft, 500, 100);
    s.MouseMove1(ssAlt | ssLeft, 520, 100);
    s.MouseUp1(mbLeft, 0, 520, 100);
    EXPECT_NEAR(s.XMin(), 966 + 20.0 * 2874 / w, 1e-9);
    EXPECT_NEAR(s.XMax(), 3840 - 20.0 * 2874 / w, 1e-9);

    // Double-click returns to the data range while auto-scaling is on.
    const double y[] = {-3, 5};
    s.FFTDraw(y, 2, 1, clRed, PlotLine);
    s.SetXAutoScale(true);
    s.SetYAutoScale(true);
    s.SetXYMinMax(10, 20, 10, 20);
    s.DblClick1();
    EXPECT_EQ(s.XMin(), 0.0);
    EXPECT_EQ(s.XMax(), 1.0);
    EXPECT_EQ(s.YMin(), -3.0);
    EXPECT_EQ(s.YMax(), 5.0);

    // Without MouseControl only the events fire.
    s.SetMouseControl(false);
    s.MouseDown1(mbLeft, ssLeft, 500, 100);
    s.MouseMove1(ssLeft, 600, 100);
    EXPECT_EQ(downs, 4);
    EXPECT_EQ(s.XMin(), 0.0);
}

TEST(Display, AssignAndAppendPlots) {
    EditorDisplay<> a;
    for (int i : {1, 2, 3}) {
        const auto y = Flat(i);
        a.display.FFTDraw(y.data(), CurvePointCount, i, clRed, PlotLine);
    }
    a.display.SetXTitle("Hz");
    a.display.SetSampleRate(n192000);
    EXPECT_EQ(PlotIndexes(a.display), (std::vector<int>{3, 2, 1}));

    LMyFFTDrawHpLp6dB copy(a.display);
    EXPECT_EQ(PlotIndexes(copy), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(copy.XTitle(), "Hz");
    EXPECT_EQ(copy.SampleRate(), n48000); // not copied
    EXPECT_EQ(copy.XMin(), 966.0);

    EditorDisplay<> b;
    const auto y = Flat(9);
    b.display.FFTDraw(y.data(), CurvePointCount, 2, clBlue, PlotLine);
    b.display.FFTDraw(y.data(), CurvePointCount, 7, clBlue, PlotLine);
    b.display.AppendPlotData(a.display);
    EXPECT_EQ(PlotIndexes(b.display), (std::vector<int>{1, 3, 7, 2}));
    std::vector<double> values(CurvePointCount);
    ASSERT_TRUE(b.display.GetPlotY(values.data(), 2));
    EXPECT_EQ(values[0], 2.0);
    TColor color = 0;
    ASSERT_TRUE(b.display.GetPlotColor(color, 2));
    EXPECT_EQ(color, clBlue);
    b.display.AssignPlotData(a.display);
    EXPECT_EQ(PlotIndexes(b.display), (std::vector<int>{1, 2, 3}));
    b.display.AssignPlot(b.display); // from itself: the list turns over
    EXPECT_EQ(PlotIndexes(b.display), (std::vector<int>{3, 2, 1}));
}
