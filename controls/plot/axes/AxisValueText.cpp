#include "controls/plot/axes/AxisValueText.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackNumbers.h"
#include "platform/text/DateTime.h"
#include "platform/text/FloatText.h"
#include "platform/text/StrUtils.h"

#include <array>
#include <cmath>
#include <exception>
#include <utility>

namespace korvan::plot {

namespace {

// Fixed point with exactly `decimals` digits after the separator, no
// grouping.
std::string FixedText(double value, int decimals) {
    return FloatToStrF(value, ffFixed, 18, decimals);
}

std::string ValueText(const TiValueTextFormat& f, double value, double span, TiPlotScaleType scale) {
    if (scale == ipstLinear)
        return FixedText(value, DecimalPlacesFor(f.Precision, f.PrecisionStyle, span, 0));
    int decimals = f.Precision;
    if (f.PrecisionStyle != ipsFixedDecimalPoints) {
        const std::int64_t places = std::int64_t(f.Precision) - 1 - SaturatedTrunc64(std::log10(value));
        decimals = places < 0 ? 0 : ClampToInt(places);
    }
    return FixedText(value, decimals);
}

std::string ExponentText(const TiValueTextFormat& f, double value) {
    const int digits = f.PrecisionStyle == ipsFixedDecimalPoints ? f.Precision + 1 : f.Precision;
    return FloatToStrF(value, ffExponent, digits, 3);
}

const char* PrefixSuffix(std::int64_t exponent) {
    static const std::array<const char*, 17> suffixes{"y", "z", "a", "f", "p", "n", "?", "m", "",
                                                      "K", "M", "G", "T", "P", "E", "Z", "Y"};
    if (exponent < -24 || exponent > 24)
        return nullptr;
    return suffixes[std::size_t((exponent + 24) / 3)];
}

std::string PrefixText(const TiValueTextFormat& f, double value, double span) {
    std::int64_t exponent = 0;
    if (value != 0)
        exponent = SaturatedTrunc64(std::trunc(std::log10(std::fabs(value)) / 3) * 3);
    const double mantissa = value / std::pow(10.0, double(exponent));
    const int decimals = DecimalPlacesFor(f.Precision, f.PrecisionStyle, mantissa, 0);
    std::string text = "Unknown";
    if (const char* suffix = PrefixSuffix(exponent))
        text = Trim(FixedText(mantissa, decimals) + suffix);
    // Rounding noise around zero on a real span reads as zero.
    if (span > 1e-10 && value > -1e-12 && value < 1e-12)
        text = "0." + std::string(std::size_t(decimals), '0');
    return text;
}

std::string DateTimeText(const std::string& pattern, double value) {
    if (!pattern.empty() && (pattern[0] == 'J' || pattern[0] == 'j')) {
        if (!std::isfinite(value))
            throw std::exception();
        return std::to_string(SaturatedTrunc64(value)) + " " + FormatDateTime(pattern.substr(1), value);
    }
    return FormatDateTime(pattern, value);
}

std::string Price32ndsText(double value) {
    const double q = value + 1.0 / 512;
    const double fraction = Frac(q);
    const std::int64_t t = SaturatedRound64(fraction * 1024);
    std::string whole32 = std::to_string(t / 32);
    if (whole32.size() < 2)
        whole32.insert(0, 2 - whole32.size(), '0');
    return FixedText(std::trunc(q), 0) + "." + whole32 + std::to_string((t % 32) / 4);
}

std::string ThousandsText(const TiValueTextFormat& f, double value, double span) {
    return FloatToStrF(value, ffNumber, 18, DecimalPlacesFor(f.Precision, f.PrecisionStyle, span, 0));
}

} // namespace

bool FormatValueText(const TiValueTextFormat& f, double value, double span, TiPlotScaleType scale,
                     std::string& text) {
    text = "Unknown";
    try {
        switch (f.Style) {
        case iptfValue:
            if (scale == ipstLog10 && !(value > 0))
                return false;
            if (scale == ipstLinear || scale == ipstLog10)
                text = Trim(ValueText(f, value, span, scale));
            break;
        case iptfExponent:
            text = Trim(ExponentText(f, value));
            break;
        case iptfPrefix:
            text = PrefixText(f, value, span);
            break;
        case iptfDateTime:
            text = Trim(DateTimeText(f.DateTimeFormat, value));
            break;
        case iptfPrice32nds:
            text = Price32ndsText(value);
            break;
        case iptfThousands:
            text = Trim(ThousandsText(f, value, span));
            break;
        }
    } catch (const std::exception&) {
        text = "Error";
    }
    return true;
}

std::string JoinTextLines(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += ' ';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return out;
}

} // namespace korvan::plot
