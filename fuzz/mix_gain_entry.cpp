// The typed mix gain: any bytes give nothing or a position of the range,
// and the text shown for that position reads back as the same position.

#include "device/protocol/ValueScales.h"
#include "fuzz/FuzzTarget.h"
#include "ui/main/editors/MixGainEntry.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto position = korvan::editors::ReadMixGainEntry(text);
    if (!position)
        return 0;
    FuzzCheck(*position >= -280 && *position <= 0);
    FuzzCheck(korvan::editors::ReadMixGainEntry(FormatMixGain(*position)) == position);
    return 0;
}
