// A BMP file through its decoder; what decodes encodes in every depth the
// encoder writes and reads back at the same size.

#include "fuzz/PictureCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int bits = 0;
    const QImage img = korvan::gfx::DecodeBmp({data, size}, &bits);
    CheckPicture(img);
    if (img.isNull())
        return 0;
    for (const int depth : {1, 24, 32}) {
        const korvan::gfx::Bytes back = korvan::gfx::EncodeBmp(img, depth);
        FuzzCheck(korvan::gfx::DecodeBmp(back).size() == img.size());
    }
    return 0;
}
