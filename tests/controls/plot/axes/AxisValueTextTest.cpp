// Axis value texts: every label format, the failure texts, the plot's
// customising event, the auto-adjusting minimum length and the one-line
// texts of data cursors and legends.

#include "controls/plot/axes/AxisValueText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace korvan::plot;
using korvan::testing::AxisFixture;

TEST(AxisValueText, FormatTable) {
    struct Case {
        TiPlotTextFormat style;
        const char* pattern;
        TiPrecisionStyle precisionStyle;
        int precision;
        double value, span;
        TiPlotScaleType scale;
        const char* text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {iptfValue, "", ipsSignificantDigits, 2, -100, 120, ipstLinear, "-100"},
        {iptfValue, "", ipsSignificantDigits, 3, 2.5, 1, ipstLinear, "2.50"},
        {iptfValue, "", ipsSignificantDigits, 3, 2.5, 10, ipstLinear, "2.5"},
        {iptfValue, "", ipsFixedDecimalPoints, 3, 2.5, 1000, ipstLinear, "2.500"},
        {iptfValue, "", ipsSignificantDigits, 3, 1, 999, ipstLog10, "1.00"},
        {iptfValue, "", ipsSignificantDigits, 3, 10, 999, ipstLog10, "10.0"},
        {iptfValue, "", ipsSignificantDigits, 3, 1000, 999, ipstLog10, "1000"},
        {iptfValue, "", ipsSignificantDigits, 3, 0, 999, ipstLog10, "Unknown"},
        {iptfExponent, "", ipsSignificantDigits, 3, 1234.5, 1, ipstLinear, "1.23E+003"},
        {iptfExponent, "", ipsFixedDecimalPoints, 2, 1234.5, 1, ipstLinear, "1.23E+003"},
        {iptfPrefix, "", ipsSignificantDigits, 3, 1500, 1, ipstLinear, "1.50K"},
        {iptfPrefix, "", ipsSignificantDigits, 3, 0.00015, 1, ipstLinear, "0.150m"},
        {iptfPrefix, "", ipsSignificantDigits, 3, 1e-14, 1, ipstLinear, "0.00000"},
        {iptfPrefix, "", ipsSignificantDigits, 3, 2e6, 1, ipstLinear, "2.00M"},
        {iptfPrefix, "", ipsSignificantDigits, 3, 5e30, 1, ipstLinear, "Unknown"},
        {iptfDateTime, "Jhh:nn", ipsSignificantDigits, 3, 45000.5, 1, ipstLinear, "45000 12:00"},
        {iptfDateTime, "hh:nn:ss", ipsSignificantDigits, 3, 0.75, 1, ipstLinear, "18:00:00"},
        {iptfDateTime, "hh:nn", ipsSignificantDigits, 3, 1e300, 1, ipstLinear, "Error"},
        {iptfDateTime, "Jhh:nn", ipsSignificantDigits, 3, inf, 1, ipstLinear, "Error"},
        {iptfPrice32nds, "", ipsSignificantDigits, 3, 10.5, 1, ipstLinear, "10.160"},
        {iptfPrice32nds, "", ipsSignificantDigits, 3, 3.25, 1, ipstLinear, "3.080"},
        {iptfThousands, "", ipsSignificantDigits, 3, 1234567, 1e6, ipstLinear, "1,234,567"},
        {iptfThousands, "", ipsFixedDecimalPoints, 2, 1234.5, 1e6, ipstLinear, "1,234.50"},
        {TiPlotTextFormat(7), "", ipsSignificantDigits, 3, 1, 1, ipstLinear, "Unknown"},
    };
    for (const Case& c : cases) {
        std::string text;
        FormatValueText({c.style, c.pattern, c.precisionStyle, c.precision}, c.value, c.span, c.scale, text);
        EXPECT_EQ(text, c.text) << c.style << " " << c.value;
    }
}

TEST(AxisValueText, CursorTextsShowOneLine) {
    EXPECT_EQ(JoinTextLines("a\r\nb\rc\nd"), "a b c\nd");
}

class AxisTextTest : public ::testing::Test, public AxisFixture {};

TEST_F(AxisTextTest, PlotMayCustomiseLabelsAndLogZeroSkipsIt) {
    auto axis = MakeAxis();
    int asked = 0;
    host.customize = [&](TiPlotAxis* a, std::string& text, double value) {
        ++asked;
        if (value == 1)
            text = "one";
        if (value == 2)
            a->SetCustomizeLabelEventText("two");
        if (value == 3)
            text = "Line\r\nbreak";
    };
    EXPECT_EQ(axis->GetLabelText(1), "one");
    EXPECT_EQ(axis->GetLabelText(2), "two");
    EXPECT_EQ(axis->GetLabelText(3), "Line\r\nbreak");
    EXPECT_EQ(axis->GetCursorText(3), "Line break");
    EXPECT_EQ(axis->GetLegendText(3), "Line break");
    axis->SetScaleType(ipstLog10);
    asked = 0;
    EXPECT_EQ(axis->GetLabelText(0), "Unknown");
    EXPECT_EQ(asked, 0);
}

TEST_F(AxisTextTest, CursorAndLegendUseTheirOwnFormatsWhenAsked) {
    auto axis = MakeAxis();
    axis->SetMinSpan(0, 10);
    axis->SetLabelsPrecision(3);
    axis->SetCursorUseDefaultFormat(false);
    axis->SetCursorFormatStyle(iptfPrefix);
    axis->SetLegendUseDefaultFormat(false);
    axis->SetLegendPrecisionStyle(ipsFixedDecimalPoints);
    EXPECT_EQ(axis->GetLabelText(1500), "1500.0");
    EXPECT_EQ(axis->GetCursorText(1500), "1.50K");
    EXPECT_EQ(axis->GetCursorValueText(1500), "1500.0");
    EXPECT_EQ(axis->GetLegendText(1500), "1500.000");
}

TEST_F(AxisTextTest, MinLengthGrowsOnlyWhileMeasuringTheWidestLabel) {
    korvan::gfx::RecordingCanvas canvas(100, 100);
    auto axis = MakeAxis();
    axis->SetLabelsMinLengthAutoAdjust(true);
    axis->SetLabelsMinLength(2);
    axis->SetMinSpan(0, 1000000);
    axis->GetLabelText(123456789);
    EXPECT_EQ(axis->LabelsMinLength(), 2);
    axis->GetMaxLabelWidth(canvas, *axis->LabelsFont());
    EXPECT_EQ(axis->LabelsMinLength(), 7); // "1000000"
}

} // namespace
