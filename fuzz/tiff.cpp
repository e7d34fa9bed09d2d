// A TIFF file through its decoder.

#include "fuzz/PictureCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckPicture(korvan::gfx::DecodeTiff({data, size}));
    return 0;
}
