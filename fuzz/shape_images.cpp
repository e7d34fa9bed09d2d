// A shape button's stored state image ("BitmapUp", "BitmapDown": a length
// and the bitmap's file bytes) read back, then grown into up and down
// images with their rings: each keeps the source's size.

#include "controls/panels/BitmapData.h"
#include "controls/panels/ShapeImages.h"
#include "fuzz/FuzzTarget.h"
#include "platform/text/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TBitmap bitmap;
    try {
        korvan::panels::ReadBitmapData(std::vector<std::uint8_t>(data, data + size), bitmap);
    } catch (const Exception&) {
        return 0;
    }
    if (bitmap.Empty() || bitmap.Width() > 64 || bitmap.Height() > 64)
        return 0;
    for (const TButtonState state : {bsUp, bsDown}) {
        const TBitmap image = korvan::panels::BuildStateImage(bitmap, state, {});
        FuzzCheck(image.Width() == bitmap.Width() && image.Height() == bitmap.Height());
        const TBitmap mask = korvan::panels::CreateMask(image, bitmap.TransparentColor());
        FuzzCheck(mask.Width() == bitmap.Width() && mask.Height() == bitmap.Height());
    }
    return 0;
}
