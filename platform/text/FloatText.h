#pragma once
// Float to text and back with the framework's rules: decimal rounding with
// halves away from zero on the value's 18-digit decimal form, "general"
// format switching to scientific notation outside 1e-4 .. 10^Precision,
// and strict parsing that raises EConvertError.

#include "platform/text/FormatSettings.h"

#include <string>
#include <string_view>

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits,
                        const korvan::text::FormatSettings& settings);
// FloatToStrF(value, ffGeneral, 15, 0).
std::string FloatToStr(double value);
std::string FloatToStr(double value, const korvan::text::FormatSettings& settings);

// Blanks around the number are allowed; the decimal separator is the
// settings' one; an exponent may follow. Anything else raises EConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text);
double StrToFloat(std::string_view text, const korvan::text::FormatSettings& settings);
bool TryStrToFloat(std::string_view text, double& value);
bool TryStrToFloat(std::string_view text, double& value, const korvan::text::FormatSettings& settings);
double StrToFloatDef(std::string_view text, double fallback);

namespace korvan::text {

// A value as decimal digits: value = 0.<Digits> x 10^Exponent. Digits holds
// no trailing zeros and is empty for zero.
struct DecimalDigits {
    bool Negative = false;
    bool Infinite = false;
    bool NotANumber = false;
    int Exponent = 0;
    std::string Digits;
};

// Rounds to at most `precision` significant digits and, when `decimals` is
// not negative, to at most `decimals` digits after the decimal point;
// halves go away from zero.
DecimalDigits FloatToDecimal(double value, int precision, int decimals);

} // namespace korvan::text
