#include "platform/text/FloatText.h"

#include "platform/text/Exception.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korvan::text {

namespace {
constexpr int kMaxDigits = 18;
} // namespace

DecimalDigits FloatToDecimal(double value, int precision, int decimals) {
    DecimalDigits d;
    if (std::isnan(value)) {
        d.NotANumber = true;
        return d;
    }
    d.Negative = std::signbit(value);
    if (std::isinf(value)) {
        d.Infinite = true;
        return d;
    }
    if (value == 0) {
        d.Negative = false;
        return d;
    }
    // 18 significant digits, correctly rounded: d.ddddddddddddddddde[+-]x.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, kMaxDigits - 1);
    const std::string_view text(buf, size_t(res.ptr - buf));
    const size_t e = text.find('e');
    // Gathered in place: labels of a display format thousands of numbers.
    char mantissa[sizeof buf];
    size_t count = 0;
    for (size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            mantissa[count++] = text[i];
    std::string digits(mantissa, count);
    std::string_view power = text.substr(e + 1);
    if (!power.empty() && power.front() == '+')
        power.remove_prefix(1);
    int exponent = 0;
    std::from_chars(power.data(), power.data() + power.size(), exponent);
    ++exponent;

    precision = std::clamp(precision, 1, kMaxDigits);
    int keep = precision;
    if (decimals >= 0)
        keep = std::min(keep, exponent + decimals);
    if (keep < 0) {
        d.Negative = false;
        return d;
    }
    bool roundUp = size_t(keep) < digits.size() && digits[size_t(keep)] >= '5';
    digits.resize(size_t(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && digits[size_t(i)] == '9') {
            digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[size_t(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            if (digits.empty())
                digits = "1";
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) {
        d.Negative = false;
        return d;
    }
    d.Exponent = exponent;
    d.Digits = digits;
    return d;
}

namespace {

char DigitAt(const DecimalDigits& d, int i) {
    return i >= 0 && size_t(i) < d.Digits.size() ? d.Digits[size_t(i)] : '0';
}

std::string ExponentText(int exponent, int minDigits, bool plusSign) {
    std::string s;
    if (exponent < 0)
        s = "-";
    else if (plusSign)
        s = "+";
    std::string n = std::to_string(std::abs(exponent));
    if (int(n.size()) < minDigits)
        n.insert(0, size_t(minDigits) - n.size(), '0');
    return "E" + s + n;
}

std::string Special(const DecimalDigits& d) {
    if (d.NotANumber)
        return "NAN";
    return d.Negative ? "-INF" : "INF";
}

// Integer part with optional grouping, then `decimals` fraction digits.
std::string FixedText(const DecimalDigits& d, int decimals, bool group, const FormatSettings& fs) {
    std::string intPart;
    if (d.Exponent <= 0 || d.Digits.empty()) {
        intPart = "0";
    } else {
        for (int i = 0; i < d.Exponent; ++i)
            intPart += DigitAt(d, i);
    }
    if (group && intPart.size() > 3) {
        std::string g;
        const size_t first = intPart.size() % 3 == 0 ? 3 : intPart.size() % 3;
        g = intPart.substr(0, first);
        for (size_t i = first; i < intPart.size(); i += 3) {
            g += fs.ThousandSeparator;
            g += intPart.substr(i, 3);
        }
        intPart = g;
    }
    std::string s = intPart;
    if (decimals > 0) {
        s += fs.DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            s += d.Digits.empty() ? '0' : DigitAt(d, d.Exponent + i);
    }
    return s;
}

std::string ExponentFormat(double value, int precision, int digits, const FormatSettings& fs) {
    precision = std::clamp(precision, 1, kMaxDigits);
    const DecimalDigits d = FloatToDecimal(value, precision, -1);
    if (d.Infinite || d.NotANumber)
        return Special(d);
    std::string s = d.Negative ? "-" : "";
    s += DigitAt(d, 0);
    if (precision > 1) {
        s += fs.DecimalSeparator;
        for (int i = 1; i < precision; ++i)
            s += DigitAt(d, i);
    }
    return s + ExponentText(d.Digits.empty() ? 0 : d.Exponent - 1, std::clamp(digits, 0, 4), true);
}

std::string GeneralFormat(double value, int precision, int digits, const FormatSettings& fs) {
    precision = std::clamp(precision, 1, kMaxDigits);
    const DecimalDigits d = FloatToDecimal(value, precision, -1);
    if (d.Infinite || d.NotANumber)
        return Special(d);
    if (d.Digits.empty())
        return "0";
    std::string s = d.Negative ? "-" : "";
    const int n = int(d.Digits.size());
    if (d.Exponent > precision || d.Exponent < -3) {
        s += d.Digits[0];
        if (n > 1) {
            s += fs.DecimalSeparator;
            s += d.Digits.substr(1);
        }
        return s + ExponentText(d.Exponent - 1, std::clamp(digits, 0, 4), false);
    }
    if (d.Exponent <= 0) {
        s += '0';
        s += fs.DecimalSeparator;
        s.append(size_t(-d.Exponent), '0');
        return s + d.Digits;
    }
    for (int i = 0; i < d.Exponent; ++i)
        s += DigitAt(d, i);
    if (n > d.Exponent) {
        s += fs.DecimalSeparator;
        s += d.Digits.substr(size_t(d.Exponent));
    }
    return s;
}

std::string CurrencyText(const std::string& number, bool negative, const FormatSettings& fs) {
    const std::string& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1:
            return number + c;
        case 2:
            return c + " " + number;
        case 3:
            return number + " " + c;
        default:
            return c + number;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1:
        return "-" + c + number;
    case 2:
        return c + "-" + number;
    case 3:
        return c + number + "-";
    case 4:
        return "(" + number + c + ")";
    case 5:
        return "-" + number + c;
    case 6:
        return number + "-" + c;
    case 7:
        return number + c + "-";
    default:
        return "(" + c + number + ")";
    }
}

} // namespace

} // namespace korvan::text

using korvan::text::FormatSettings;

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const FormatSettings& fs) {
    using namespace korvan::text;
    switch (format) {
    case ffGeneral:
        return GeneralFormat(value, precision, digits, fs);
    case ffExponent:
        return ExponentFormat(value, precision, digits, fs);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        precision = std::clamp(precision, 1, kMaxDigits);
        const int decimals =
            format == ffCurrency ? std::clamp(fs.CurrencyDecimals, 0, 18) : std::clamp(digits, 0, 18);
        const DecimalDigits d = FloatToDecimal(value, precision, decimals);
        if (d.Infinite || d.NotANumber)
            return Special(d);
        if (d.Exponent > precision)
            return GeneralFormat(value, precision, 0, fs);
        const std::string number = FixedText(d, decimals, format != ffFixed, fs);
        if (format == ffCurrency)
            return CurrencyText(number, d.Negative, fs);
        return d.Negative ? "-" + number : number;
    }
    }
    return {};
}

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, korvan::text::CurrentFormatSettings());
}

std::string FloatToStr(double value) {
    return FloatToStrF(value, ffGeneral, 15, 0);
}

std::string FloatToStr(double value, const FormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

bool TryStrToFloat(std::string_view text, double& value, const FormatSettings& fs) {
    size_t i = 0, n = text.size();
    while (i < n && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    while (n > i && static_cast<unsigned char>(text[n - 1]) <= ' ')
        --n;
    std::string plain;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    size_t mantissaDigits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        plain += text[i++];
        ++mantissaDigits;
    }
    if (i < n && text[i] == fs.DecimalSeparator) {
        plain += '.';
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        size_t expDigits = 0;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    const char* begin = plain.data();
    if (*begin == '+')
        ++begin;
    double v = 0;
    const auto res = std::from_chars(begin, plain.data() + plain.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is not a valid value.
        if (std::fabs(std::strtod(plain.c_str(), nullptr)) > 1)
            return false;
        v = 0;
    } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
        return false;
    }
    value = v;
    return true;
}

bool TryStrToFloat(std::string_view text, double& value) {
    return TryStrToFloat(text, value, korvan::text::CurrentFormatSettings());
}

double StrToFloat(std::string_view text, const FormatSettings& settings) {
    double v = 0;
    if (!TryStrToFloat(text, v, settings))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return v;
}

double StrToFloat(std::string_view text) {
    return StrToFloat(text, korvan::text::CurrentFormatSettings());
}

double StrToFloatDef(std::string_view text, double fallback) {
    double v = 0;
    return TryStrToFloat(text, v) ? v : fallback;
}
