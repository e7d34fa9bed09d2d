// Markers, captions, the shaded band area, the free text and the line,
// on both displays, and what the curve calculator hands over to them.

#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/ui/curves/CallLog.h"
#include "tests/ui/curves/EditorDisplay.h"
#include "ui/curves/LMyFFTDrawPhase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace korvan::curves;
using namespace korvan::curves::testing;

namespace {

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(Captions, BoostBelowCutAboveWithTheirFormats) {
    EditorDisplay<> d;
    CallLog curve(&d.display.CurvePage().Canvas());
    const double x = GridPosition(1000.0);
    d.display.DrawParam(0, 6.0, x, 1000.0f, 1.414, clYellow);
    const int sx = static_cast<int>(d.display.ScreenX(x));
    const int sy = static_cast<int>(d.display.ScreenY(6.0));
    ASSERT_EQ(curve.Texts(), (std::vector<std::string>{"Q:1.41", "1.00KHz", " 6.0dB"}));
    const std::vector<int> tops = {sy + 20, sy + 33, sy + 46};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(curve.calls[curve.calls.size() - 3 + i].Args, (std::vector<int>{sx - 20, tops[i]}));
        EXPECT_EQ(curve.calls[curve.calls.size() - 3 + i].FontColor, clYellow);
    }
    curve.Clear();
    d.display.DrawParam(0, -6.0, x, 999.9f, 0.4, clYellow);
    const int cutY = static_cast<int>(d.display.ScreenY(-6.0));
    EXPECT_EQ(curve.Texts(), (std::vector<std::string>{"Q:0.40", "999.9Hz", "-6.0dB"}));
    EXPECT_EQ(curve.calls.back().Args, (std::vector<int>{sx - 20, cutY - 43}));
    // Frequency alone (HP -6dB) stands where the gain line would.
    curve.Clear();
    d.display.DrawParam(5, 0.0, x, 50.0f, 0.4, clYellow);
    EXPECT_EQ(curve.Texts(), (std::vector<std::string>{"50.0Hz"}));
    EXPECT_EQ(curve.calls.back().Args[1], static_cast<int>(d.display.ScreenY(0.0)) - 43);
    EXPECT_EQ(d.display.Caption().Type, 5);
    EXPECT_EQ(d.display.Caption().Frequency, 50.0f);
}

TEST(Captions, PerMarkerCaptionsFollowEachBandsType) {
    EditorDisplay<> d;
    Plot plot(&d.display);
    struct Band {
        int Kind;
        double Gain, Frequency, Q;
    };
    const Band bands[] = {
        {1, 3.0, 100.0, 2.0},   // the selected band: no second caption
        {1, 4.0, 200.0, 1.5},   // peak: Q, frequency, gain
        {4, 0.0, 300.0, 0.71},  // HP -12dB: Q and frequency
        {9, 0.0, 400.0, 0.55},  // HP -6dB: frequency alone
        {5, 0.0, 5000.0, 0.66}, // LP -12dB: Q and frequency
        {8, 0.0, 6000.0, 0.44}, // LP -6dB: frequency alone
    };
    for (int n = 0; n < 6; ++n) {
        const Band& b = bands[n];
        SetSection(*plot.Sections[static_cast<std::size_t>(n)], b.Gain, b.Frequency, b.Q, b.Kind);
        plot.DrawSectionMarker(n, static_cast<float>(b.Gain), 1);
    }
    SetSection(*plot.Sections[31], 0.0, 50.0, 0.77, 15);
    plot.DrawSectionMarker(31, 0.0f, 3); // a corner box never has a caption
    d.display.DrawParam(0, 3.0, GridPosition(100.0), 100.0f, 2.0, clYellow);
    CallLog curve(&d.display.CurvePage().Canvas());

    d.display.BlockPaint();
    EXPECT_FALSE(Has(curve.Texts(), "200.0Hz")); // switched off by default
    d.display.SetParameterDisplay(true);
    curve.Clear();
    d.display.BlockPaint();
    const auto texts = curve.Texts();
    EXPECT_FALSE(Has(texts, "100.0Hz"));
    EXPECT_FALSE(Has(texts, "Q:2.00"));
    EXPECT_TRUE(Has(texts, "Q:1.50") && Has(texts, "200.0Hz") && Has(texts, " 4.0dB"));
    EXPECT_TRUE(Has(texts, "Q:0.71") && Has(texts, "300.0Hz"));
    EXPECT_TRUE(Has(texts, "400.0Hz"));
    EXPECT_FALSE(Has(texts, "Q:0.55"));
    EXPECT_TRUE(Has(texts, "Q:0.66") && Has(texts, "5.00KHz"));
    EXPECT_TRUE(Has(texts, "6.00KHz"));
    EXPECT_FALSE(Has(texts, "Q:0.44"));
    EXPECT_FALSE(Has(texts, "50.0Hz") || Has(texts, "Q:0.77"));
    EXPECT_TRUE(Has(texts, "HPF"));
    // Captions beside markers are white.
    for (const auto& c : curve.calls) {
        if (c.Op == "TextOut" && c.Text == "400.0Hz") {
            EXPECT_EQ(c.FontColor, clWhite);
        }
    }
}

TEST(Markers, DrawBlockStoresPlacesAndDrawsByKind) {
    EditorDisplay<> d;
    CallLog curve(&d.display.CurvePage().Canvas());
    const double x = GridPosition(1000.0);
    d.display.DrawBlock(6.0, x, clAqua, 7, false, 1);
    const MarkerSlot& slot = d.display.Block(7);
    EXPECT_EQ(slot.X, x);
    EXPECT_EQ(slot.Y, 6.0);
    EXPECT_EQ(slot.Color, clAqua);
    EXPECT_EQ(slot.Kind, 1);
    const int sx = static_cast<int>(d.display.ScreenX(x));
    const int sy = static_cast<int>(d.display.ScreenY(6.0));
    EXPECT_EQ(d.display.GetBlockPos(7), (TPoint{sx, sy}));
    ASSERT_EQ(curve.Count("Ellipse"), 1);
    const auto* number = curve.FindText("8");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->Args, (std::vector<int>{sx - 3, sy - 23}));
    EXPECT_EQ(number->FontColor, clWhite);
    curve.Clear();
    d.display.DrawBlock(0.0, x, clRed, 8, false, 2);
    EXPECT_EQ(curve.Count("Rectangle"), 1);
    ASSERT_NE(curve.FindText("LPF"), nullptr);
    EXPECT_EQ(curve.FindText("LPF")->Args,
              (std::vector<int>{sx - 8, static_cast<int>(d.display.ScreenY(0)) - 20}));
    // Hidden markers are not painted again; the others are, with a wide pen.
    d.display.DrawBlock(0.0, x, clRed, 9, true, 0);
    curve.Clear();
    d.display.BlockPaint();
    EXPECT_EQ(curve.Count("Ellipse"), 1);
    EXPECT_EQ(curve.Count("Rectangle"), 1); // slot 8; the slots never set lie off the page
    EXPECT_EQ(d.display.CurvePage().Canvas().Pen().Width(), 1);
    // After a new layout the positions follow the stored values.
    d.display.SetBounds(0, 0, 600, 200);
    d.display.Paint();
    EXPECT_EQ(d.display.GetBlockPos(7).X, static_cast<int>(d.display.ScreenX(x)));
}

TEST(ShadedArea, ClosingLinesFollowTheRememberedType) {
    // A flat curve on the 0 dB line over the first 200 points: a high
    // shelf closes up to the top at the far right, so the area between
    // the line and that corner is shaded; a peak closes along the 0 dB
    // line and shades nothing.
    auto shaded = [](int captionType) {
        EditorDisplay<> d(420, 230);
        d.display.SetXYMinMax(0, 4096, -18, 18);
        d.display.DrawParam(captionType, 6.0, 100, 1000.0f, 1.0, clYellow);
        d.display.CurvePage().Clear(clBlack);
        const std::vector<double> zero(200, 0.0);
        d.display.DrawCurveFill(0, zero.data(), 200);
        const int w = d.display.GetPlotWidth();
        const int y0 = static_cast<int>(d.display.ScreenY(0.0));
        return korvan::gfx::FromQRgb(d.display.CurvePage().Bitmap().Image().pixel(w * 3 / 4, y0 - 5));
    };
    EXPECT_NE(shaded(2), clBlack);
    EXPECT_EQ(shaded(0), clBlack);
}

TEST(ShadedArea, RepaintedWithItsCaptionWhileSwitchedOn) {
    EditorDisplay<> d;
    Plot plot(&d.display);
    SetSection(*plot.Sections[2], 9.0, 1000.0, 1.0, 1);
    CallLog curve(&d.display.CurvePage().Canvas());
    plot.ShowSectionParam(0, 2, 9.0f, 1.0f, true);
    EXPECT_TRUE(d.display.CurveDisplayOn());
    EXPECT_EQ(d.display.FillCurve(), plot.Sections[2]->Response);
    EXPECT_EQ(d.display.Caption().Color, clYellow);
    const int row = static_cast<int>(d.display.ScreenY(4.5));
    const int column = static_cast<int>(d.display.ScreenX(GridPosition(1000.0)));
    const auto shade = d.display.CurvePage().Bitmap().Image().pixel(column, row) & 0xFFu;
    EXPECT_GT(shade, 0u);
    // Each update lays the translucent area on again, so it grows denser.
    curve.Clear();
    d.display.UpdateCurvePage();
    EXPECT_TRUE(Has(curve.Texts(), " 9.0dB"));
    EXPECT_GT(d.display.CurvePage().Bitmap().Image().pixel(column, row) & 0xFFu, shade);
    plot.ShowSectionParam(0, 2, 9.0f, 1.0f, false);
    EXPECT_FALSE(d.display.CurveDisplayOn());
    curve.Clear();
    d.display.UpdateCurvePage();
    EXPECT_FALSE(Has(curve.Texts(), " 9.0dB"));
}

TEST(TextAndLine, RememberedAndRepainted) {
    EditorDisplay<> d;
    CallLog curve(&d.display.CurvePage().Canvas());
    d.display.DrawTextA(356, 63, 60, clBtnFace, "Times New Roman", "BYPASS");
    EXPECT_EQ(d.display.FreeTextShown().Text, "BYPASS");
    EXPECT_EQ(curve.Count("TextOut"), 1);
    curve.Clear();
    d.display.UpdateCurvePage();
    ASSERT_NE(curve.FindText("BYPASS"), nullptr);
    EXPECT_EQ(curve.FindText("BYPASS")->Args, (std::vector<int>{356, 63}));
    EXPECT_EQ(curve.FindText("BYPASS")->FontColor, clBtnFace);
    d.display.DrawTextA(0, 0, 60, clBtnFace, "Times New Roman", "");
    curve.Clear();
    d.display.UpdateCurvePage();
    EXPECT_EQ(curve.FindText("BYPASS"), nullptr);

    const double x = GridPosition(2000.0);
    curve.Clear();
    d.display.DrawLine(x, clBlue, true);
    const int sx = static_cast<int>(d.display.ScreenX(x));
    EXPECT_TRUE(d.display.Line().Visible);
    EXPECT_EQ(d.display.Line().ScreenX, sx);
    bool line = false;
    for (const auto& c : curve.calls) {
        line = line ||
               (c.Op == "LineTo" && c.PenColor == clRed && c.Args == std::vector<int>{sx, 0, sx, 255 - 10});
    }
    EXPECT_TRUE(line);
    const int sy = static_cast<int>(d.display.ScreenY(-3.0));
    bool mark = false;
    for (const auto& c : curve.calls) {
        mark = mark || (c.Op == "Rectangle" && c.Args == std::vector<int>{sx - 4, sy - 4, sx + 4, sy + 4});
    }
    EXPECT_TRUE(mark);
    EXPECT_EQ(d.display.CurvePage().Canvas().Pen().Style(), psSolid);
}

TEST(TwinDisplay, ChoosesItsOwnCaptionLines) {
    EditorDisplay<LMyFFTDrawPhase> twin;
    EditorDisplay<> main;
    CallLog twinLog(&twin.display.CurvePage().Canvas());
    CallLog mainLog(&main.display.CurvePage().Canvas());
    const double x = GridPosition(3000.0);
    twin.display.DrawParam(3, 0.0, x, 3000.0f, 0.7, clYellow);
    main.display.DrawParam(3, 0.0, x, 3000.0f, 0.7, clYellow);
    EXPECT_EQ(twinLog.Texts(), (std::vector<std::string>{"Q:0.70", "3.00KHz"}));
    EXPECT_EQ(mainLog.Texts(), (std::vector<std::string>{"3.00KHz"}));

    // Type 7: nothing at once; the next curve-page update draws Q and
    // frequency while the shaded area is on.
    twinLog.Clear();
    twin.display.DrawParam(7, 0.0, x, 3000.0f, 0.7, clYellow);
    EXPECT_TRUE(twinLog.Texts().empty());
    EXPECT_EQ(twin.display.CurvePage().Canvas().Font().Color(), clYellow);
    twin.display.SetCurveDisplay(true);
    twinLog.Clear();
    twin.display.UpdateCurvePage();
    EXPECT_TRUE(Has(twinLog.Texts(), "Q:0.70") && Has(twinLog.Texts(), "3.00KHz"));

    // Type 10: frequency alone, at once and on every repaint.
    twinLog.Clear();
    twin.display.DrawParam(10, 0.0, x, 3000.0f, 0.7, clYellow);
    EXPECT_EQ(twinLog.Texts(), (std::vector<std::string>{"3.00KHz"}));
    twinLog.Clear();
    twin.display.UpdateCurvePage();
    EXPECT_FALSE(Has(twinLog.Texts(), "Q:0.70"));
    EXPECT_TRUE(Has(twinLog.Texts(), "3.00KHz"));

    // Its markers never carry captions.
    twin.display.SetCurveDisplay(false);
    twin.display.DrawBlock(4.0, GridPosition(500.0), clRed, 0, false, 1);
    twin.display.SetBlockParameter(0, 500.0, 4.0, 1.0, 1);
    twinLog.Clear();
    twin.display.BlockPaint();
    EXPECT_FALSE(Has(twinLog.Texts(), "500.0Hz"));
    EXPECT_FALSE(twin.display.ParameterDisplay());
}

TEST(PlotHandOver, MarkersCurvesAndTheSelectedBand) {
    EditorDisplay<> d;
    Plot plot(&d.display);
    SetSection(*plot.Sections[5], 4.5, 2500.0, 3.0, 1);
    plot.DrawSectionMarker(5, 4.5f, 1);
    const MarkerSlot& m = d.display.Block(5);
    EXPECT_DOUBLE_EQ(m.X, 4096 * std::log10(2500.0) / std::log10(48000.0));
    EXPECT_EQ(m.Y, 4.5);
    EXPECT_EQ(m.Color, static_cast<TColor>(MarkerColors[5]));
    EXPECT_EQ(m.Frequency, 2500.0);
    EXPECT_EQ(m.Gain, 4.5);
    EXPECT_EQ(m.Q, 3.0);
    EXPECT_EQ(m.Type, 1.0);
    EXPECT_EQ(m.Kind, 1);

    plot.DrawTotalCurve(7);
    TColor color = 0;
    ASSERT_TRUE(d.display.GetPlotColor(color, 33));
    EXPECT_EQ(color, static_cast<TColor>(TotalCurveColors[7]));
    std::vector<double> y(CurvePointCount);
    ASSERT_TRUE(d.display.GetPlotY(y.data(), 33));
    EXPECT_TRUE(std::equal(y.begin(), y.end(), plot.Sections[33]->Response.begin()));

    plot.DrawSectionCurve(40, clFuchsia);
    ASSERT_TRUE(d.display.GetPlotColor(color, 40));
    EXPECT_EQ(color, clFuchsia);
    plot.RemoveCurve(40);
    EXPECT_FALSE(d.display.GetPlotColor(color, 40));

    // A negative band number shows section 0.
    SetSection(*plot.Sections[0], -3.0, 700.0, 2.0, 1);
    plot.ShowSectionParam(0, -1, -3.0f, 2.0f, true);
    EXPECT_EQ(d.display.Caption().Frequency, 700.0f);
    EXPECT_EQ(d.display.Caption().Gain, -3.0);
    EXPECT_DOUBLE_EQ(d.display.Caption().X, GridPosition(700.0));
    EXPECT_EQ(d.display.FillCurve(), plot.Sections[0]->Response);
    EXPECT_TRUE(d.display.CurveDisplayOn());
}
