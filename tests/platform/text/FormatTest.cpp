#include "platform/text/Format.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FormatCase {
    const char* pattern;
    FormatArg arg;
    const char* expected;
};

TEST(Format, SamplesFollowTheFrameworkRules) {
    const FormatCase cases[] = {
        {"%d", 42, "42"},
        {"%5d|", -42, "  -42|"},
        {"%-5d|", 42, "42   |"},
        {"%.4d", 7, "0007"},
        {"%.4d", -7, "-0007"},
        {"%02d", 5, " 5"}, // the width pads with blanks only
        {"%x", 255, "FF"},
        {"%.4x", 255, "00FF"},
        {"%x", -1, "FFFFFFFF"},
        {"%u", 3000000000u, "3000000000"},
        {"%s!", "abc", "abc!"},
        {"%.2s", "abcdef", "ab"},
        {"%6s|", "ab", "    ab|"},
        {"%f", 1.0, "1.00"},
        {"%4.1fHz", 123.45, "123.5Hz"},
        {"%4.2f", 0.5, "0.50"},
        {"%3.2f", 1.005, "1.00"}, // 1.00499999... in binary
        {"%.0f", 0.5, "1"},       // halves go away from zero
        {"%.0f", 1.5, "2"},
        {"%.0f", 2.5, "3"},
        {"%.0f", -2.5, "-3"},
        {"%.1f", 0.25, "0.3"},
        {"%.1f", 0.35, "0.3"},  // 0.34999... in binary
        {"%.1f", -0.04, "0.0"}, // no negative zero
        {"%.3f", 1e-10, "0.000"},
        {"%e", 1234.5, "1.23450000000000E+003"},
        {"%.3e", -0.000123, "-1.23E-004"},
        {"%g", 0.1, "0.1"},
        {"%g", 1e20, "1E020"},
        {"%g", 0.00001, "1E-005"},
        {"%n", 1234567.891, "1,234,567.89"},
        {"%m", -5.0, "($5.00)"},
        {"%.0f%%", 42.4, "42%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.pattern, {c.arg}), c.expected) << c.pattern;
}

TEST(Format, IndexesStarsAndPercent) {
    EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
    EXPECT_EQ(Format("%*.*f", {8, 3, 3.14159}), "   3.142");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%d.%d.%d.%d", {127, 0, 0, 1}), "127.0.0.1");
    EXPECT_EQ(Format("%.2X ", {10}), "0A ");
}

TEST(Format, MismatchesRaiseConvertError) {
    EXPECT_THROW(Format("%d", {1.5}), EConvertError);
    EXPECT_THROW(Format("%f", {3}), EConvertError);
    EXPECT_THROW(Format("%s", {3}), EConvertError);
    EXPECT_THROW(Format("%d %d", {3}), EConvertError);
    EXPECT_THROW(Format("%q", {3}), EConvertError);
    EXPECT_THROW(Format("%+1.1fdB", {3.0}), EConvertError); // no C flags in the framework's Format
    try {
        Format("%d", {"x"});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

TEST(Format, PrintfAcceptsCFlags) {
    EXPECT_EQ(korvan::text::Printf("%+1.1fdB", {3.0}), "+3.0dB");
    EXPECT_EQ(korvan::text::Printf("%+1.1fdB", {-12.25}), "-12.3dB");
    EXPECT_EQ(korvan::text::Printf("%05d", {-42}), "-0042");
    EXPECT_EQ(korvan::text::Printf("%02X ", {10}), "0A ");
    EXPECT_EQ(korvan::text::Printf("%3dms", {7}), "  7ms");
}

TEST(Format, CommaSettingsChangeOnlyTheSeparators) {
    korvan::text::FormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    EXPECT_EQ(Format("%.2f", {1.5}, comma), "1,50");
    EXPECT_EQ(Format("%n", {1234.5}, comma), "1.234,50");
    EXPECT_EQ(FloatToStr(1.5, comma), "1,5");
}

struct FloatCase {
    double value;
    TFloatFormat format;
    int precision, digits;
    const char* expected;
};

TEST(FloatToStrF, SamplesFollowTheFrameworkRules) {
    const FloatCase cases[] = {
        {0, ffGeneral, 15, 0, "0"},
        {1.5, ffGeneral, 15, 0, "1.5"},
        {-0.1, ffGeneral, 15, 0, "-0.1"},
        {0.1 + 0.2, ffGeneral, 15, 0, "0.3"},
        {0.0001, ffGeneral, 15, 0, "0.0001"},
        {0.00001, ffGeneral, 15, 0, "1E-5"},
        {1e14, ffGeneral, 15, 0, "100000000000000"},
        {1e15, ffGeneral, 15, 0, "1E15"},
        {123456789.0, ffGeneral, 4, 0, "1.235E8"},
        {2.5, ffGeneral, 1, 0, "3"},
        {1.0 / 3, ffGeneral, 15, 0, "0.333333333333333"},
        {1234.5, ffExponent, 4, 2, "1.235E+03"},
        {-1234.5, ffExponent, 4, 0, "-1.235E+3"},
        {0.000123, ffExponent, 3, 4, "1.23E-0004"},
        {2.5, ffFixed, 15, 0, "3"},
        {3.5, ffFixed, 15, 0, "4"},
        {0.125, ffFixed, 15, 2, "0.13"},
        {123.456, ffFixed, 4, 2, "123.50"},
        {-1.005, ffFixed, 15, 2, "-1.00"},
        {1234567.5, ffNumber, 15, 1, "1,234,567.5"},
        {999.999, ffNumber, 15, 2, "1,000.00"},
        {1.0, ffCurrency, 15, 0, "$1.00"},
        {std::numeric_limits<double>::infinity(), ffGeneral, 15, 0, "INF"},
        {-std::numeric_limits<double>::infinity(), ffFixed, 15, 2, "-INF"},
        {std::nan(""), ffGeneral, 15, 0, "NAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits), c.expected) << c.value;
}

TEST(FloatToStr, RoundTripsThroughStrToFloat) {
    for (double v : {0.1, 1.5, -2.75, 1e-7, 123456.789, 1e300, 5e-301}) {
        const std::string text = FloatToStr(v);
        EXPECT_NEAR(StrToFloat(text), v, std::fabs(v) * 1e-14) << text;
    }
}

TEST(StrToFloat, AcceptsPlainNumbersAndRejectsTheRest) {
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("+3."), 3.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("2.5E-2"), 0.025);
    for (const char* bad :
         {"", " ", "abc", "1,5", "1.5.2", "1e", "1e+", "0x10", "1 2", "--1", "inf", "nan", ".", "1e999"}) {
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
        double v = 7;
        EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
        EXPECT_EQ(v, 7);
    }
    try {
        StrToFloat("12a");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid floating point value");
    }
    korvan::text::FormatSettings comma;
    comma.DecimalSeparator = ',';
    EXPECT_DOUBLE_EQ(StrToFloat("1,5", comma), 1.5);
    EXPECT_THROW(StrToFloat("1.5", comma), EConvertError);
}

TEST(StrToInt, AcceptsDecimalAndHexWithinRange) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" -42"), -42);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToInt64("9223372036854775807"), 9223372036854775807LL);
    for (const char* bad : {"", "1.0", "2147483648", "12 ", "abc", "$", "-", "0x"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    EXPECT_EQ(StrToIntDef("x", -1), -1);
    try {
        StrToInt("x1");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x1' is not a valid integer value");
    }
}

TEST(Round, TakesHalvesToEven) {
    const std::pair<double, std::int64_t> cases[] = {{0.5, 0},    {1.5, 2},   {2.5, 2},   {3.5, 4},
                                                     {-0.5, 0},   {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                                     {2.5001, 3}, {-2.6, -3}};
    for (const auto& [v, r] : cases)
        EXPECT_EQ(Round(v), r) << v;
    EXPECT_EQ(Trunc(-2.7), -2);
}

} // namespace

TEST(HexList, EachByteAsTwoUpperCaseDigitsAndABlank) {
    const std::uint8_t bytes[] = {0x00, 0x0A, 0xFF, 0x5c};
    EXPECT_EQ(korvan::text::HexList(bytes, 4), "00 0A FF 5C ");
    EXPECT_EQ(korvan::text::HexList(bytes, 0), "");
}
