// A PNG file through its decoder.

#include "fuzz/PictureCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckPicture(korvan::gfx::DecodePng({data, size}));
    return 0;
}
