// Typed dynamics values: any text is read or refused, and what is read
// lies within the range the caller gave (a threshold, a knee, a time) or
// is one of the sixteen ratio steps.

#include "fuzz/FuzzTarget.h"
#include "ui/main/editors/DynamicsEntry.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace korvan::editors;
    if (const auto db = ReadDecimalEntry(text, -90, 20))
        FuzzCheck(*db >= -90 && *db <= 20);
    if (const auto knee = ReadDecimalEntry(text, 0, 12))
        FuzzCheck(*knee >= 0 && *knee <= 12);
    if (const auto ms = ReadTimeEntry(text, 10, 3000))
        FuzzCheck(*ms >= 10 && *ms <= 3000);
    if (const auto step = ReadRatioEntry(text))
        FuzzCheck(*step >= 0 && *step <= 15);
    return 0;
}
