// Number and date texts: the input as an integer, float and date text in
// the framework's rules, and (its first 8 bytes as a double) formatted back.

#include "fuzz/FuzzTarget.h"
#include "platform/text/DateTime.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/Format.h"
#include "platform/text/IntText.h"

#include <cmath>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int i = 0;
    std::int64_t i64 = 0;
    double f = 0;
    if (TryStrToInt(text, i))
        FuzzCheck(StrToInt(IntToStr(i)) == i);
    if (TryStrToInt64(text, i64))
        FuzzCheck(StrToInt64(IntToStr(i64)) == i64);
    if (TryStrToFloat(text, f) && std::isfinite(f))
        (void)FloatToStr(f);
    const auto& settings = korvan::text::CurrentFormatSettings();
    TDateTime when = 0;
    if (TryStrToDateTime(text, when, settings))
        (void)DateTimeToStr(when);
    (void)TryStrToDate(text, when, settings);
    (void)TryStrToTime(text, when, settings);
    if (size >= 8) {
        double v = 0;
        std::memcpy(&v, data, 8);
        const int precision = size > 8 ? data[8] % 20 : 15, digits = size > 9 ? data[9] % 20 : 2;
        for (const TFloatFormat format : {ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency})
            (void)FloatToStrF(v, format, precision, digits);
        try {
            (void)FormatDateTime("c dddd mmmm yyyy hh:nn:ss.zzz ampm", v);
        } catch (const Exception&) {
        }
    }
    try {
        // The input as a format pattern with one argument of each kind.
        (void)Format(text, {1, 2.5, "s", 7u, 3LL});
    } catch (const Exception&) {
    }
    return 0;
}
